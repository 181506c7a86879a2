#pragma once

#include <cstddef>
#include <string>

namespace hotlist {

// "深夜食堂：一碗面的温度" and "10万+" in code page 936.
inline constexpr char kSyntheticTitle[] =
    "\xc9\xee\xd2\xb9\xca\xb3\xcc\xc3\xa3\xba\xd2\xbb\xcd\xeb\xc3\xe6\xb5\xc4\xce\xc2\xb6\xc8";
inline constexpr char kSyntheticReaders[] = "10\xcd\xf2+";

// Markup a real page carries around its entries: other cells inside an entry, and blocks
// between entries that hold no title cell.
inline std::string syntheticFiller(std::size_t bytes) {
    std::string out;
    while (out.size() < bytes) {
        out += "<span class=\"tag\">\xc8\xc8\xce\xc4</span><i data-x=\"";
        out += std::to_string(out.size());
        out += "\"></i>\n";
    }
    return out;
}

// A code page 936 page in the aggregator's layout with `entries` article rows, each padded
// to about `entryBytes`; the same page for every engine so their figures compare.
inline std::string syntheticHotlistPage(int entries, std::size_t entryBytes) {
    const std::string inside = syntheticFiller(entryBytes / 4);
    const std::string between = syntheticFiller(entryBytes / 2);
    std::string page = "<html><body><table><tbody>\n";
    for (int i = 1; i <= entries; ++i) {
        page += "<tr><td>" + std::to_string(i) + "</td><td class=\"al\"><a href=\"/n/a" +
                std::to_string(i) + "\" target=\"_blank\" rel=\"nofollow\" itemid=\"" +
                std::to_string(1000 + i) + "\">" + kSyntheticTitle + "</a></td>\r\n" + inside +
                "<td>" + kSyntheticReaders + "</td></tr>\n" + between;
    }
    return page + "</tbody></table></body></html>\n";
}

}  // namespace hotlist

// Times the hot-list extraction with the scripting engine's RegExp object, the way a
// collection run uses it: one create over the page, then every group of every match.
// Run by hand under wine64 (tools/wine-run regex_extraction_timing.exe); not a test.
// The pages have the shape of bench/regex_bench.cpp's, so the figures compare with PCRE2's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/constants.h"
#include "base/vbscript_regexp.h"
#include "base/win32_com_library.h"
#include "text/regex_object.h"

namespace hotlist {
namespace {

// "深夜食堂：一碗面的温度" and "10万+" in code page 936.
constexpr char kTitle[] =
    "\xc9\xee\xd2\xb9\xca\xb3\xcc\xc3\xa3\xba\xd2\xbb\xcd\xeb\xc3\xe6\xb5\xc4\xce\xc2\xb6\xc8";
constexpr char kReaders[] = "10\xcd\xf2+";

std::string filler(std::size_t bytes) {
    std::string out;
    while (out.size() < bytes) {
        out += "<span class=\"tag\">\xc8\xc8\xce\xc4</span><i data-x=\"";
        out += std::to_string(out.size());
        out += "\"></i>\n";
    }
    return out;
}

std::string makePage(int entries, std::size_t entryBytes) {
    const std::string inside = filler(entryBytes / 4);
    const std::string between = filler(entryBytes / 2);
    std::string page = "<html><body><table><tbody>\n";
    for (int i = 1; i <= entries; ++i) {
        page += "<tr><td>" + std::to_string(i) + "</td><td class=\"al\"><a href=\"/n/a" +
                std::to_string(i) + "\" target=\"_blank\" rel=\"nofollow\" itemid=\"" +
                std::to_string(1000 + i) + "\">" + kTitle + "</a></td>\r\n" + inside + "<td>" +
                kReaders + "</td></tr>\n" + between;
    }
    return page + "</tbody></table></body></html>\n";
}

double nowMs() {
    LARGE_INTEGER counter{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One extraction; returns the number of matches read.
int extract(RegExpFactory& factory, ComLibrary& com, const Text& page, std::size_t& groupBytes) {
    RegexObject regex(factory, com);
    regex.create(kExtractionPattern, page, false, false, true, true);
    const int matches = regex.matchCount();
    for (int n = 1; n <= matches; ++n) {
        for (int m = 1; m <= 3; ++m) {
            groupBytes += static_cast<std::size_t>(regex.subMatchText(n, m).length());
        }
    }
    return matches;
}

void timePage(const char* label, int entries, std::size_t entryBytes, int repetitions) {
    Win32ComLibrary com;
    ScopedComInitialization scope(com);
    VbscriptRegExpFactory factory;
    const Text page(makePage(entries, entryBytes));
    std::vector<double> times;
    int matches = 0;
    std::size_t groupBytes = 0;
    for (int i = 0; i < repetitions; ++i) {
        const double start = nowMs();
        matches = extract(factory, com, page, groupBytes);
        times.push_back(nowMs() - start);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("%-28s %8d bytes %5d matches  min %9.2f ms  median %9.2f ms  %7.1f MB/s\n", label,
                page.length(), matches, times.front(), median,
                page.length() / (median / 1000.0) / 1e6);
}

}  // namespace
}  // namespace hotlist

int main() {
    hotlist::timePage("VBScript.RegExp, 30 entries", 30, 160, 20);
    hotlist::timePage("VBScript.RegExp, 1000 entries", 1000, 2300, 5);
    return 0;
}

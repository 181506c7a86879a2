#include "web/header_block.h"

namespace hotlist {

namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr int kPostMethod = 1;

// Appends the line after CR LF unless the key occurs anywhere in the block, so a key inside
// a longer name or a value counts as present.
Text appendUnlessNamed(const Text& block, const Text& key, const Text& line) {
    if (findText(block, key, 1, true) != -1) {
        return block;
    }
    return concatText(block, kLineBreak, line);
}

// Capitalises the name as a whole, or each of its dash-separated parts. Dashes at the very
// end produce no part and are lost here; the caller takes them back from the line.
Text capitaliseName(const Text& name) {
    if (findText(name, "-") == -1) {
        return capitaliseFirst(name);
    }
    const TextArray parts = splitText(name, "-");
    Text joined;
    for (int i = 1; i <= elementCount(parts); ++i) {
        joined = i == 1 ? capitaliseFirst(parts.at(i))
                        : concatText(joined, "-", capitaliseFirst(parts.at(i)));
    }
    return joined;
}

}  // namespace

Text addDefaultHeaders(const Text& block, const Text& url, int method) {
    Text result = appendUnlessNamed(block, "Accept:", "Accept: */*");
    result = appendUnlessNamed(result, "Referer:", concatText("Referer: ", url));
    result = appendUnlessNamed(result, "Accept-Language:", "Accept-Language: zh-cn");
    result = appendUnlessNamed(
        result, "User-Agent:", "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)");
    if (method == kPostMethod) {
        result = appendUnlessNamed(
            result, "Content-Type:", "Content-Type: application/x-www-form-urlencoded");
    }
    return result;
}

Text normaliseHeaderBlock(const Text& block) {
    const TextArray lines = splitText(block, kLineBreak);
    Text result;
    for (int i = 1; i <= elementCount(lines); ++i) {
        const Text& line = lines.at(i);
        const int colon = findText(line, ":");
        if (colon == -1) {
            continue;  // an empty line has no colon either
        }
        const Text name = capitaliseName(textLeft(line, colon - 1));
        // Taking the rest from the end keeps any trailing dashes the name lost.
        const Text rest = textRight(line, textLength(line) - textLength(name));
        result = concatText(result, name, rest, kLineBreak);
    }
    return textLeft(result, textLength(result) - 2);
}

Text capitaliseFirst(const Text& word) {
    return concatText(toUpperCase(textLeft(word, 1)), textMid(word, 2, textLength(word) - 1));
}

Text headerName(const Text& line) {
    const int colon = findText(line, ":");
    if (colon == -1) {
        return {};
    }
    return trimSpaces(textLeft(line, colon - 1));
}

Text headerValue(const Text& line) {
    const int colon = findText(line, ":");
    if (colon == -1) {
        return {};
    }
    return trimSpaces(textMid(line, colon + 1, textLength(line) - colon));
}

}  // namespace hotlist

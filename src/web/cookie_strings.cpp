#include "web/cookie_strings.h"

#include <string_view>

#include "web/text_markers.h"
#include "web/unique_items.h"

namespace hotlist {

namespace {

constexpr const char* kItemSeparator = "; ";
constexpr std::string_view kDeletionMarker = "=deleted";

// The cookie item of one "Set-Cookie: " line, without its attributes.
Text returnedCookieItem(const Text& line) {
    if (findText(line, ";") == -1) {
        return trimSpaces(replaceSubtext(line, "Set-Cookie:", "", false));
    }
    return trimSpaces(textBetween(line, "Set-Cookie:", ";"));
}

// Trimmed, with a final ";" followed by a space so that it splits like a separator.
Text preparedCookieString(const Text& cookies) {
    const Text trimmed = trimSpaces(cookies);
    if (compareText(textRight(trimmed, 1), ";") == 0) {
        return concatText(trimmed, " ");
    }
    return trimmed;
}

bool isDeletionMarker(const Text& item) {
    return item.view().ends_with(kDeletionMarker);
}

}  // namespace

Text collectReturnedCookies(const Text& responseHeaders) {
    const TextArray lines = splitText(responseHeaders, "\r\n");
    Text cookies;
    for (int i = 1; i <= elementCount(lines); ++i) {
        const Text& line = lines.at(i);
        if (compareText(textBefore(line, ": "), "Set-Cookie") != 0) {
            continue;
        }
        cookies = concatText(cookies, returnedCookieItem(line), kItemSeparator);
    }
    if (compareText(textRight(cookies, 2), kItemSeparator) == 0) {
        cookies = textLeft(cookies, textLength(cookies) - 2);
    }
    return cookies;
}

Text mergeCookies(Text& sent, Text& returned) {
    sent = preparedCookieString(sent);
    returned = preparedCookieString(returned);
    const TextArray sentItems = splitText(sent, kItemSeparator);
    TextArray items = splitText(returned, kItemSeparator);
    // Checked against the growing list, so only the first sent item of a name is carried.
    for (int i = 1; i <= elementCount(sentItems); ++i) {
        const Text& item = sentItems.at(i);
        if (!containsCookieName(items, cookieName(item))) {
            appendElement(items, item);
        }
    }
    Text merged;
    for (int i = 1; i <= elementCount(items); ++i) {
        if (!isDeletionMarker(items.at(i))) {
            merged = concatText(merged, items.at(i), kItemSeparator);
        }
    }
    merged = textLeft(merged, textLength(merged) - 2);
    sent = joinUnique(merged, kItemSeparator, 1);
    return sent;
}

Text cookieName(const Text& item) {
    const int equals = findText(item, "=");
    if (equals == -1) {
        return trimSpaces(item);
    }
    return trimSpaces(textLeft(item, equals - 1));
}

bool containsCookieName(const TextArray& items, const Text& name) {
    for (int i = 1; i <= elementCount(items); ++i) {
        if (compareText(cookieName(items.at(i)), name) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace hotlist

#include "web/text_markers.h"

#include <cstdint>

namespace hotlist {

namespace {

// Where textBefore's separator starts, or -1.
int findSeparator(const Text& text, const Text& separator, int start, bool ignoreCase) {
    if (start >= 0) {
        return findText(text, separator, start, ignoreCase);
    }
    // -1 ignores no byte; -k for any other k ignores the last k bytes.
    const std::int64_t ignored = start == -1 ? 0 : -static_cast<std::int64_t>(start);
    const std::int64_t before = textLength(text) - ignored + 1;
    if (before <= 1) {
        return -1;  // nothing left to search
    }
    return findTextReverse(text, separator, static_cast<int>(before), ignoreCase);
}

}  // namespace

Text textBefore(const Text& text, const Text& separator, int start, bool ignoreCase) {
    const int found = findSeparator(text, separator, start, ignoreCase);
    if (found == -1) {
        return {};
    }
    return textLeft(text, found - 1);
}

Text textBetween(const Text& text, const Text& left, const Text& right, int start,
                 bool ignoreCase) {
    const Text leftMarker = withQuotes(left);
    const Text rightMarker = withQuotes(right);
    const int leftAt = findText(text, leftMarker, start, ignoreCase);
    if (leftAt == -1) {
        return {};
    }
    const int inside = leftAt + textLength(leftMarker);
    const int rightAt = findText(text, rightMarker, inside, ignoreCase);
    if (rightAt == -1) {
        return {};
    }
    return textMid(text, inside, rightAt - inside);
}

}  // namespace hotlist

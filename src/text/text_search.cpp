#include <cstddef>
#include <string_view>

#include "text/text.h"
#include "text/text_walk.h"

namespace hotlist {
namespace {

struct Range {
    std::size_t first;  // 0-based index of the range's first byte
    std::size_t end;    // one past its last byte
    [[nodiscard]] bool empty() const { return first >= end; }
};

// Walks `range` by characters from its first byte and reports every position at which
// `sought` lies wholly inside the range; stops early when `onMatch` returns false.
template <typename OnMatch>
void walkMatches(std::string_view text, Range range, std::string_view sought, bool ignoreCase,
                 OnMatch onMatch) {
    std::size_t at = range.first;
    while (at < range.end && range.end - at >= sought.size()) {
        if (walk::matchesAt(text, at, sought, ignoreCase) && !onMatch(at)) {
            return;
        }
        at += walk::charWidth(text, at);
    }
}

std::size_t skippedBytes(int start) {
    return start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
}

Range forwardRange(std::size_t length, int start) {
    const std::size_t skipped = skippedBytes(start);
    return skipped >= length ? Range{0, 0} : Range{skipped, length};
}

Range reverseRange(std::size_t length, int start) {
    if (start == kFromEnd) {
        return {0, length};
    }
    const std::size_t before = skippedBytes(start);
    return before > length ? Range{0, length} : Range{0, before};
}

int searchResult(Range range, std::string_view sought) {
    return sought.empty() && !range.empty() ? 1 : -1;
}

}  // namespace

// The first occurrence at or after `start` (0 or below: the whole text). An empty sought
// text gives 1 whenever the range holds a byte, wherever it starts.
int findText(const Text& text, const Text& sought, int start, bool ignoreCase) {
    const Range range = forwardRange(text.view().size(), start);
    if (sought.empty() || range.empty()) {
        return searchResult(range, sought.view());
    }
    int found = -1;
    walkMatches(text.view(), range, sought.view(), ignoreCase, [&](std::size_t at) {
        found = static_cast<int>(at) + 1;
        return false;
    });
    return found;
}

// The last occurrence lying wholly before `start` (kFromEnd: the whole text). The walk
// moves one character at a time, so overlapping occurrences count: the last one wins.
int findTextReverse(const Text& text, const Text& sought, int start, bool ignoreCase) {
    const Range range = reverseRange(text.view().size(), start);
    if (sought.empty() || range.empty()) {
        return searchResult(range, sought.view());
    }
    int found = -1;
    walkMatches(text.view(), range, sought.view(), ignoreCase, [&](std::size_t at) {
        found = static_cast<int>(at) + 1;
        return true;
    });
    return found;
}

}  // namespace hotlist

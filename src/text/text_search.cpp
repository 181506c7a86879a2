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

enum class Wanted { first, last };

// Walks `range` by characters from its first byte and gives the 1-based position of the
// first or last place at which `sought` lies wholly inside the range, or -1. An empty sought
// text gives 1 whenever the range holds a byte, wherever it starts.
int searchRange(std::string_view text, Range range, std::string_view sought, bool ignoreCase,
                Wanted wanted) {
    if (range.empty()) {
        return -1;
    }
    if (sought.empty()) {
        return 1;
    }
    int found = -1;
    for (std::size_t at = range.first; at < range.end && range.end - at >= sought.size();
         at += walk::charWidth(text, at)) {
        if (walk::matchesAt(text, at, sought, ignoreCase)) {
            found = static_cast<int>(at) + 1;
            if (wanted == Wanted::first) {
                break;
            }
        }
    }
    return found;
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

}  // namespace

// The first occurrence at or after `start` (0 or below: the whole text).
int findText(const Text& text, const Text& sought, int start, bool ignoreCase) {
    return searchRange(text.view(), forwardRange(text.view().size(), start), sought.view(),
                       ignoreCase, Wanted::first);
}

// The last occurrence lying wholly before `start` (kFromEnd: the whole text). The walk
// moves one character at a time, so overlapping occurrences count: the last one wins.
int findTextReverse(const Text& text, const Text& sought, int start, bool ignoreCase) {
    return searchRange(text.view(), reverseRange(text.view().size(), start), sought.view(),
                       ignoreCase, Wanted::last);
}

}  // namespace hotlist

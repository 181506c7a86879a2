#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hotlist {

// The expression with every unescaped `.` outside a character class written as `[^\n]`, so
// that a dot excludes only the line feed whatever the newline convention.
std::u16string dotExcludesOnlyLineFeed(std::u16string_view pattern);

// The offsets of one match into its subject: pairs (start, end) for the whole match and then
// each group; an unset group holds `unset` in both places.
struct MatchOffsets {
    const std::size_t* pairs;
    int groupCount;
    std::size_t unset;
};

// Appends `replacement` with $$, $&, $`, $', $n and $nn expanded for one match; $nn counts
// only when nn names an existing group, an unset group expands to nothing and any other `$`
// stays as it is.
void appendExpandedReplacement(std::u16string& out, std::u16string_view replacement,
                               std::u16string_view subject, const MatchOffsets& match);

}  // namespace hotlist

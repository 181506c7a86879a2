#include "ecma_dialect.h"

namespace hotlist {

// Escapes are copied with the unit they escape; a `]` ends a class even right after its
// `[`, as an empty class is allowed.
std::u16string dotExcludesOnlyLineFeed(std::u16string_view pattern) {
    std::u16string out;
    out.reserve(pattern.size());
    bool inClass = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t unit = pattern[i];
        if (unit == u'\\') {
            out += unit;
            if (i + 1 < pattern.size()) {
                out += pattern[++i];
            }
        } else if (inClass) {
            inClass = unit != u']';
            out += unit;
        } else if (unit == u'[') {
            inClass = true;
            out += unit;
        } else if (unit == u'.') {
            out += u"[^\\n]";
        } else {
            out += unit;
        }
    }
    return out;
}

namespace {

int digitValue(char16_t unit) {
    return unit >= u'0' && unit <= u'9' ? unit - u'0' : -1;
}

void appendGroup(std::u16string& out, std::u16string_view subject, const MatchOffsets& match,
                 int group) {
    const std::size_t start = match.pairs[2 * group];
    const std::size_t end = match.pairs[2 * group + 1];
    if (start != match.unset && end >= start) {
        out.append(subject.substr(start, end - start));
    }
}

// The group a `$` followed by digits names, and how many digits it takes; 0 digits when it
// names none.
std::pair<int, std::size_t> groupReference(std::u16string_view digits, int groupCount) {
    const int first = digitValue(digits[0]);
    if (digits.size() > 1) {
        const int second = digitValue(digits[1]);
        const int both = first * 10 + second;
        if (second >= 0 && both >= 1 && both <= groupCount) {
            return {both, 2};
        }
    }
    if (first >= 1 && first <= groupCount) {
        return {first, 1};
    }
    return {0, 0};
}

}  // namespace

void appendExpandedReplacement(std::u16string& out, std::u16string_view replacement,
                               std::u16string_view subject, const MatchOffsets& match) {
    const std::size_t matchStart = match.pairs[0];
    const std::size_t matchEnd = match.pairs[1];
    std::size_t i = 0;
    while (i < replacement.size()) {
        const char16_t unit = replacement[i];
        if (unit != u'$' || i + 1 == replacement.size()) {
            out += unit;
            ++i;
            continue;
        }
        const char16_t next = replacement[i + 1];
        if (next == u'$') {
            out += u'$';
        } else if (next == u'&') {
            appendGroup(out, subject, match, 0);
        } else if (next == u'`') {
            out.append(subject.substr(0, matchStart));
        } else if (next == u'\'') {
            out.append(subject.substr(matchEnd));
        } else if (const auto [group, digits] =
                       groupReference(replacement.substr(i + 1, 2), match.groupCount);
                   digits > 0) {
            appendGroup(out, subject, match, group);
            i += 1 + digits;
            continue;
        } else {
            out += unit;
            ++i;
            continue;
        }
        i += 2;
    }
}

}  // namespace hotlist

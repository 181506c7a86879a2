#include <gtest/gtest.h>

#include "text/text.h"

namespace hotlist {
namespace {

struct SearchCase {
    const char* name;
    const char* text;
    const char* sought;
    int start;
    bool ignoreCase;
    int expected;
};

TEST(FindText, FindsTheFirstOccurrenceAtACharacterStartFromStart) {
    const SearchCase cases[] = {
        {"plain", "abcabc", "bc", 0, false, 2},
        {"from a start", "abcabc", "bc", 3, false, 5},
        {"start on the match", "abcabc", "bc", 5, false, 5},
        {"missing", "abcabc", "x", 0, false, -1},
        {"occurrence past the end", "abc", "cd", 0, false, -1},
        {"start 0 is the whole text", "abc", "a", 0, false, 1},
        {"negative start is the whole text", "abc", "a", -7, false, 1},
        {"start beyond the length", "abc", "c", 4, false, -1},
        {"case matters by default", "Cookie: a", "cookie:", 0, false, -1},
        {"ignoring case", "x\r\ncookie: a", "Cookie:", 0, true, 4},
        {"never on a second byte", "\xb0\xa1\xa1\xa1", "\xa1", 0, false, 3},
        {"double-byte sought", "a\xd2\xfd\xba\xc5", "\xba\xc5", 0, false, 4},
        {"folding reaches second bytes", "\x81\x61", "\x81\x41", 0, true, 1},
        {"full-width letters not folded", "\xa3\xc1", "\xa3\xe1", 0, true, -1},
        {"only ASCII letters fold", "[", "{", 0, true, -1},
        {"lone lead byte matches a one-byte sought text", "a\xb0", "\xb0", 0, false, 2},
        {"start inside a double-byte character walks from there", "\xb0\xa1\xa1", "\xa1", 2, false,
         2},
        {"empty sought text gives 1", "0123456789", "", 5, false, 1},
        {"empty sought text in the empty text", "", "", 0, false, -1},
        {"empty sought text from beyond the end", "abc", "", 4, false, -1},
        {"empty text", "", "a", 0, false, -1},
        {"sought longer than the text", "ab", "abc", 0, false, -1},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findText(c.text, c.sought, c.start, c.ignoreCase), c.expected);
    }
}

TEST(FindTextReverse, FindsTheLastOccurrenceWhollyBeforeStart) {
    const SearchCase cases[] = {
        {"whole text", "abcabc", "bc", kFromEnd, false, 5},
        {"overlapping occurrences", "aaa", "aa", kFromEnd, false, 2},
        {"start at length + 1 is the whole text", "abcabc", "bc", 7, false, 5},
        {"start far beyond is the whole text", "abcabc", "bc", 100, false, 5},
        {"start equal to the length excludes the last byte", "abcabc", "bc", 6, false, 2},
        {"occurrence ending just before start", "abcabc", "bc", 4, false, 2},
        {"start 1 is an empty range", "abc", "a", 1, false, -1},
        {"start 0 is an empty range", "abc", "a", 0, false, -1},
        {"missing", "abc", "x", kFromEnd, false, -1},
        {"ignoring case", "Cookie: a; COOKIE: b", "cookie:", kFromEnd, true, 12},
        {"never on a second byte", "\xa1\xa1\xb0\xa1", "\xa1", kFromEnd, false, 1},
        {"empty sought text gives 1", "abc", "", 3, false, 1},
        {"empty sought text with an empty range", "abc", "", 1, false, -1},
        {"empty sought text in the empty text", "", "", kFromEnd, false, -1},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findTextReverse(c.text, c.sought, c.start, c.ignoreCase), c.expected);
    }
}

TEST(FindText, ForwardAndReverseDisagreeOnOverlaps) {
    EXPECT_EQ(findText("aaa", "aa"), 1);
    EXPECT_EQ(findTextReverse("aaa", "aa"), 2);
}

}  // namespace
}  // namespace hotlist

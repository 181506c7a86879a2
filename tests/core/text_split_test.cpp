#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/text.h"

namespace hotlist {
namespace {

std::vector<std::string> pieces(const TextArray& array) {
    std::vector<std::string> out;
    for (int i = 1; i <= elementCount(array); ++i) {
        out.emplace_back(array.at(i).view());
    }
    return out;
}

struct SplitCase {
    const char* name;
    const char* text;
    const char* separator;
    std::vector<std::string> expected;
};

TEST(SplitText, GivesThePiecesBetweenSeparators) {
    const SplitCase cases[] = {
        {"plain", "a; b; c", "; ", {"a", "b", "c"}},
        {"empty text", "", "; ", {}},
        {"empty separator", "a; b", "", {"a; b"}},
        {"no separator found", "abc", ",", {"abc"}},
        {"empty line between lines", "A: 1\r\n\r\nB: 2", "\r\n", {"A: 1", "", "B: 2"}},
        {"final separator adds nothing", "A: 1\r\nB: 2\r\n", "\r\n", {"A: 1", "B: 2"}},
        {"leading separator", ",a", ",", {"", "a"}},
        {"only a separator", ",", ",", {""}},
        {"two separators", ",,", ",", {"", ""}},
        {"letter case matters", "aXbxc", "x", {"aXb", "c"}},
        {"never on a second byte", "\xb0\xa1\xa1x", "\xa1", {"\xb0\xa1", "x"}},
        {"double-byte separator",
         "a#\xd2\xfd\xba\xc5"
         "b",
         "#\xd2\xfd\xba\xc5",
         {"a", "b"}},
        {"lone lead byte stays in the last piece", "a,\xb0", ",", {"a", "\xb0"}},
        {"lone lead byte with a longer separator", "a; b\xb0", "; ", {"a", "b\xb0"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pieces(splitText(c.text, c.separator)), c.expected);
    }
}

TEST(SplitText, AssignmentReplacesTheArrayAndAppendKeepsIndices) {
    TextArray array;
    EXPECT_EQ(elementCount(array), 0);
    appendElement(array, "old");
    array = splitText("a,b", ",");
    appendElement(array, "c");
    appendElement(array, "");
    EXPECT_EQ(pieces(array), (std::vector<std::string>{"a", "b", "c", ""}));
}

}  // namespace
}  // namespace hotlist

#include <gtest/gtest.h>

#include <string>

#include "text/text.h"

namespace hotlist {
namespace {

struct OneTextCase {
    const char* name;
    const char* text;
    const char* expected;
};

TEST(TrimSpaces, CutsSpacesAndFullWidthSpacesOnly) {
    const OneTextCase cases[] = {
        {"both ends", "  a b  ", "a b"},
        {"full-width spaces", "\xa1\xa1 a\xa1\xa1", "a"},
        {"mixed run at the end", "a \xa1\xa1 ", "a"},
        {"tab and line breaks stay", "\ta\r\n", "\ta\r\n"},
        {"spaces inside stay", "a  b", "a  b"},
        {"only spaces", " \xa1\xa1  ", ""},
        {"empty", "", ""},
        {"second byte 0xA1 is no space", "\xb0\xa1\xa1\xa1", "\xb0\xa1"},
        {"a lead byte takes the space after it", "a\xb0\xa1\xa1 ", "a\xb0\xa1\xa1 "},
        {"lone lead byte cuts the text", "a  \xb0", "a  "},
        {"lone 0xA1 after spaces", "  \xa1", ""},
        {"lone lead byte alone", "\xb0", ""},
    };
    for (const OneTextCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(trimSpaces(c.text).view(), c.expected);
    }
}

TEST(ToUpperCase, UpperCasesSingleByteLettersOnly) {
    const OneTextCase cases[] = {
        {"letters", "abz-AZ09", "ABZ-AZ09"},
        {"second byte in a-z stays", "\x81\x61x", "\x81\x61X"},
        {"full-width letter stays", "\xa3\xe1", "\xa3\xe1"},
        {"lone lead byte stays", "a\xb0", "A\xb0"},
        {"bytes around a-z", "`{", "`{"},
        {"empty", "", ""},
    };
    for (const OneTextCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toUpperCase(c.text).view(), c.expected);
    }
}

struct ReplaceCase {
    const char* name;
    const char* text;
    const char* sought;
    const char* replacement;
    bool caseSensitive;
    const char* expected;
};

TEST(ReplaceSubtext, ReplacesLeftToRightWithoutOverlap) {
    const ReplaceCase cases[] = {
        {"every occurrence", "a-b-c", "-", "+", true, "a+b+c"},
        {"no overlap", "aaa", "aa", "b", true, "ba"},
        {"replacement not searched again", "aaa", "a", "aa", true, "aaaaaa"},
        {"removal", "Cookie: a\r\nCOOKIE: b", "cookie:", "", false, " a\r\n b"},
        {"case sensitive keeps other case", "Cookie: a", "cookie:", "", true, "Cookie: a"},
        {"quote escape", "x#\xd2\xfd\xba\xc5y", "#\xd2\xfd\xba\xc5", "\"", true, "x\"y"},
        {"never on a second byte", "\xb0\xa1\xa1", "\xa1", "!", true, "\xb0\xa1!"},
        {"empty sought text", "abc", "", "x", true, "abc"},
        {"empty text", "", "a", "x", true, ""},
        {"tail shorter than sought copied", "abcab", "abc", "x", true, "xab"},
        {"lone lead byte dropped by a one-byte sought text", "a\xb0", "b", "x", true, "a"},
        {"lone lead byte replaced when it matches", "a\xb0", "\xb0", "x", true, "ax"},
        {"lone lead byte copied by a longer sought text", "a\xb0", "bc", "x", true, "a\xb0"},
    };
    for (const ReplaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(replaceSubtext(c.text, c.sought, c.replacement, c.caseSensitive).view(),
                  c.expected);
    }
}

TEST(ConcatText, JoinsOperandsInOrder) {
    const Text middle = "\xd2\xfd";
    EXPECT_EQ(concatText("a", middle, std::string("b")).view(),
              "a\xd2\xfd"
              "b");
    EXPECT_EQ(concatText("", Text(), "").view(), "");
    EXPECT_EQ(concatText(Text("x")).view(), "x");
}

TEST(ConcatText, AnOperandEndsAtItsZeroByte) {
    using namespace std::string_view_literals;
    EXPECT_EQ(concatText("a\0b"sv, "c"sv).view(), "ac");
}

TEST(CompareText, OrdersByUnsignedBytes) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"abc", "abc", 0}, {"", "", 0},          {"a", "b", -1},    {"b", "a", 1},
        {"ab", "abc", -1}, {"abc", "ab", 1},     {"a", "A", 1},     {"\xb0", "a", 1},
        {"", "a", -1},     {"\x7f", "\x80", -1}, {"abd", "abc", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(compareText(c.a, c.b), c.expected);
    }
    EXPECT_EQ(compareText(Text(), ""), 0);
    EXPECT_EQ(compareText(Text(static_cast<const char*>(nullptr)), Text()), 0);
}

}  // namespace
}  // namespace hotlist

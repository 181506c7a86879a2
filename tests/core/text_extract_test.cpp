#include <gtest/gtest.h>

#include "text/text.h"

namespace hotlist {
namespace {

struct CutCase {
    const char* name;
    Text result;
    const char* expected;
};

TEST(TextExtraction, CutsBytesAndClipsCounts) {
    const Text abc = "abc";
    const CutCase cases[] = {
        {"left", textLeft(abc, 2), "ab"},
        {"left beyond the length", textLeft(abc, 9), "abc"},
        {"left of 0", textLeft(abc, 0), ""},
        {"left negative", textLeft(abc, -1), ""},
        {"left cuts a double-byte character", textLeft("\xb0\xa1", 1), "\xb0"},
        {"right", textRight(abc, 2), "bc"},
        {"right beyond the length", textRight(abc, 9), "abc"},
        {"right of 0", textRight(abc, 0), ""},
        {"right negative", textRight(abc, -3), ""},
        {"mid", textMid(abc, 2, 1), "b"},
        {"mid cut at the end", textMid(abc, 2, 99), "bc"},
        {"mid from the last byte", textMid(abc, 3, 1), "c"},
        {"mid start 0 is empty", textMid(abc, 0, 2), ""},
        {"mid negative start is empty", textMid(abc, -1, 5), ""},
        {"mid start beyond the length", textMid(abc, 4, 1), ""},
        {"mid of no bytes", textMid(abc, 1, 0), ""},
        {"mid with the largest count", textMid(abc, 2, 2147483647), "bc"},
        {"left of the empty text", textLeft(Text(), 3), ""},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result.view(), c.expected);
    }
    EXPECT_EQ(textLength(abc), 3);
    EXPECT_EQ(textLength(Text()), 0);
}

TEST(CharCode, GivesTheByteAsASignedValue) {
    struct Case {
        const char* text;
        int position;
        int expected;
    };
    const Case cases[] = {
        {"=", 1, 61}, {"\xb0\xa1", 1, -80}, {"\xff", 1, -1}, {"\x80", 1, -128}, {"ab", 2, 98},
        {"", 1, 0},   {"ab", 3, 0},         {"ab", 0, 0},    {"ab", -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(charCode(c.text, c.position), c.expected);
    }
    EXPECT_EQ(charCode("x"), 120);
}

TEST(CharFromCode, KeepsTheLowEightBits) {
    EXPECT_EQ(charFromCode(32).view(), " ");
    EXPECT_EQ(charFromCode(0xB0).view(), "\xb0");
    EXPECT_EQ(charFromCode(-80).view(), "\xb0");
    EXPECT_EQ(charFromCode(0x141).view(), "A");
    EXPECT_TRUE(charFromCode(0).empty());
    EXPECT_TRUE(charFromCode(256).empty());
}

TEST(BlankText, MakesSpaces) {
    EXPECT_EQ(blankText(3).view(), "   ");
    EXPECT_EQ(blankText(255).length(), 255);
    EXPECT_TRUE(blankText(0).empty());
    EXPECT_TRUE(blankText(-4).empty());
}

}  // namespace
}  // namespace hotlist

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "text/text.h"

namespace hotlist {
namespace {

using namespace std::string_view_literals;

TEST(BytesMid, ClipsStartAndCountUnlikeTextMid) {
    const Bytes data("a\0bcd"sv);
    struct Case {
        const char* name;
        int start;
        int n;
        std::string_view expected;
    };
    const Case cases[] = {
        {"middle", 2, 2, "\0b"sv},
        {"start 0 counts as 1", 0, 2, "a\0"sv},
        {"negative start counts as 1", -5, 1, "a"sv},
        {"cut at the end", 4, 10, "cd"sv},
        {"start beyond the last byte", 6, 1, ""sv},
        {"negative count", 1, -2, ""sv},
        {"largest count", 3, 2147483647, "bcd"sv},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bytesMid(data, c.start, c.n).view(), c.expected);
    }
    EXPECT_TRUE(bytesMid(Bytes(), 1, 1).empty());
}

TEST(ConcatBytes, JoinsOperandsWithTheirZeroBytes) {
    const Bytes a("a\0"sv);
    const Bytes empty;
    const Bytes b("\0b"sv);
    EXPECT_EQ(concatBytes({&a, &empty, &b}).view(), "a\0\0b"sv);
    EXPECT_TRUE(concatBytes({&empty, &empty}).empty());
    EXPECT_EQ(concatBytes({&a, nullptr}).view(), "a\0"sv);
}

TEST(BlankBytes, MakesZeroBytes) {
    EXPECT_EQ(blankBytes(3).view(), "\0\0\0"sv);
    EXPECT_EQ(bytesLength(blankBytes(3)), 3);
    EXPECT_TRUE(blankBytes(0).empty());
    EXPECT_TRUE(blankBytes(-1).empty());
}

TEST(BytesFromPointer, CopiesTheBytesAtTheAddress) {
    std::uint8_t storage[] = {0x00, 0x41, 0xB0};
    Bytes copy = bytesFromPointer(storage, 3);
    storage[1] = 0x42;
    EXPECT_EQ(copy.view(), "\0A\xb0"sv);
    EXPECT_TRUE(bytesFromPointer(storage, 0).empty());
    EXPECT_TRUE(bytesFromPointer(nullptr, 4).empty());
}

TEST(CompareBytes, EqualOnlyWithTheSameLengthAndBytes) {
    EXPECT_TRUE(compareBytes(Bytes("a\0b"sv), Bytes("a\0b"sv)));
    EXPECT_FALSE(compareBytes(Bytes("a\0b"sv), Bytes("a\0c"sv)));
    EXPECT_FALSE(compareBytes(Bytes("a"sv), Bytes("a\0"sv)));
    EXPECT_TRUE(compareBytes(Bytes(), Bytes(""sv)));
    EXPECT_FALSE(compareBytes(Bytes(), Bytes("\0"sv)));
}

TEST(IntegerOperations, ShiftAndMask32BitValues) {
    struct Case {
        const char* name;
        std::int32_t result;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"left", shiftLeft(1, 4), 16},
        {"left into the sign bit", shiftLeft(1, 31), std::int32_t{-2147483647 - 1}},
        {"left drops high bits", shiftLeft(0x40000001, 2), 4},
        {"left of a negative value", shiftLeft(-1, 8), -256},
        {"left by 32 or more", shiftLeft(7, 32), 0},
        {"left by 0", shiftLeft(7, 0), 7},
        {"right", shiftRight(256, 4), 16},
        {"right copies the sign bit", shiftRight(-256, 4), -16},
        {"right of -1", shiftRight(-1, 31), -1},
        {"right by 32 or more of a negative value", shiftRight(-5, 40), -1},
        {"right by 32 or more of a positive value", shiftRight(5, 40), 0},
        {"and", bitAnd(0x0F0F, 0x00FF), 0x000F},
        {"and with -1", bitAnd(-1, 0x1234), 0x1234},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, c.expected);
    }
}

TEST(Remainder, KeepsTheSignOfTheDividend) {
    EXPECT_DOUBLE_EQ(remainder(7.0, 3.0), 1.0);
    EXPECT_DOUBLE_EQ(remainder(-7.0, 3.0), -1.0);
    EXPECT_DOUBLE_EQ(remainder(7.0, -3.0), 1.0);
    EXPECT_DOUBLE_EQ(remainder(6.0, 3.0), 0.0);
    EXPECT_DOUBLE_EQ(remainder(5.5, 3.0), 2.5);
}

}  // namespace
}  // namespace hotlist

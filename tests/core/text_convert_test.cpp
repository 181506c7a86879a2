#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "text/text.h"

namespace hotlist {
namespace {

using namespace std::string_view_literals;

TEST(NumberToText, WritesWholeNumbersAsPlainDigits) {
    EXPECT_EQ(numberToText(1.0).view(), "1");
    EXPECT_EQ(numberToText(2.0).view(), "2");
    EXPECT_EQ(numberToText(12.0).view(), "12");
    EXPECT_EQ(numberToText(0.0).view(), "0");
    EXPECT_EQ(numberToText(-7.0).view(), "-7");
    EXPECT_EQ(numberToText(9999999999999.0).view(), "9999999999999");
    EXPECT_EQ(numberToText(1e13).view(), "1e+13");
    EXPECT_EQ(numberToText(0.5).view(), "0.5");
    EXPECT_EQ(numberToText(0.0001).view(), "0.0001");
    EXPECT_EQ(numberToText(0.00001).view(), "1e-05");
}

TEST(NumberToText, MatchesTheCFormatWithThirteenDigits) {
    const double values[] = {1.0,
                             12.0,
                             -0.0,
                             0.1,
                             1.0 / 3.0,
                             -2.0 / 3.0,
                             123456789012.5,
                             1234567890123.4,
                             12345678901234.0,
                             1e100,
                             -1e-100,
                             5e-324,
                             std::numeric_limits<double>::max(),
                             0.00012345678901234,
                             99999.99999999999,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (double value : values) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.13g", value);
        EXPECT_EQ(numberToText(value).view(), expected) << "for " << expected;
    }
}

TEST(NumberToText, IgnoresTheProcessLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool changed = false;
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "German_Germany.1252"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            changed = true;
            break;
        }
    }
    const std::string written(numberToText(1.5).view());
    std::setlocale(LC_NUMERIC, previous.c_str());
    if (!changed) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(written, "1.5");
}

TEST(TextAndBytes, ConvertUpToTheFirstZeroByte) {
    EXPECT_EQ(bytesToText(Bytes("a\0b"sv)).view(), "a");
    EXPECT_EQ(bytesToText(Bytes("\0ab"sv)).view(), "");
    EXPECT_EQ(bytesToText(Bytes("\xb0\xa1"sv)).view(), "\xb0\xa1");
    EXPECT_TRUE(bytesToText(Bytes()).empty());
    EXPECT_EQ(textToBytes("\xb0\xa1x").view(), "\xb0\xa1x"sv);
    EXPECT_EQ(bytesLength(textToBytes("abc")), 3);
    EXPECT_TRUE(textToBytes("").empty());
    EXPECT_TRUE(textToBytes(Text()).empty());
}

TEST(TruncateToInteger, TruncatesTowardZero) {
    struct Case {
        double value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {16.0 / 3.0, 5},
        {-16.0 / 3.0, -5},
        {0.999, 0},
        {-0.999, 0},
        {2147483647.9, 2147483647},
        {-2147483648.9, std::numeric_limits<std::int32_t>::min()},
        {1e20, std::numeric_limits<std::int32_t>::max()},
        {-1e20, std::numeric_limits<std::int32_t>::min()},
        {std::numeric_limits<double>::infinity(), std::numeric_limits<std::int32_t>::max()},
        {std::nan(""), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(truncateToInteger(c.value), c.expected);
    }
}

TEST(ToByte, KeepsTheLowEightBits) {
    EXPECT_EQ(toByte(0x41), 0x41);
    EXPECT_EQ(toByte(0x1FF), 0xFF);
    EXPECT_EQ(toByte(-1), 0xFF);
    EXPECT_EQ(toByte(-80), 0xB0);
    EXPECT_EQ(toByte(256), 0);
}

}  // namespace
}  // namespace hotlist

#include "base/win32_code_page_converter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "text/code_page_conversion.h"

namespace hotlist {
namespace {

Bytes bytes(const std::string& raw) {
    return Bytes(std::string_view(raw));
}

class Win32CodePages : public testing::Test {
  protected:
    Win32CodePageConverter converter_;
};

TEST_F(Win32CodePages, Utf8PageTextBecomesCodePage936) {
    struct Case {
        const char* name;
        std::string utf8;
        std::string local;
    };
    const Case cases[] = {
        {"chinese", "\xe4\xb8\xad", "\xd6\xd0"},
        {"ascii", "<td>abc 123</td>", "<td>abc 123</td>"},
        {"empty", "", ""},
        {"mixed", "a\xe4\xb8\xad\xe6\x96\x87z", "a\xd6\xd0\xce\xc4z"},
        {"full-width colon", "\xef\xbc\x9a", "\xa3\xba"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8ToLocal(converter_, Text(c.utf8)).view(), c.local) << c.name;
    }
}

TEST_F(Win32CodePages, WideTextKeepsItsTerminatorAndLosesItOnTheWayBack) {
    EXPECT_EQ(multiByteToWide(converter_, bytes("\xe4\xb8\xad"), kCodePageUtf8),
              bytes(std::string("\x2d\x4e\x00\x00", 4)));
    EXPECT_EQ(wideToMultiByte(converter_, bytes(std::string("\x2d\x4e\x00\x00", 4)), kCodePageGbk),
              bytes("\xd6\xd0"));
    EXPECT_TRUE(multiByteToWide(converter_, Bytes(), kCodePageUtf8).empty());
    EXPECT_TRUE(multiByteToWide(converter_, bytes(std::string("\0a", 2)), kCodePageUtf8).empty());
    EXPECT_TRUE(wideToMultiByte(converter_, Bytes(), kCodePageGbk).empty());
}

TEST_F(Win32CodePages, ConversionStopsAtAZeroUnitOrByte) {
    const std::string wide("a\0b\0\0\0c\0", 8);
    EXPECT_EQ(wideToMultiByte(converter_, bytes(wide), kCodePageGbk), bytes("ab"));
    EXPECT_EQ(multiByteToWide(converter_, bytes(std::string("x\0y", 3)), kCodePageUtf8),
              bytes(std::string("x\0\0\0", 4)));
}

// Flags 0: what the code page cannot hold becomes a replacement, and the rest still converts.
TEST_F(Win32CodePages, UnconvertibleInputIsReplacedNotDropped) {
    const std::string fire = "\xf0\x9f\x94\xa5";  // U+1F525, no code page 936 form
    const std::string converted(utf8ToLocal(converter_, Text("a" + fire + "b")).view());
    ASSERT_GE(converted.size(), 3U);
    EXPECT_EQ(converted.front(), 'a');
    EXPECT_EQ(converted.back(), 'b');
    EXPECT_EQ(converted.substr(1, converted.size() - 2).find_first_not_of('?'), std::string::npos)
        << converted;

    const std::string malformed(utf8ToLocal(converter_, Text("x\xff\xfey")).view());
    ASSERT_GE(malformed.size(), 3U);
    EXPECT_EQ(malformed.front(), 'x');
    EXPECT_EQ(malformed.back(), 'y');
}

TEST_F(Win32CodePages, AnsiCodePageIsTheLocalOne) {
    ASSERT_EQ(GetACP(), 936U) << "the tests expect the ANSI code page 936 (zh_CN locale)";
    const Bytes wide = textToWide(converter_, Text("\xe4\xb8\xad"));
    EXPECT_EQ(wideToText(converter_, wide).view(), "\xd6\xd0");
    EXPECT_EQ(wideToLocal(converter_, wide).view(), "\xd6\xd0");
}

TEST_F(Win32CodePages, SizeQueryCountsTheTerminator) {
    EXPECT_EQ(converter_.MultiByteToWideChar(kCodePageGbk, "\xd6\xd0z", nullptr, 0), 3);
    EXPECT_EQ(converter_.WideCharToMultiByte(kCodePageGbk, u"\x4e2d", nullptr, 0), 3);
    char16_t small[1];
    EXPECT_EQ(converter_.MultiByteToWideChar(kCodePageGbk, "ab", small, 1), 0)
        << "a buffer too small fails the call";
}

}  // namespace
}  // namespace hotlist

#include "text/iconv_code_page_converter.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "text/code_page_conversion.h"
#include "text/text.h"

namespace hotlist {
namespace {

using namespace std::string_view_literals;

// Both calls of the platform pattern: the size, then a buffer of exactly that size.
std::u16string toWide(CodePageConverter& converter, unsigned codePage, const std::string& bytes) {
    const int units = converter.MultiByteToWideChar(codePage, bytes.c_str(), nullptr, 0);
    if (units <= 0) {
        return u"<refused>";
    }
    std::u16string wide(static_cast<std::size_t>(units), u'x');
    EXPECT_EQ(converter.MultiByteToWideChar(codePage, bytes.c_str(), wide.data(), units), units);
    EXPECT_EQ(wide.back(), u'\0');
    wide.pop_back();
    return wide;
}

std::string toMultiByte(CodePageConverter& converter, unsigned codePage,
                        const std::u16string& wide) {
    const int size = converter.WideCharToMultiByte(codePage, wide.c_str(), nullptr, 0);
    if (size <= 0) {
        return "<refused>";
    }
    std::string bytes(static_cast<std::size_t>(size), 'x');
    EXPECT_EQ(converter.WideCharToMultiByte(codePage, wide.c_str(), bytes.data(), size), size);
    EXPECT_EQ(bytes.back(), '\0');
    bytes.pop_back();
    return bytes;
}

class IconvConverterTest : public testing::Test {
  protected:
    IconvCodePageConverter converter;
};

TEST_F(IconvConverterTest, ChainConvertsUtf8PagesToCodePage936) {
    struct Case {
        const char* name;
        std::string_view utf8;
        std::string_view local;
    };
    const Case cases[] = {
        {"one Chinese character", "\xE4\xB8\xAD", "\xD6\xD0"},
        {"ASCII unchanged", "<a href=\"/x?a=1&b=2\">T</a>\r\n\t~",
         "<a href=\"/x?a=1&b=2\">T</a>\r\n\t~"},
        {"empty", "", ""},
        {"mixed markup", "<td>\xE4\xB8\xAD\xE6\x96\x87</td>", "<td>\xD6\xD0\xCE\xC4</td>"},
        {"character outside code page 936", "a\xE0\xB8\x81z", "a?z"},
        {"emoji is a surrogate pair", "a\xF0\x9F\x98\x80z", "a??z"},
        {"malformed UTF-8", "a\xE4\xB8z", "a?z"},
        {"euro sign is the single byte 0x80", "\xE2\x82\xAC", "\x80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8ToLocal(converter, Text(c.utf8)).view(), c.local) << c.name;
    }
}

TEST_F(IconvConverterTest, ChainStepsKeepTheTerminatorOnlyOnTheWideSide) {
    EXPECT_EQ(multiByteToWide(converter, Bytes("\xE4\xB8\xAD"sv), kCodePageUtf8).view(),
              "\x2D\x4E\x00\x00"sv);
    EXPECT_EQ(wideToMultiByte(converter, Bytes("\x2D\x4E\x00\x00"sv), kCodePageGbk).view(),
              "\xD6\xD0"sv);
    EXPECT_EQ(wideToMultiByte(converter, Bytes("\x2D\x4E\x00\x00\x2D\x4E"sv), kCodePageGbk).view(),
              "\xD6\xD0"sv);
    EXPECT_EQ(wideToText(converter, textToWide(converter, "\xD6\xD0", kCodePageGbk), kCodePageUtf8),
              Text("\xE4\xB8\xAD"));
}

TEST_F(IconvConverterTest, MalformedUtf8BecomesOneReplacementPerMaximalSubpart) {
    struct Case {
        const char* name;
        std::string utf8;
        std::u16string wide;
    };
    const Case cases[] = {
        {"truncated three-byte then ASCII",
         "\xE4\xB8"
         "A",
         u"\uFFFDA"},
        {"truncated at the end", "a\xF0\x9F\x98", u"a\uFFFD"},
        {"overlong four-byte", "\xF0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"overlong three-byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        {"overlong two-byte", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"lone continuation bytes", "\x80\xBF", u"\uFFFD\uFFFD"},
        {"bytes never used", "\xF5\xFE\xFF", u"\uFFFD\uFFFD\uFFFD"},
        {"lead interrupted by a lead", "\xE4\xE4\xB8\xAD", u"\uFFFD\u4E2D"},
        {"valid two, three and four bytes", "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80",
         u"\u00E9\u4E2D\U0001F600"},
        {"largest and smallest edges", "\xF4\x8F\xBF\xBF\xEF\xBF\xBF\xC2\x80",
         u"\U0010FFFF\uFFFF\u0080"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toWide(converter, kCodePageUtf8, c.utf8), c.wide) << c.name;
    }
}

TEST_F(IconvConverterTest, Utf16ToUtf8ReplacesLoneSurrogates) {
    EXPECT_EQ(toMultiByte(converter, kCodePageUtf8, u"a\u4E2D\U0001F600"),
              "a\xE4\xB8\xAD\xF0\x9F\x98\x80");
    EXPECT_EQ(toMultiByte(converter, kCodePageUtf8, u"\xD83Dz\xDE00"), "\xEF\xBF\xBDz\xEF\xBF\xBD");
}

TEST_F(IconvConverterTest, UserDefinedAreasMapToPrivateUseBothWays) {
    struct Case {
        std::string gbk;
        char16_t unit;
    };
    const Case cases[] = {
        {"\xAA\xA1", 0xE000}, {"\xAF\xFE", 0xE233}, {"\xF8\xA1", 0xE234},
        {"\xFE\xFE", 0xE4C5}, {"\xA1\x40", 0xE4C6}, {"\xA1\x7E", 0xE504},
        {"\xA1\x80", 0xE505}, {"\xA1\xA0", 0xE525}, {"\xA7\xA0", 0xE765},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toWide(converter, kCodePageGbk, c.gbk), std::u16string(1, c.unit))
            << std::hex << static_cast<int>(c.unit);
        EXPECT_EQ(toMultiByte(converter, kCodePageGbk, std::u16string(1, c.unit)), c.gbk)
            << std::hex << static_cast<int>(c.unit);
    }
}

TEST_F(IconvConverterTest, EveryDecodableDoubleByteCodeComesBackUnchanged) {
    int decodable = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const std::string pair = {static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string wide = toWide(converter, kCodePageGbk, pair);
            if (wide == u"?" || trail == 0x7F) {
                continue;
            }
            ++decodable;
            ASSERT_EQ(wide.size(), 1u) << std::hex << lead << ' ' << trail;
            EXPECT_EQ(toMultiByte(converter, kCodePageGbk, wide), pair)
                << std::hex << lead << ' ' << trail;
        }
    }
    // The standard set plus the 1894 user-defined codes.
    EXPECT_GT(decodable, 23000);
}

TEST_F(IconvConverterTest, InvalidCodePage936InputIsReplacedWithoutLosingWhatFollows) {
    struct Case {
        const char* name;
        std::string gbk;
        std::u16string wide;
    };
    const Case cases[] = {
        {"lead byte before ASCII",
         "\x81"
         "0a",
         u"?0a"},
        {"lead byte before DEL", "\x81\x7F", u"?\x7F"},
        {"unassigned pair",
         "\xA2\xAB"
         "b",
         u"?b"},
        {"lone lead byte at the end", "a\xD6", u"a?"},
        {"byte 0xFF",
         "\xFF"
         "c",
         u"?c"},
        {"euro byte", "\x80", u"\u20AC"},
        {"valid around invalid", "\xD6\xD0\xFF\xCE\xC4", u"\u4E2D?\u6587"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toWide(converter, kCodePageGbk, c.gbk), c.wide) << c.name;
    }
}

TEST_F(IconvConverterTest, UnrepresentableUnitsBecomeOneQuestionMarkEach) {
    struct Case {
        const char* name;
        std::u16string wide;
        std::string gbk;
    };
    const Case cases[] = {
        {"Thai letter", u"a\u0E01b", "a?b"},
        {"emoji", u"\U0001F600", "??"},
        {"lone high surrogate",
         u"\xD83D"
         "a",
         "?a"},
        {"lone low surrogate", u"a\xDE00", "a?"},
        {"euro sign", u"\u20AC", "\x80"},
        {"Chinese and ASCII", u"\u4E2D\u6587 ok", "\xD6\xD0\xCE\xC4 ok"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toMultiByte(converter, kCodePageGbk, c.wide), c.gbk) << c.name;
    }
}

TEST_F(IconvConverterTest, AnsiCodePageIs936AndOthersAreRefused) {
    EXPECT_EQ(toWide(converter, kCodePageAnsi, "\xD6\xD0\xAA\xA1"), u"\u4E2D\uE000");
    EXPECT_EQ(toMultiByte(converter, kCodePageAnsi, u"\u4E2D\uE000"), "\xD6\xD0\xAA\xA1");
    for (const unsigned codePage : {1u, 437u, 1252u, 950u, 65000u}) {
        EXPECT_EQ(converter.MultiByteToWideChar(codePage, "a", nullptr, 0), 0) << codePage;
        EXPECT_EQ(converter.WideCharToMultiByte(codePage, u"a", nullptr, 0), 0) << codePage;
    }
}

TEST_F(IconvConverterTest, BuffersFollowThePlatformSizeRules) {
    char16_t wide[4] = {u'x', u'x', u'x', u'x'};
    char bytes[4] = {'x', 'x', 'x', 'x'};
    for (const unsigned codePage : {kCodePageUtf8, kCodePageGbk}) {
        EXPECT_EQ(converter.MultiByteToWideChar(codePage, "ab", nullptr, 0), 3);
        EXPECT_EQ(converter.MultiByteToWideChar(codePage, "ab", wide, 0), 3) << "size 0 asks";
        EXPECT_EQ(converter.MultiByteToWideChar(codePage, "ab", wide, 2), 0) << "too small";
        EXPECT_EQ(converter.MultiByteToWideChar(codePage, "ab", nullptr, 3), 0) << "no buffer";
        EXPECT_EQ(converter.MultiByteToWideChar(codePage, "ab", wide, 4), 3);
        EXPECT_EQ(std::u16string_view(wide, 4), std::u16string_view(u"ab\0x", 4));
        EXPECT_EQ(converter.MultiByteToWideChar(codePage, "", wide, 4), 1) << "terminator only";

        EXPECT_EQ(converter.WideCharToMultiByte(codePage, u"\u4E2D", nullptr, 0),
                  codePage == kCodePageUtf8 ? 4 : 3);
        EXPECT_EQ(converter.WideCharToMultiByte(codePage, u"\u4E2D", bytes, 2), 0);
        EXPECT_EQ(converter.WideCharToMultiByte(codePage, u"ab", bytes, 4), 3);
        EXPECT_EQ(std::string_view(bytes, 4), std::string_view("ab\0x", 4));
        EXPECT_EQ(converter.WideCharToMultiByte(codePage, u"", bytes, 4), 1);
        EXPECT_EQ(converter.MultiByteToWideChar(codePage, nullptr, nullptr, 0), 0);
        EXPECT_EQ(converter.WideCharToMultiByte(codePage, nullptr, nullptr, 0), 0);
    }
}

}  // namespace
}  // namespace hotlist

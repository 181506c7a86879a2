#include "base/vbscript_regexp.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <filesystem>
#include <string>

#include "app/constants.h"
#include "base/win32_code_page_converter.h"
#include "com_session.h"
#include "file_bytes.h"
#include "regex_dialect_cases.h"
#include "text/code_page_conversion.h"
#include "text/regex_object.h"

namespace hotlist {
namespace {

class VbscriptDialect : public ComTest,
                        public testing::WithParamInterface<regex_dialect::DialectCase> {};

TEST_P(VbscriptDialect, FollowsTheScriptingDialect) {
    const regex_dialect::DialectCase& c = GetParam();
    if (c.engines == regex_dialect::Engines::withBacktrackingGuard) {
        GTEST_SKIP() << "the scripting engine has no backtracking guard";
    }
    if (c.engines == regex_dialect::Engines::exceptWine && runningUnderWine()) {
        GTEST_SKIP() << "Wine's RegExp departs from Windows' engine in this case";
    }
    VbscriptRegExpFactory factory;
    regex_dialect::expectDialectCase(factory, com_, c);
}

// Test names from the case names: letters and digits only.
std::string caseName(const testing::TestParamInfo<regex_dialect::DialectCase>& info) {
    std::string name;
    bool upper = true;
    for (const char* p = info.param.name; *p != '\0'; ++p) {
        if (std::isalnum(static_cast<unsigned char>(*p)) != 0) {
            name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*p))) : *p;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Table, VbscriptDialect, testing::ValuesIn(regex_dialect::dialectCases()),
                         caseName);

// A fixture page as the collection run sees it: UTF-8 converted to code page 936.
Text fixturePage(const char* name) {
    const std::string utf8 = fileBytes(std::filesystem::path(HOTLIST_FIXTURE_DIR) / name);
    EXPECT_FALSE(utf8.empty()) << name;
    Win32CodePageConverter converter;
    return utf8ToLocal(converter, Text(utf8));
}

class VbscriptRegexObject : public ComTest {
  protected:
    VbscriptRegExpFactory factory_;
    RegexObject regex_{factory_, com_};
};

TEST_F(VbscriptRegexObject, ExtractsEveryArticleOfTheHotListPage) {
    ASSERT_EQ(GetACP(), 936U) << "the tests expect the ANSI code page 936 (zh_CN locale)";
    ASSERT_TRUE(regex_.create(kExtractionPattern, fixturePage("hotlist_30.html")));
    EXPECT_EQ(regex_.matchCount(), 30);
    EXPECT_EQ(regex_.subMatchCount(), 3);
    EXPECT_EQ(regex_.subMatchText(1, 1), "/n/a01x037");
    // "深夜食堂：一碗面的温度" and "10万+".
    EXPECT_EQ(regex_.subMatchText(1, 2),
              "\xc9\xee\xd2\xb9\xca\xb3\xcc\xc3\xa3\xba\xd2\xbb\xcd\xeb\xc3\xe6\xb5\xc4\xce\xc2"
              "\xb6\xc8");
    EXPECT_EQ(regex_.subMatchText(1, 3), "10\xcd\xf2+");
    EXPECT_EQ(regex_.subMatchText(5, 1), "/n/a05x185") << "upper-case tags";
    EXPECT_EQ(regex_.subMatchText(7, 1), "") << "empty href";
    EXPECT_EQ(regex_.subMatchText(30, 1), "/n/a30x110");
    // "写给三十岁的自己".
    EXPECT_EQ(regex_.subMatchText(30, 2),
              "\xd0\xb4\xb8\xf8\xc8\xfd\xca\xae\xcb\xea\xb5\xc4\xd7\xd4\xbc\xba");
}

TEST_F(VbscriptRegexObject, PageWithoutEntriesGivesAnEmptyCollection) {
    EXPECT_TRUE(regex_.create(kExtractionPattern, fixturePage("hotlist_empty.html")));
    EXPECT_EQ(regex_.matchCount(), 0);
    EXPECT_EQ(regex_.subMatchCount(), 0);
    EXPECT_TRUE(regex_.create(kExtractionPattern, ""));
    EXPECT_EQ(regex_.matchCount(), 0);
}

TEST_F(VbscriptRegexObject, RejectedExpressionGivesNoCollection) {
    EXPECT_FALSE(regex_.create("(unbalanced", "unbalanced"));
    EXPECT_EQ(regex_.matchCount(), 0);
    EXPECT_EQ(regex_.matchText(1), "");
}

TEST_F(VbscriptRegexObject, OutOfRangeNumbersGiveEmptyText) {
    ASSERT_TRUE(regex_.create("(\\d)(\\d)", "12 34"));
    EXPECT_EQ(regex_.matchText(0), "");
    EXPECT_EQ(regex_.matchText(3), "");
    EXPECT_EQ(regex_.matchText(2), "34");
    EXPECT_EQ(regex_.subMatchText(1, 3), "");
    EXPECT_EQ(regex_.subMatchText(3, 1), "");
}

TEST_F(VbscriptRegexObject, QuoteMarkerBecomesADoubleQuote) {
    // "#引号" in code page 936.
    ASSERT_TRUE(
        regex_.create("href=#\xd2\xfd\xba\xc5(\\w+)", "<a href=\"x1\">", false, true, true, true));
    EXPECT_EQ(regex_.pattern(), "href=\"(\\w+)");
    EXPECT_EQ(regex_.subMatchText(1, 1), "x1");
}

}  // namespace
}  // namespace hotlist

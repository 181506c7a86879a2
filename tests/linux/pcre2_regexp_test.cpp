#include "text/pcre2_regexp.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/constants.h"
#include "counting_com_library.h"
#include "file_bytes.h"
#include "regex_dialect_cases.h"
#include "text/code_page_conversion.h"
#include "text/iconv_code_page_converter.h"
#include "text/regex_object.h"

namespace hotlist {
namespace {

// Readers figures of the fixture pages in code page 936: "10万+", "9.8万", "8万", "7654",
// "5万+", "4321".
const std::vector<std::string> kReaders = {"10\xcd\xf2+", "9.8\xcd\xf2", "8\xcd\xf2",
                                           "7654",        "5\xcd\xf2+",  "4321"};

class Pcre2RegExpTest : public ::testing::Test {
  protected:
    // A fixture page as the collection run sees it: UTF-8 turned into code page 936.
    Text fixturePage(const char* name) {
        const std::string bytes = fileBytes(std::filesystem::path(HOTLIST_FIXTURE_DIR) / name);
        EXPECT_FALSE(bytes.empty()) << name;
        return utf8ToLocal(converter, Text(bytes));
    }

    IconvCodePageConverter converter;
    Pcre2RegExpFactory factory{converter};
    CountingComLibrary com;
};

// The way the collection run calls it.
bool extract(RegexObject& regex, const Text& page) {
    return regex.create(kExtractionPattern, page, false, false, true, true);
}

TEST_F(Pcre2RegExpTest, ExtractsEveryEntryOfTheHotListPageInOrder) {
    const Text page = fixturePage("hotlist_30.html");
    RegexObject regex(factory, com);
    ASSERT_TRUE(extract(regex, page));
    ASSERT_EQ(regex.matchCount(), 30);
    EXPECT_EQ(regex.subMatchCount(), 3);
    for (int entry = 1; entry <= 30; ++entry) {
        SCOPED_TRACE(entry);
        char link[16];
        std::snprintf(link, sizeof link, "/n/a%02dx%03d", entry, entry * 37 % 1000);
        EXPECT_EQ(regex.subMatchText(entry, 1), entry == 7 ? Text() : Text(link));
        const Text title = regex.subMatchText(entry, 2);
        EXPECT_FALSE(title.empty());
        EXPECT_EQ(title.view().find('<'), std::string_view::npos);
        EXPECT_EQ(regex.subMatchText(entry, 3), Text(kReaders[(entry - 1) % kReaders.size()]));
    }
    // "深夜食堂：一碗面的温度" and "写给三十岁的自己".
    EXPECT_EQ(regex.subMatchText(1, 2),
              Text("\xc9\xee\xd2\xb9\xca\xb3\xcc\xc3\xa3\xba\xd2\xbb\xcd\xeb\xc3\xe6\xb5\xc4"
                   "\xce\xc2\xb6\xc8"));
    EXPECT_EQ(regex.subMatchText(30, 2),
              Text("\xd0\xb4\xb8\xf8\xc8\xfd\xca\xae\xcb\xea\xb5\xc4\xd7\xd4\xbc\xba"));
    EXPECT_EQ(regex.subMatchText(31, 1), Text());
    EXPECT_EQ(regex.subMatchText(1, 4), Text());
}

TEST_F(Pcre2RegExpTest, TitleOutsideTheCodePageKeepsTheConvertersStandIn) {
    RegexObject regex(factory, com);
    ASSERT_TRUE(extract(regex, fixturePage("hotlist_30.html")));
    // "今日热点", the stand-in for U+1F525, then "全网刷屏".
    const std::string title(regex.subMatchText(18, 2).view());
    const std::string before = "\xbd\xf1\xc8\xd5\xc8\xc8\xb5\xe3";
    const std::string after = "\xc8\xab\xcd\xf8\xcb\xa2\xc6\xc1";
    ASSERT_GT(title.size(), before.size() + after.size());
    EXPECT_EQ(title.substr(0, before.size()), before);
    EXPECT_EQ(title.substr(title.size() - after.size()), after);
    const std::string standIn =
        title.substr(before.size(), title.size() - before.size() - after.size());
    EXPECT_EQ(standIn.find_first_not_of('?'), std::string::npos) << standIn;
}

TEST_F(Pcre2RegExpTest, OtherPagesYieldTheirOwnEntries) {
    struct Case {
        const char* page;
        int count;
        std::string firstLink;
        std::string firstTitle;
    };
    const std::vector<Case> cases = {
        // "热词：围炉煮茶" and "视频：航拍雪后故宫".
        {"hotlist_words.html", 4, "/n/w01",
         "\xc8\xc8\xb4\xca\xa3\xba\xce\xa7\xc2\xaf\xd6\xf3\xb2\xe8"},
        {"hotlist_videos.html", 3, "/n/v01",
         "\xca\xd3\xc6\xb5\xa3\xba\xba\xbd\xc5\xc4\xd1\xa9\xba\xf3\xb9\xca\xb9\xac"},
        {"hotlist_empty.html", 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        RegexObject regex(factory, com);
        EXPECT_TRUE(extract(regex, fixturePage(c.page)));
        EXPECT_EQ(regex.matchCount(), c.count);
        EXPECT_EQ(regex.subMatchCount(), c.count > 0 ? 3 : 0);
        EXPECT_EQ(regex.subMatchText(1, 1), Text(c.firstLink));
        EXPECT_EQ(regex.subMatchText(1, 2), Text(c.firstTitle));
    }
}

TEST_F(Pcre2RegExpTest, MatchTextCarriesTheSubjectBackByteForByte) {
    const Text page = fixturePage("hotlist_30.html");
    RegexObject regex(factory, com);
    ASSERT_TRUE(regex.create(R"([\s\S]+)", page));
    EXPECT_EQ(regex.matchText(1), page);
    EXPECT_EQ(regex.matchText(0), Text());
    EXPECT_EQ(regex.matchText(2), Text());
}

TEST_F(Pcre2RegExpTest, CreateReportsRejectedPatternsAndAcceptsEmptySubjects) {
    struct Case {
        const char* pattern;
        const char* subject;
        bool created;
        int count;
    };
    const std::vector<Case> cases = {
        {"(ab", "ab", false, 0}, {"ab)", "ab", false, 0},           {"[a", "a", false, 0},
        {"a**", "a", false, 0},  {kExtractionPattern, "", true, 0}, {"a*", "", true, 1},
        {"x", "abc", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        RegexObject regex(factory, com);
        EXPECT_EQ(regex.create(c.pattern, c.subject), c.created);
        EXPECT_EQ(regex.matchCount(), c.count);
        if (!c.created) {
            EXPECT_EQ(regex.replace("r"), Text());
        }
        EXPECT_EQ(regex.pattern(), Text(c.pattern));
    }
}

TEST_F(Pcre2RegExpTest, QuoteMarkerReachesTheEngineAsADoubleQuoteOnlyWhenAsked) {
    // "#引号".
    const std::string marker = "#\xd2\xfd\xba\xc5";
    const Text pattern("href=" + marker + "([^" + marker + "]*)" + marker);
    const Text quoted(R"(<a href="/n/x1">)");
    const Text literal("href=" + marker + "/n/x1" + marker);
    struct Case {
        bool replaceMarker;
        Text subject;
        int count;
    };
    const std::vector<Case> cases = {
        {true, quoted, 1}, {true, literal, 0}, {false, quoted, 0}, {false, literal, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.subject.view()) + (c.replaceMarker ? " replaced" : " as is"));
        RegexObject regex(factory, com);
        ASSERT_TRUE(regex.create(pattern, c.subject, false, true, true, c.replaceMarker));
        EXPECT_EQ(regex.matchCount(), c.count);
        if (c.count == 1) {
            EXPECT_EQ(regex.subMatchText(1, 1), Text("/n/x1"));
        }
    }
}

TEST_F(Pcre2RegExpTest, PatternIsEmptyBeforeCreateAndTheWrittenExpressionAfter) {
    RegexObject regex(factory, com);
    EXPECT_EQ(regex.pattern(), Text());
    regex.create("a#\xd2\xfd\xba\xc5", "s", false, true, true, true);
    EXPECT_EQ(regex.pattern(), Text("a\""));
    regex.create("b+", "s");
    EXPECT_EQ(regex.pattern(), Text("b+"));
}

TEST_F(Pcre2RegExpTest, RegexObjectBalancesComAcrossNestedInstances) {
    {
        RegexObject outer(factory, com);
        ASSERT_TRUE(outer.create("a", "aa"));
        {
            RegexObject inner(factory, com);
            ASSERT_TRUE(inner.create("b", "b"));
            EXPECT_EQ(com.initializeCount, 2);
        }
        EXPECT_EQ(com.uninitializeCount, 1);
        EXPECT_EQ(outer.matchCount(), 2);
    }
    EXPECT_EQ(com.uninitializeCount, 2);
}

TEST_F(Pcre2RegExpTest, BacktrackingGuardLetsALongLazySpanMatch) {
    // Beyond ten million steps of [\s\S]*?, where a fixed guard would give up.
    const std::string cell = "<td>" + std::string(12'000'000, 'x') + "</td>";
    RegexObject regex(factory, com);
    ASSERT_TRUE(regex.create(R"(<td>([\s\S]*?)</td>|y)", Text(cell + "y")));
    ASSERT_EQ(regex.matchCount(), 2);
    EXPECT_EQ(regex.subMatchText(1, 1).length(), 12'000'000);
    EXPECT_EQ(regex.matchText(2), Text("y"));
}

TEST_F(Pcre2RegExpTest, FollowsTheScriptingDialect) {
    for (const regex_dialect::DialectCase& c : regex_dialect::dialectCases()) {
        regex_dialect::expectDialectCase(factory, com, c);
    }
}

}  // namespace
}  // namespace hotlist

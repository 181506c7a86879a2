#pragma once

// One table of expressions and their expected outcome, run against every platform
// regular-expression engine (the scripting RegExp object on Windows, PCRE2 on Linux) so that
// both are shown to read the system's expressions the same way. Subjects and expected texts
// are code page 936 bytes.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/constants.h"
#include "text/regex_engine.h"

namespace hotlist::regex_dialect {

struct Settings {
    bool ignoreCase = true;
    bool multiline = true;
    bool global = true;
};

struct MatchCase {
    const char* name;
    std::string pattern;
    std::string subject;
    Settings settings;
    std::vector<std::string> matches;      // every match's value, in order
    std::vector<std::string> firstGroups;  // the groups of the first match
};

struct ReplaceCase {
    const char* name;
    std::string pattern;
    std::string subject;
    std::string replacement;
    Settings settings;
    std::string expected;
};

// Test names and failure messages show a case by its name, not its bytes.
inline void PrintTo(const MatchCase& c, std::ostream* out) {
    *out << c.name;
}
inline void PrintTo(const ReplaceCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr Settings kCaseSensitive{false, true, true};
constexpr Settings kFirstOnly{true, true, false};
constexpr Settings kSingleLine{true, false, true};

// "中文" and "标题" in code page 936.
inline const std::string kChinese = "\xd6\xd0\xce\xc4";
inline const std::string kTitle = "\xb1\xea\xcc\xe2";

inline std::string articleRow(const std::string& tag, const std::string& href,
                              const std::string& title, const std::string& between,
                              const std::string& readers) {
    return "<" + tag + " class=\"al\"><a href=\"" + href +
           "\" target=\"_blank\" rel=\"noopener\" itemid=\"7\">" + title + "</a></" + tag + ">" +
           between + "<td>" + readers + "</td>";
}

inline std::vector<MatchCase> matchCases() {
    const std::string rowA = articleRow("td", "/n/a1", kTitle, "\n", "10");
    const std::string rowB = articleRow("TD", "/n/b2", kChinese, "\r\n", "9");
    return {
        {"ExtractionPatternTakesEveryRowAndItsThreeGroups",
         kExtractionPattern,
         "<table>" + rowA + "\n" + rowB + "</table>",
         {},
         {rowA, rowB},
         {"/n/a1", kTitle, "10"}},
        {"LazyQuantifierStopsAtTheFirstClose",
         "<b>([\\s\\S]*?)</b>",
         "<b>1</b><b>2</b>",
         {},
         {"<b>1</b>", "<b>2</b>"},
         {"1"}},
        {"GreedyQuantifierRunsToTheLastClose",
         "<b>([\\s\\S]*)</b>",
         "<b>1</b><b>2</b>",
         {},
         {"<b>1</b><b>2</b>"},
         {"1</b><b>2"}},
        {"AnyCharacterClassCrossesLineBreaks",
         "a[\\s\\S]b",
         "a\nb a\r\nb a\rb",
         {},
         {"a\nb", "a\rb"},
         {}},
        {"DotStopsAtLineFeed", "a.b", "a\nb axb", {}, {"axb"}, {}},
        {"IgnoreCaseFoldsAsciiLetters",
         "<td CLASS=\"AL\">",
         "<TD class=\"al\"><td Class=\"Al\">",
         {},
         {"<TD class=\"al\">", "<td Class=\"Al\">"},
         {}},
        {"CaseSensitiveKeepsLetterCase", "abc", "ABC abc aBc", kCaseSensitive, {"abc"}, {}},
        {"DoubleByteTextMatchesItself",
         "<i>(" + kChinese + ")</i>",
         "<i>" + kTitle + "</i><i>" + kChinese + "</i>",
         {},
         {"<i>" + kChinese + "</i>"},
         {kChinese}},
        {"NonGlobalStopsAfterTheFirstMatch", "\\d+", "12 34 56", kFirstOnly, {"12"}, {}},
        {"MultilineAnchorsAtEveryLine", "^\\w+$", "ab\ncd", {}, {"ab", "cd"}, {}},
        {"SingleLineAnchorsAtTheEnds", "^\\w+$", "ab\ncd", kSingleLine, {}, {}},
        {"GroupsAreNumberedByTheirOpeningParenthesis",
         "((a)(b))c",
         "xabc",
         {},
         {"abc"},
         {"ab", "a", "b"}},
        {"GroupThatTookNoPartIsEmpty", "(x)?(y)", "y", {}, {"y"}, {"", "y"}},
        {"EmptySubjectHasNoMatches", "a", "", {}, {}, {}},
        {"SearchResumesAfterThePreviousMatch", "aa", "aaaaa", {}, {"aa", "aa"}, {}},
    };
}

inline std::vector<ReplaceCase> replaceCases() {
    return {
        {"GlobalReplacesEveryMatch", "a", "banana", "o", {}, "bonono"},
        {"NonGlobalReplacesTheFirstMatch", "a", "banana", "o", kFirstOnly, "bonana"},
        {"GroupReferencesInTheReplacement",
         "(\\w+)@(\\w+)",
         "me@home",
         "$2 at $1",
         {},
         "home at me"},
        {"WholeMatchReference", "\\d+", "a12b", "[$&]", {}, "a[12]b"},
        {"DoubleByteReplacement", kChinese, "x" + kChinese + "y", kTitle, {}, "x" + kTitle + "y"},
        {"IgnoreCaseAppliesToReplace", "B", "abc", "-", {}, "a-c"},
    };
}

inline std::unique_ptr<RegExpObject> configured(RegExpFactory& factory, const std::string& pattern,
                                                const Settings& settings) {
    std::unique_ptr<RegExpObject> regex = factory.create();
    if (regex != nullptr) {
        EXPECT_TRUE(regex->putIgnoreCase(settings.ignoreCase));
        EXPECT_TRUE(regex->putMultiline(settings.multiline));
        EXPECT_TRUE(regex->putGlobal(settings.global));
        EXPECT_TRUE(regex->putPattern(Text(pattern)));
    }
    return regex;
}

// Runs one case through a fresh object of the factory and checks every match and group.
inline void expectMatches(RegExpFactory& factory, const MatchCase& expected) {
    SCOPED_TRACE(expected.name);
    const std::unique_ptr<RegExpObject> regex =
        configured(factory, expected.pattern, expected.settings);
    ASSERT_NE(regex, nullptr);
    EXPECT_EQ(regex->getPattern().view(), expected.pattern);
    const std::unique_ptr<RegExpMatchCollection> matches = regex->Execute(Text(expected.subject));
    ASSERT_NE(matches, nullptr);
    std::vector<std::string> values;
    for (int i = 0; i < matches->Count(); ++i) {
        const std::unique_ptr<RegExpMatch> match = matches->Item(i);
        ASSERT_NE(match, nullptr);
        values.emplace_back(match->Value().view());
    }
    EXPECT_EQ(values, expected.matches);
    if (expected.matches.empty()) {
        return;
    }
    const std::unique_ptr<RegExpSubMatches> groups = matches->Item(0)->SubMatches();
    ASSERT_NE(groups, nullptr);
    std::vector<std::string> texts;
    for (int j = 0; j < groups->Count(); ++j) {
        texts.emplace_back(groups->Item(j).view());
    }
    EXPECT_EQ(texts, expected.firstGroups);
}

inline void expectReplaced(RegExpFactory& factory, const ReplaceCase& expected) {
    SCOPED_TRACE(expected.name);
    const std::unique_ptr<RegExpObject> regex =
        configured(factory, expected.pattern, expected.settings);
    ASSERT_NE(regex, nullptr);
    EXPECT_EQ(regex->Replace(Text(expected.subject), Text(expected.replacement)).view(),
              expected.expected);
}

}  // namespace hotlist::regex_dialect

#pragma once

// One table of expressions and what the scripting dialect makes of them, run against every
// platform regular-expression engine (the VBScript RegExp object on Windows, PCRE2 on Linux)
// through RegexObject, so that both are shown to read the system's expressions alike.
// Subjects and expected texts are code page 936 bytes.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/constants.h"
#include "text/com_library.h"
#include "text/regex_engine.h"
#include "text/regex_object.h"

namespace hotlist::regex_dialect {

// Which engines a case holds for.
enum class Engines {
    all,
    // Not Wine's RegExp, which departs from Windows' engine here (seen with Wine 8.0): it
    // never returns from a global expression that matches the empty text, and its dot stops
    // at a carriage return as well as at a line feed.
    exceptWine,
    // Only an engine with a backtracking guard (the PCRE2 one); the scripting engine has none
    // and searches for as long as the expression demands.
    withBacktrackingGuard,
};

// The matches of `pattern` over `subject`, the groups of the first match and, when a
// replacement is given, the result of Replace.
struct DialectCase {
    const char* name;
    std::string pattern;
    std::string subject;
    bool caseSensitive = false;
    bool multiline = true;
    bool global = true;
    std::vector<std::string> matches;
    std::vector<std::string> firstGroups = {};
    std::optional<std::string> replacement = std::nullopt;
    std::string replaced = {};
    Engines engines = Engines::all;
};

// Test names and failure messages show a case by its name, not its bytes.
inline void PrintTo(const DialectCase& c, std::ostream* out) {
    *out << c.name;
}

// "中文" and "标题" in code page 936.
inline const std::string kChinese = "\xd6\xd0\xce\xc4";
inline const std::string kTitle = "\xb1\xea\xcc\xe2";

// One article row of the hot-list table.
inline std::string articleRow(const std::string& tag, const std::string& href,
                              const std::string& title, const std::string& between,
                              const std::string& readers) {
    return "<" + tag + " class=\"al\"><a href=\"" + href +
           "\" target=\"_blank\" rel=\"noopener\" itemid=\"7\">" + title + "</a></" + tag + ">" +
           between + "<td>" + readers + "</td>";
}

inline std::vector<DialectCase> dialectCases() {
    const std::string aLot(40, 'a');
    const std::string rowA = articleRow("td", "/n/a1", kTitle, "\n", "10");
    const std::string rowB = articleRow("TD", "/n/b2", kChinese, "\r\n", "9");
    return {
        {"extraction pattern takes every row and its three groups",
         kExtractionPattern,
         "<table>" + rowA + "\n" + rowB + "</table>",
         false,
         true,
         true,
         {rowA, rowB},
         {"/n/a1", kTitle, "10"}},
        {"lazy quantifier stops at the first close",
         R"(<b>([\s\S]*?)</b>)",
         "<b>1</b><b>2</b>",
         false,
         true,
         true,
         {"<b>1</b>", "<b>2</b>"},
         {"1"}},
        {"greedy quantifier runs to the last close",
         R"(<b>([\s\S]*)</b>)",
         "<b>1</b><b>2</b>",
         false,
         true,
         true,
         {"<b>1</b><b>2</b>"},
         {"1</b><b>2"}},
        {"any-character class takes one line break character",
         R"(a[\s\S]b)",
         "a\nb a\r\nb a\rb",
         false,
         true,
         true,
         {"a\nb", "a\rb"}},
        {"ignore case folds tag and attribute names",
         "<td CLASS=\"AL\">",
         "<TD class=\"al\"><td Class=\"Al\">",
         false,
         true,
         true,
         {"<TD class=\"al\">", "<td Class=\"Al\">"}},
        {"double-byte text in a group",
         "<i>(" + kChinese + ")</i>",
         "<i>" + kTitle + "</i><i>" + kChinese + "</i>",
         false,
         true,
         true,
         {"<i>" + kChinese + "</i>"},
         {kChinese}},
        {"anchors at every line in multi-line mode",
         R"(^\w+$)",
         "ab\ncd",
         false,
         true,
         true,
         {"ab", "cd"}},
        {"anchors at the subject ends otherwise", R"(^\w+$)", "ab\ncd", false, false, true, {}},
        {"groups are numbered by their opening parenthesis",
         "((a)(b))c",
         "xabc",
         false,
         true,
         true,
         {"abc"},
         {"ab", "a", "b"}},
        {"empty subject has no matches", "a", "", false, true, true, {}},
        {"search resumes after the previous match", "aa", "aaaaa", false, true, true, {"aa", "aa"}},
        {"double-byte replacement",
         kChinese,
         "x" + kChinese + "y",
         false,
         true,
         true,
         {kChinese},
         {},
         kTitle,
         "x" + kTitle + "y"},
        {"ignore case applies to replace", "B", "abc", false, true, true, {"b"}, {}, "-", "a-c"},
        {"dot stops at a line feed", "a.c", "a\nc abc", false, true, true, {"abc"}},
        {"dot takes a carriage return",
         "a.c",
         "a\rc",
         false,
         true,
         true,
         {"a\rc"},
         {},
         std::nullopt,
         {},
         Engines::exceptWine},
        {"escaped dot and dot in a class are literal",
         R"(\.[.]a.)",
         "x.a.a..ab",
         false,
         true,
         true,
         {"..ab"}},
        {"empty matches step one unit on",
         "a*",
         "baac",
         false,
         true,
         true,
         {"", "aa", "", ""},
         {},
         std::nullopt,
         {},
         Engines::exceptWine},
        {"lazy any-character class crosses CR LF",
         R"(<td>([\s\S]*?)</td>)",
         "<td>a\r\nb</td><TD>c</TD>",
         false,
         true,
         true,
         {"<td>a\r\nb</td>", "<TD>c</TD>"},
         {"a\r\nb"}},
        {"group that took no part is empty", "(a)|(b)", "b", false, true, true, {"b"}, {"", "b"}},
        {"ignore case folds ASCII letters", "ABC", "xabcx", false, true, true, {"abc"}},
        {"case-sensitive keeps letter case", "ABC", "xabcx", true, true, true, {}},
        {"non-global takes the first match only", "a", "aaa", false, true, false, {"a"}},
        {"caret at line starts in multi-line mode",
         "^b",
         "a\nb\r\nb",
         false,
         true,
         true,
         {"b", "b"}},
        {"caret at subject start only otherwise", "^b", "a\nb", false, false, true, {}},
        {"dollar only at the very end otherwise", "a$", "a\n", false, false, true, {}},
        {"dollar before a line break in multi-line mode",
         "a$",
         "a\r\nba",
         false,
         true,
         true,
         {"a", "a"}},
        {"unknown escape is the letter itself", R"(\j\q)", "jq", false, true, true, {"jq"}},
        {"\\u escape names a code unit", R"(\u0041)", "A", true, true, true, {"A"}},
        {"no match inside a double-byte character", "a", "\x81\x41", false, true, true, {}},
        {"Chinese literal matches its character",
         "\xd6\xd0+",
         "\xce\xc4\xd6\xd0\xd6\xd0",
         false,
         true,
         true,
         {"\xd6\xd0\xd6\xd0"}},
        {"catastrophic backtracking ends the search",
         "(a+)+$",
         aLot + "!",
         false,
         true,
         true,
         {},
         {},
         std::nullopt,
         {},
         Engines::withBacktrackingGuard},
        {"catastrophic search keeps earlier matches",
         "x|(a+)+$",
         "x" + aLot + "!",
         false,
         true,
         true,
         {"x"},
         {},
         std::nullopt,
         {},
         Engines::withBacktrackingGuard},
        {"replace expands every form",
         "(b)-(c)",
         "ab-cd",
         false,
         true,
         true,
         {"b-c"},
         {"b", "c"},
         "[$$|$&|$`|$'|$2$1|$3|$0|$12|$01|$]",
         "a[$|b-c|a|d|cb|$3|$0|b2|b|$]d"},
        {"replace with an unset group",
         "(x)?b",
         "ab",
         false,
         true,
         true,
         {"b"},
         {""},
         "[$1]",
         "a[]"},
        {"replace every match when global",
         "a",
         "banana",
         false,
         true,
         true,
         {"a", "a", "a"},
         {},
         "o",
         "bonono"},
        {"replace the first match only otherwise",
         "a",
         "banana",
         false,
         true,
         false,
         {"a"},
         {},
         "o",
         "bonana"},
        {"two-digit group reference",
         "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)",
         "abcdefghij",
         false,
         true,
         true,
         {"abcdefghij"},
         {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
         "$10-$11",
         "j-a1"},
        {"replace empty matches",
         "x*",
         "ab",
         false,
         true,
         true,
         {"", "", ""},
         {},
         "-",
         "-a-b-",
         Engines::exceptWine},

    };
}

// Runs one case the way the system does: a RegexObject over the engine's objects.
inline void expectDialectCase(RegExpFactory& factory, ComLibrary& com, const DialectCase& c) {
    SCOPED_TRACE(c.name);
    RegexObject regex(factory, com);
    ASSERT_TRUE(
        regex.create(Text(c.pattern), Text(c.subject), c.caseSensitive, c.multiline, c.global));
    std::vector<std::string> matches;
    for (int n = 1; n <= regex.matchCount(); ++n) {
        matches.emplace_back(regex.matchText(n).view());
    }
    EXPECT_EQ(matches, c.matches);
    std::vector<std::string> groups;
    for (int m = 1; m <= regex.subMatchCount() && !c.firstGroups.empty(); ++m) {
        groups.emplace_back(regex.subMatchText(1, m).view());
    }
    EXPECT_EQ(groups, c.firstGroups);
    if (c.replacement) {
        EXPECT_EQ(regex.replace(Text(*c.replacement)), Text(c.replaced));
    }
}

}  // namespace hotlist::regex_dialect

#include "web/cookie_strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web/text_markers.h"
#include "web/unique_items.h"

namespace hotlist {
namespace {

// "#引号" in code page 936.
constexpr const char* kQuote = "#\xd2\xfd\xba\xc5";

struct BeforeCase {
    const char* text;
    const char* separator;
    int start;
    bool ignoreCase;
    const char* expected;
};

TEST(TextBefore, SearchesForwardsOrBackwardsByStart) {
    const BeforeCase cases[] = {
        {"k: v: w", ": ", 0, false, "k"},
        {"k: v: w", ": ", 1, false, "k"},
        {"k: v: w", ": ", 3, false, "k: v"},
        {"k: v: w", ": ", 6, false, ""},
        {"k: v: w", ": ", 99, false, ""},
        {"k: v: w", ": ", -1, false, "k: v"},
        {"k: v: w", ": ", -2, false, "k"},
        {"k: v:", ":", -1, false, "k: v"},
        {"k: v:", ":", -2, false, "k"},  // the last 2 bytes are ignored
        {"k: v: w", ": ", -6, false, ""},
        {"k: v: w", ": ", -7, false, ""},
        {"k: v: w", ": ", -100, false, ""},
        {"", ": ", -2, false, ""},
        {"", "", -2, false, ""},
        {": v", ": ", 0, false, ""},
        {"k v", ": ", 0, false, ""},
        {"", ": ", 0, false, ""},
        {"aXb", "x", 0, false, ""},
        {"aXb", "x", 0, true, "a"},
        {"aXbxc", "X", -1, true, "aXb"},
        // A match never starts on the second byte of a double-byte character.
        {"\xb0:: x", ": ", 0, false, "\xb0:"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(textBefore(c.text, c.separator, c.start, c.ignoreCase).view(), c.expected)
            << "'" << c.text << "' / '" << c.separator << "' from " << c.start;
    }
}

TEST(TextBefore, HandlesTheMostNegativeStart) {
    EXPECT_EQ(textBefore("k: v", ": ", -2147483647 - 1).view(), "");
}

struct BetweenCase {
    std::string text;
    std::string left;
    std::string right;
    int start;
    bool ignoreCase;
    const char* expected;
};

TEST(TextBetween, ReturnsTheBytesBetweenTheMarkers) {
    const std::string quote(kQuote);
    const BetweenCase cases[] = {
        {"Set-Cookie: a=1;", "Set-Cookie:", ";", 0, false, " a=1"},
        {"Set-Cookie: a=1", "Set-Cookie:", ";", 0, false, ""},
        {"Set-Cookie:;", "Set-Cookie:", ";", 0, false, ""},
        {"no left; here", "Set-Cookie:", ";", 0, false, ""},
        {"set-cookie: a=1;", "Set-Cookie:", ";", 0, false, ""},
        {"set-cookie: a=1;", "Set-Cookie:", ";", 0, true, " a=1"},
        {"a \"word\" and \"other\"", quote, quote, 0, false, "word"},
        {"x=" + quote + "y" + quote, quote, quote, 0, false, ""},
        {"href=\"/n/1\" title=\"t\"", "href=" + quote, quote, 0, false, "/n/1"},
        {"<a><b>1</b><b>2</b>", "<b>", "</b>", 0, false, "1"},
        {"<a><b>1</b><b>2</b>", "<b>", "</b>", 5, false, "2"},
        {"<b></b>", "<b>", "</b>", 0, false, ""},
        {"ab", "b", "", 0, false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            textBetween(Text(c.text), Text(c.left), Text(c.right), c.start, c.ignoreCase).view(),
            c.expected)
            << c.text;
    }
}

struct CollectCase {
    const char* headers;
    const char* expected;
};

TEST(CollectReturnedCookies, TakesOneItemPerSetCookieLine) {
    const CollectCase cases[] = {
        {"Set-Cookie: a=1; path=/\r\nContent-Type: text/html\r\nSet-Cookie: b=2", "a=1; b=2"},
        {"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n", ""},
        {"", ""},
        {"set-cookie: c=3", ""},
        {"Set-Cookie:c=3", ""},
        {"X-Set-Cookie: c=3", ""},
        {"Set-Cookie: ;x=1\r\nSet-Cookie: a=1", "; a=1"},
        // Only the one final separator goes, so a trailing empty item leaves one behind.
        {"Set-Cookie: a=1\r\nSet-Cookie: ;x=1", "a=1; "},
        {"Set-Cookie:  sid=abc ; HttpOnly\r\n", "sid=abc"},
        {"Set-Cookie: tok=a=b; Max-Age=0", "tok=a=b"},
        {"Set-Cookie: id=deleted; expires=Thu, 01 Jan 1970", "id=deleted"},
        // Without a semicolon every "Set-Cookie:" is removed, case folded.
        {"Set-Cookie: v=set-cookie:x", "v=x"},
        {"Set-Cookie: a=1\r\nSet-Cookie: a=1", "a=1; a=1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(collectReturnedCookies(c.headers).view(), c.expected) << c.headers;
    }
}

struct MergeCase {
    const char* sent;
    const char* returned;
    const char* expected;
    const char* returnedAfter;
};

TEST(MergeCookies, ReturnedFirstThenUnmentionedSentItems) {
    const MergeCase cases[] = {
        {"a=1; b=2", "b=3; c=4", "b=3; c=4; a=1", "b=3; c=4"},
        {"a=1; sid=x", "sid=deleted", "a=1", "sid=deleted"},
        {"a=1;", "", "a=1", ""},
        {"a=1; a=2", "", "a=1", ""},
        {"", "x=1; x=1", "x=1", "x=1; x=1"},
        {"", "x=1; x=2", "x=1; x=2", "x=1; x=2"},
        {"", "", "", ""},
        {"  a=1  ", " b=2; ", "b=2; a=1", "b=2; "},
        {" sid = 1", "sid=2", "sid=2", "sid=2"},
        {"flag; a=1", "", "flag; a=1", ""},
        {"a=1", "=deleted", "a=1", "=deleted"},
        {"gone=deleted; a=1", "", "a=1", ""},
        {"A=1", "a=2", "a=2; A=1", "a=2"},
        {"a=1", "; b=2", "; b=2; a=1", "; b=2"},
    };
    for (const auto& c : cases) {
        Text sent(c.sent);
        Text returned(c.returned);
        const Text merged = mergeCookies(sent, returned);
        EXPECT_EQ(merged.view(), c.expected) << c.sent << " + " << c.returned;
        EXPECT_EQ(sent, merged) << c.sent << " + " << c.returned;
        EXPECT_EQ(returned.view(), c.returnedAfter) << c.sent << " + " << c.returned;
    }
}

TEST(CookieName, IsTheTrimmedPartBeforeTheFirstEquals) {
    const std::pair<const char*, const char*> cases[] = {
        {"a=1", "a"},     {" sid = x", "sid"},
        {"flag", "flag"}, {" flag ", "flag"},
        {"=v", ""},       {"", ""},
        {"t=a=b", "t"},   {"\xa1\xa1n\xa1\xa1=1", "n"},
    };
    for (const auto& [item, name] : cases) {
        EXPECT_EQ(cookieName(item).view(), name) << item;
    }
}

TEST(ContainsCookieName, ComparesNamesExactly) {
    const TextArray items(std::vector<Text>{"a=1", " B = 2", "flag"});
    EXPECT_TRUE(containsCookieName(items, "a"));
    EXPECT_TRUE(containsCookieName(items, "B"));
    EXPECT_TRUE(containsCookieName(items, "flag"));
    EXPECT_FALSE(containsCookieName(items, "b"));
    EXPECT_FALSE(containsCookieName(items, "a=1"));
    EXPECT_FALSE(containsCookieName(TextArray(), ""));
}

struct JoinCase {
    const char* text;
    const char* separator;
    int mode;
    const char* expected;
};

TEST(JoinUnique, KeepsTheFirstOccurrenceOfEachPiece) {
    const JoinCase cases[] = {
        {"x; y; x", "; ", 1, "x; y"},
        {"x; x; x", "; ", 1, "x"},
        {"x; ; y; ", "; ", 1, "x; ; y"},
        // The last kept piece is empty, so the output ends in the separator.
        {"x; ; x", "; ", 1, "x; "},
        {"", "; ", 1, ""},
        {"a=1; A=1", "; ", 1, "a=1; A=1"},
        {"a,b,a,c", ",", 2, "a,b,c"},
        {"abca", "", 0, "abc"},
        {"abca", "-", 0, "a-b-c"},
        {"\xb0\xa1x\xb0\xa1y", "", 0, "\xb0\xa1xy"},
        {"a\r\nb\r\n\r", "", 0, "a\r\nb\r"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(joinUnique(c.text, c.separator, c.mode).view(), c.expected)
            << "'" << c.text << "' mode " << c.mode;
    }
}

struct CharactersCase {
    const char* text;
    std::vector<Text> characters;
};

TEST(SplitCharacters, ReplacesTheArrayWithOnePiecePerCharacter) {
    const CharactersCase cases[] = {
        {"a\r\nb", {"a", "\r\n", "b"}},
        {"ab\x81", {"a", "b", "\x81"}},
        {"\xb0\xa1z", {"\xb0\xa1", "z"}},
        {"\x80z", {"\x80", "z"}},
        {"\x81\x0d\x0a", {"\x81\x0d", "\x0a"}},
        {"\n\r", {"\n", "\r"}},
        {"\r\r\n", {"\r", "\r\n"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        TextArray characters(std::vector<Text>{"stale", "content"});
        EXPECT_EQ(splitCharacters(c.text, characters), static_cast<int>(c.characters.size()))
            << c.text;
        EXPECT_EQ(characters.elements(), c.characters) << c.text;
    }
}

TEST(IndexOfItem, FindsTheFirstEqualElement) {
    const TextArray items(std::vector<Text>{"a", "", "b", "a"});
    EXPECT_EQ(indexOfItem(items, "a"), 1);
    EXPECT_EQ(indexOfItem(items, ""), 2);
    EXPECT_EQ(indexOfItem(items, "b"), 3);
    EXPECT_EQ(indexOfItem(items, "A"), -1);
    EXPECT_EQ(indexOfItem(items, "a "), -1);
    EXPECT_EQ(indexOfItem(TextArray(), ""), -1);
}

}  // namespace
}  // namespace hotlist

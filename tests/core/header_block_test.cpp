#include "web/header_block.h"

#include <gtest/gtest.h>

#include <string>

namespace hotlist {
namespace {

constexpr const char* kUrl = "https://h.example/n/x?a=1";
const std::string kAgent = "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
const std::string kGetDefaults =
    std::string("\r\nAccept: */*\r\nReferer: ") + kUrl + "\r\nAccept-Language: zh-cn\r\n" + kAgent;
const std::string kContentType = "\r\nContent-Type: application/x-www-form-urlencoded";

struct DefaultsCase {
    const char* block;
    int method;
    std::string expected;
};

TEST(AddDefaultHeaders, AppendsEachDefaultWhoseKeyTheBlockLacks) {
    const DefaultsCase cases[] = {
        {"", 0, kGetDefaults},
        // Only POST gets the form Content-Type, even when no Content-Type is present.
        {"", 1, kGetDefaults + kContentType},
        {"", 2, kGetDefaults},
        {"", 7, kGetDefaults},
        {"Content-Type: text/plain", 1, "Content-Type: text/plain" + kGetDefaults},
        // The key is a plain substring test, case folded, anywhere in the block.
        {"X-Accept: 1", 0,
         std::string("X-Accept: 1\r\nReferer: ") + kUrl + "\r\nAccept-Language: zh-cn\r\n" +
             kAgent},
        {"accept: text/html", 0,
         std::string("accept: text/html\r\nReferer: ") + kUrl + "\r\nAccept-Language: zh-cn\r\n" +
             kAgent},
        {"X-Note: see referer:here", 0,
         std::string("X-Note: see referer:here\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n") +
             kAgent},
        // "Accept-Language:" does not hold the key "Accept:".
        {"Accept-Language: de", 0,
         std::string("Accept-Language: de\r\nAccept: */*\r\nReferer: ") + kUrl + "\r\n" + kAgent},
        {"Accept: a\r\nReferer: r\r\nAccept-Language: l\r\nUser-Agent: u", 1,
         "Accept: a\r\nReferer: r\r\nAccept-Language: l\r\nUser-Agent: u" + kContentType},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(addDefaultHeaders(c.block, kUrl, c.method).view(), c.expected)
            << "block '" << c.block << "' method " << c.method;
    }
}

TEST(AddDefaultHeaders, KeepsTheCallersBytesAndTheUrlAsGiven) {
    const Text block("\r\n\r\nodd line\r\n");
    const Text url("http://h/\xb0\xa1?q= x ");
    const Text result = addDefaultHeaders(block, url, 0);
    EXPECT_EQ(result.view().substr(0, block.view().size()), block.view());
    EXPECT_NE(result.view().find(std::string("\r\nReferer: http://h/\xb0\xa1?q= x \r\n")),
              std::string::npos);
}

struct NormaliseCase {
    std::string block;
    std::string expected;
};

TEST(NormaliseHeaderBlock, CapitalisesNamesAndDropsLinesWithoutColon) {
    const NormaliseCase cases[] = {
        {kGetDefaults, std::string("Accept: */*\r\nReferer: ") + kUrl +
                           "\r\nAccept-Language: zh-cn\r\n" + kAgent},
        {"accept-language: zh-cn", "Accept-Language: zh-cn"},
        {"x-my-header:1", "X-My-Header:1"},
        {"content-TYPE: text/html", "Content-TYPE: text/html"},
        {"just text", ""},
        {"just text\r\n\r\n\r\nmore text", ""},
        {"", ""},
        {"\r\n", ""},
        {"x-: 1", "X-: 1"},
        {"-x: 1", "-X: 1"},
        {"a--b: 1", "A--B: 1"},
        {"a-b--: 1", "A-B--: 1"},
        {"-: 1", "-: 1"},
        {": 1", ": 1"},
        {" accept: 1", " accept: 1"},
        {"x- y: 1", "X- y: 1"},
        // Only the name changes: the value and the colons inside it stay byte for byte.
        {"referer:http://a-b.c/d-e:80", "Referer:http://a-b.c/d-e:80"},
        {"a:b\r\n\r\nno colon\r\nc-d :  e \r\n", "A:b\r\nC-D :  e "},
        // A double-byte character starting the name is not changed.
        {"\xb0\xa1-x: 1", "\xb0\xa1-X: 1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(normaliseHeaderBlock(Text(c.block)).view(), c.expected) << c.block;
    }
}

TEST(NormaliseHeaderBlock, IsStableOnItsOwnResult) {
    const std::string blocks[] = {kGetDefaults + kContentType, "a-b--: 1\r\n-x:2\r\n\r\nz"};
    for (const auto& block : blocks) {
        const Text once = normaliseHeaderBlock(Text(block));
        EXPECT_EQ(normaliseHeaderBlock(once), once) << block;
    }
}

TEST(CapitaliseFirst, ChangesOnlyAnAsciiLowerCaseFirstByte) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},     {"a", "A"},   {"accept", "Accept"},     {"Accept", "Accept"}, {"aBC", "ABC"},
        {"1a", "1a"}, {" a", " a"}, {"\xb0\x61", "\xb0\x61"}, {"\x81", "\x81"},     {"zz", "Zz"},
    };
    for (const auto& [word, expected] : cases) {
        EXPECT_EQ(capitaliseFirst(word).view(), expected) << word;
    }
}

struct LineCase {
    const char* line;
    const char* name;
    const char* value;
};

TEST(HeaderNameAndValue, SplitAtTheFirstColonAndTrim) {
    const LineCase cases[] = {
        {"Connection:  keep-alive ", "Connection", "keep-alive"},
        {"no colon here", "", ""},
        {"", "", ""},
        {"Referer: http://h:80/p", "Referer", "http://h:80/p"},
        {" X : ", "X", ""},
        {":", "", ""},
        {"A:\tb\r", "A", "\tb\r"},
        {"\xa1\xa1Name\xa1\xa1:\xa1\xa1v\xa1\xa1", "Name", "v"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(headerName(c.line).view(), c.name) << c.line;
        EXPECT_EQ(headerValue(c.line).view(), c.value) << c.line;
    }
}

}  // namespace
}  // namespace hotlist

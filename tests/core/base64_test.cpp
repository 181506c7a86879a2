#include "web/base64.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace hotlist {
namespace {

TEST(Base64Encode, MatchesTheStandardAlphabetAndPadding) {
    const std::pair<std::string, const char*> cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {"user:", "dXNlcjo="},
        {std::string("\0", 1), "AA=="},
        {std::string("\0\0\0", 3), "AAAA"},
        {"\xff\xff\xff", "////"},
        {"\xfb\xef\xbe", "++++"},
        {std::string("a\0b", 3), "YQBi"},
        {"\xb0\xa1:\xb0\xa1", "sKE6sKE="},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(base64Encode(Bytes(input)).view(), expected) << input;
    }
}

TEST(Base64Encode, OutputLengthIsFourPerStartedGroupOfThree) {
    for (int n = 0; n <= 10; ++n) {
        const Text encoded = base64Encode(Bytes(std::string(static_cast<std::size_t>(n), 'x')));
        EXPECT_EQ(encoded.length(), (n + 2) / 3 * 4) << n;
        const auto padding = std::count(encoded.view().begin(), encoded.view().end(), '=');
        EXPECT_EQ(padding, (3 - n % 3) % 3) << n;
    }
}

}  // namespace
}  // namespace hotlist

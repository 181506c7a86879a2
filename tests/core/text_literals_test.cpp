#include <gtest/gtest.h>

#include <string_view>

#include "app_texts.h"
#include "text/text.h"
#include "text_texts.h"

namespace hotlist {
namespace {

// The program's own literals are built into code page 936 bytes, whatever the source encoding.
TEST(ProgramLiterals, AreCodePage936Bytes) {
    EXPECT_EQ(std::string_view(app_texts::button1Text), "\xb2\xc9\xbc\xaf\xc8\xc8\xce\xc4");
    EXPECT_EQ(std::string_view(texts::quoteMarker), "\x23\xd2\xfd\xba\xc5");
}

}  // namespace
}  // namespace hotlist

#include "text/fatal_stop.h"

#include <gtest/gtest.h>

#include "text/text.h"

namespace hotlist {
namespace {

TEST(FatalStop, TextCarriesCodeAndMessageWithTheirLineBreaks) {
    // "运行时出错!" CR LF CR LF "错误代码：" 4 CR LF CR LF "错误信息：" "x" CR LF, in code page 936.
    EXPECT_EQ(fatalStopText(4, "x").view(),
              "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!\r\n\r\n"
              "\xb4\xed\xce\xf3\xb4\xfa\xc2\xeb\xa3\xba"
              "4\r\n\r\n"
              "\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba"
              "x\r\n");
    EXPECT_EQ(fatalStopText(std::nullopt, "m").view(),
              "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!\r\n\r\n"
              "\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba"
              "m\r\n");
}

TEST(FatalStopDeathTest, ArrayIndexErrorsEndTheProcessWithMinusOne) {
    TextArray array;
    array.append("a");
    EXPECT_EXIT(array.at(0), testing::ExitedWithCode(255), "");
    EXPECT_EXIT(array.at(2), testing::ExitedWithCode(255), "");
}

}  // namespace
}  // namespace hotlist

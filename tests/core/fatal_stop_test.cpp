#include "text/fatal_stop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "exit_status.h"
#include "text/allocation_guard.h"
#include "text/text.h"
#include "text_texts.h"

namespace hotlist {
namespace {

TEST(FatalStop, TextCarriesCodeAndMessageWithTheirLineBreaks) {
    // "运行时出错!" CR LF CR LF "错误代码：" 4 CR LF CR LF "错误信息：" "x" CR LF, in code page
    // 936.
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
    EXPECT_EXIT(array.at(0), exitedWithMinusOne, testing::HasSubstr(texts::indexBelowOne));
    EXPECT_EXIT(array.at(2), exitedWithMinusOne, testing::HasSubstr(texts::indexBeyondCount));
    EXPECT_EXIT(TextArray().at(1), exitedWithMinusOne, testing::HasSubstr("1\r\n"));
}

TEST(FatalStopDeathTest, RemainderByZeroStopsWithoutACode) {
    EXPECT_EXIT(remainder(1.0, 0.0), exitedWithMinusOne,
                testing::AllOf(testing::HasSubstr(texts::remainderByZero),
                               testing::Not(testing::HasSubstr(texts::fatalCodeLabel))));
}

TEST(FatalStopDeathTest, ExhaustedMemoryNamesTheRequestedSize) {
    // "分配 4096 字节内存失败!" in code page 936.
    const std::string message =
        std::string(texts::allocationFailedBefore) + "4096" + texts::allocationFailedAfter;
    EXPECT_EQ(message,
              "\xb7\xd6\xc5\xe4 4096 \xd7\xd6\xbd\xda\xc4\xda\xb4\xe6\xca\xa7"
              "\xb0\xdc!");
    EXPECT_EXIT(guardAllocation(4096, []() -> int { throw std::bad_alloc(); }), exitedWithMinusOne,
                testing::HasSubstr(message));
}

}  // namespace
}  // namespace hotlist

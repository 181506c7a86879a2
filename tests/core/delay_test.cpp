#include "text/delay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace hotlist {
namespace {

class RecordingPump : public MessagePump {
  public:
    void pumpUntilDue(std::int64_t dueTime) override { dueTimes.push_back(dueTime); }
    std::vector<std::int64_t> dueTimes;
};

TEST(DelayWithEventsTest, HandsThePumpTheDueTimeOfEachIntervalAndUnit) {
    struct Case {
        const char* name;
        std::optional<std::int32_t> interval;
        std::int64_t unit;
        std::int64_t expectedDue;
    };
    const std::vector<Case> cases = {
        {"10 ms, unit omitted", 10, 0, -100000},
        {"2 seconds", 2, 1, -20000000},
        {"3 minutes", 3, 2, -1800000000},
        {"1 hour", 1, 3, -36000000000},
        {"unit 7 is 7 ms per step", 5, 7, -350000},
        {"unit 4 is 4 ms per step", 1, 4, -40000},
        {"negative unit is its own multiplier", 2, -5, 100000},
        {"interval 0", 0, 0, 0},
        {"negative interval is long past", -10, 0, 100000},
        {"no interval, non-zero unit", std::nullopt, 1, 0},
        {"no interval, unit 0 waits for good", std::nullopt, 0, -3240000000000000000},
        {"most negative interval", std::numeric_limits<std::int32_t>::min(), 0, 21474836480000},
        {"product below 64 bits saturates", std::numeric_limits<std::int32_t>::max(), 3,
         std::numeric_limits<std::int64_t>::min()},
        {"product beyond 64 bits saturates", std::numeric_limits<std::int32_t>::min(),
         std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::max()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPump pump;
        EXPECT_TRUE(delayWithEvents(pump, c.interval, c.unit));
        ASSERT_EQ(pump.dueTimes.size(), 1U);
        EXPECT_EQ(pump.dueTimes[0], c.expectedDue);
    }
}

TEST(DelayWithEventsTest, OmittedArgumentsAreTheEndlessWait) {
    RecordingPump pump;
    EXPECT_TRUE(delayWithEvents(pump));
    EXPECT_TRUE(delayWithEvents(pump, 10));
    EXPECT_EQ(pump.dueTimes, (std::vector<std::int64_t>{-3240000000000000000, -100000}));
}

}  // namespace
}  // namespace hotlist

#include "text/delay.h"

#include <limits>

namespace hotlist {

namespace {

// The endless wait: about ten thousand years, still inside the signed 64-bit range once
// turned into 100 ns units.
constexpr double kEndlessSteps = 18000000.0;

double millisecondsPerStep(std::int64_t unit) {
    switch (unit) {
        case 0:
            return 1.0;
        case 1:
            return 1000.0;
        case 2:
            return 60000.0;
        case 3:
            return 3600000.0;
        default:
            return static_cast<double>(unit);
    }
}

}  // namespace

// Milliseconds become negative, that is relative, 100 ns units; the product is formed in
// double precision and truncated toward zero. A product beyond the 64-bit range (a huge unit
// used as its own multiplier) saturates instead of being converted out of range.
std::int64_t delayDueTime(std::optional<std::int32_t> interval, std::int64_t unit) {
    double steps = 0.0;
    double multiplier = 0.0;
    if (unit == 0 && !interval.has_value()) {
        steps = kEndlessSteps;
        multiplier = kEndlessSteps;
    } else {
        steps = static_cast<double>(interval.value_or(0));
        multiplier = millisecondsPerStep(unit);
    }
    const double due = steps * multiplier * -10000.0;
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (due <= -kLimit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    if (due >= kLimit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return static_cast<std::int64_t>(due);
}

bool delayWithEvents(MessagePump& pump, std::optional<std::int32_t> interval, std::int64_t unit) {
    pump.pumpUntilDue(delayDueTime(interval, unit));
    return true;
}

}  // namespace hotlist

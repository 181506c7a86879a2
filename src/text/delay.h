#pragma once

#include <cstdint>
#include <optional>

#include "text/message_pump.h"

namespace hotlist {

// Waits interval steps of `unit` (0 ms, 1 s, 2 min, 3 h, else that many ms per step) while
// events keep being dispatched; no interval with unit 0 waits for good. Always true.
bool delayWithEvents(MessagePump& pump, std::optional<std::int32_t> interval = std::nullopt,
                     std::int64_t unit = 0);

// The relative due time, in 100 ns units, that delayWithEvents hands to the pump.
std::int64_t delayDueTime(std::optional<std::int32_t> interval, std::int64_t unit);

}  // namespace hotlist

#pragma once

#include <cstdint>

#include "text/message_pump.h"

namespace hotlist {

// Waits on a waitable timer while dispatching the thread's window messages.
class Win32MessagePump final : public MessagePump {
  public:
    void pumpUntilDue(std::int64_t dueTime) override;
};

// The bounded wait used when no waitable timer can be made: the same message dispatching, with
// the time-out of the message wait computed from the (relative, negative) due time.
void pumpWithoutTimer(std::int64_t dueTime);

}  // namespace hotlist

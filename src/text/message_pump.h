#pragma once

#include <cstdint>

namespace hotlist {

// Waits on the GUI thread while the thread's events keep being dispatched.
class MessagePump {
  public:
    virtual ~MessagePump() = default;
    // Sleeps until the due time, dispatching every event that arrives meanwhile (handlers may
    // run nested). The due time is in 100 ns units: negative is relative to now, zero or
    // positive is already past. A pending quit request is left for the outer loop and ends
    // the wait. Never spins: when the platform timer cannot be made the wait is still bounded.
    virtual void pumpUntilDue(std::int64_t dueTime) = 0;
};

}  // namespace hotlist

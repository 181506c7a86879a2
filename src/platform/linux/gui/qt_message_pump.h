#pragma once

#include <cstdint>

#include "text/message_pump.h"

namespace hotlist {

// Waits in a nested Qt event loop on the GUI thread, so every event (a click, a timer tick)
// runs its handler inside the wait. A quit requested meanwhile ends the wait and stays
// pending for the outer loop.
class QtMessagePump : public MessagePump {
  public:
    void pumpUntilDue(std::int64_t dueTime) override;
};

}  // namespace hotlist

#pragma once

#include <chrono>
#include <cstdint>

namespace hotlist {

// Decides when a transfer has stalled: no byte moved in either direction for longer than the
// limit of the current direction (sending while the request body is going out, receiving
// afterwards). A limit of 0 or below means no limit. The clock runs only once the connection
// stands; before that the connect limit governs.
class TransferWatch {
  public:
    using Clock = std::chrono::steady_clock;

    void setLimits(int sendMs, int receiveMs);
    // Starts a new transfer: not connected, nothing moved.
    void restart();
    // The connection stands and the request is about to go out.
    void connected(Clock::time_point now);
    // Reports the byte counts seen at `now`; true when the transfer should be abandoned.
    bool stalled(Clock::time_point now, std::int64_t uploadTotal, std::int64_t uploaded,
                 std::int64_t downloaded);

  private:
    int sendMs_ = 0;
    int receiveMs_ = 0;
    bool connected_ = false;
    Clock::time_point lastMove_{};
    std::int64_t uploaded_ = 0;
    std::int64_t downloaded_ = 0;
};

}  // namespace hotlist

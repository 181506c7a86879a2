#include "http/transfer_watch.h"

namespace hotlist {

void TransferWatch::setLimits(int sendMs, int receiveMs) {
    sendMs_ = sendMs;
    receiveMs_ = receiveMs;
}

void TransferWatch::restart() {
    connected_ = false;
    uploaded_ = 0;
    downloaded_ = 0;
}

void TransferWatch::connected(Clock::time_point now) {
    connected_ = true;
    lastMove_ = now;
}

bool TransferWatch::stalled(Clock::time_point now, std::int64_t uploadTotal, std::int64_t uploaded,
                            std::int64_t downloaded) {
    if (!connected_) {
        return false;
    }
    // Counts start again at zero on every redirect hop, so any change is movement.
    if (uploaded != uploaded_ || downloaded != downloaded_) {
        uploaded_ = uploaded;
        downloaded_ = downloaded;
        lastMove_ = now;
        return false;
    }
    const bool sending = uploadTotal > 0 && uploaded < uploadTotal;
    const int limitMs = sending ? sendMs_ : receiveMs_;
    return limitMs > 0 && now - lastMove_ > std::chrono::milliseconds(limitMs);
}

}  // namespace hotlist

#include "http/transfer_watch.h"

#include <gtest/gtest.h>

#include <vector>

namespace hotlist {
namespace {

using std::chrono::milliseconds;

struct Observation {
    int atMs;
    long long uploadTotal;
    long long uploaded;
    long long downloaded;
    bool stalled;
};

struct WatchCase {
    const char* name;
    int sendMs;
    int receiveMs;
    int connectedAtMs;  // negative: never connected
    std::vector<Observation> observations;
};

TEST(TransferWatchTest, AbandonsOnlyAfterAPauseLongerThanTheLimitOfTheDirection) {
    const std::vector<WatchCase> cases = {
        {"quiet for longer than the receive limit",
         5000,
         1000,
         0,
         {{500, 0, 0, 0, false}, {1000, 0, 0, 0, false}, {1001, 0, 0, 0, true}}},
        {"each byte restarts the clock",
         5000,
         1000,
         0,
         {{900, 0, 0, 10, false},
          {1800, 0, 0, 20, false},
          {2700, 0, 0, 20, false},
          {2801, 0, 0, 20, true}}},
        {"the clock waits for the connection",
         5000,
         1000,
         3000,
         {{2500, 0, 0, 0, false}, {3900, 0, 0, 0, false}, {4001, 0, 0, 0, true}}},
        {"never connected is left to the connect limit", 5000, 1000, -1, {{60000, 0, 0, 0, false}}},
        {"the send limit holds while the body goes out",
         3000,
         1000,
         0,
         {{1500, 100, 50, 0, false}, {4500, 100, 50, 0, false}, {4501, 100, 50, 0, true}}},
        {"the receive limit holds once the body is out",
         3000,
         1000,
         0,
         {{1500, 100, 100, 0, false}, {2500, 100, 100, 0, false}, {2501, 100, 100, 0, true}}},
        {"no limit", 0, 0, 0, {{600000, 0, 0, 0, false}}},
        {"a new redirect hop counts from zero again",
         5000,
         1000,
         0,
         {{900, 0, 0, 500, false},
          {1800, 0, 0, 0, false},
          {2700, 0, 0, 0, false},
          {2801, 0, 0, 0, true}}},
    };
    for (const WatchCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TransferWatch::Clock::time_point start{};
        TransferWatch watch;
        watch.setLimits(c.sendMs, c.receiveMs);
        watch.restart();
        bool connected = false;
        for (const Observation& o : c.observations) {
            if (!connected && c.connectedAtMs >= 0 && o.atMs >= c.connectedAtMs) {
                watch.connected(start + milliseconds(c.connectedAtMs));
                connected = true;
            }
            EXPECT_EQ(watch.stalled(start + milliseconds(o.atMs), o.uploadTotal, o.uploaded,
                                    o.downloaded),
                      o.stalled)
                << "at " << o.atMs << " ms";
        }
    }
}

}  // namespace
}  // namespace hotlist

#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "loopback_servers.h"
#include "text/text.h"

namespace hotlist {

// The loopback servers of this test process: those of the ctest fixture when
// HOTLIST_LOOPBACK_PORTS names its ports file, otherwise private ones started on first use.
// Null when neither can be had.
LoopbackServers* testServers();

// The bytes the request object received as a std::string, for readable comparisons.
inline std::string asString(const Bytes& bytes) {
    return std::string(bytes.view());
}

// Byte i of the pattern routes (/bytes/N, /large) is i mod 251.
bool isPattern(const Bytes& bytes, int expectedLength);

// The request's header lines that start with `prefix`, in wire order.
inline std::vector<std::string> linesStartingWith(const RecordedRequest& request,
                                                  std::string_view prefix) {
    std::vector<std::string> found;
    for (const std::string& line : request.headerLines) {
        if (line.starts_with(prefix)) {
            found.push_back(line);
        }
    }
    return found;
}

// A test against the loopback servers, with what it asks of them about the requests they saw.
class LoopbackServersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        servers_ = testServers();
        ASSERT_NE(servers_, nullptr) << "the loopback servers did not start";
    }

    [[nodiscard]] std::string hostLine(LoopbackServer server) const {
        return "Host: 127.0.0.1:" + std::to_string(servers_->port(server));
    }

    // The newest request the server saw for the target; a failure when it saw none.
    [[nodiscard]] RecordedRequest received(LoopbackServer server, std::string_view target) const {
        const std::optional<RecordedRequest> recorded = servers_->lastRequest(server, target);
        EXPECT_TRUE(recorded.has_value()) << "the server saw no request for " << target;
        return recorded.value_or(RecordedRequest{});
    }

    LoopbackServers* servers_ = nullptr;
};

}  // namespace hotlist

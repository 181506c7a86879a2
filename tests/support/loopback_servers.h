#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "loopback_exchange.h"

namespace hotlist {

struct LoopbackServerOptions {
    std::string fixturesDir;          // served by the last path segment
    std::vector<std::string> routes;  // "/path=file", file relative to fixturesDir
    std::string proxyCredentials;     // "user:password" the proxy insists on; empty: none
};

enum class LoopbackServer { http, https, proxy };

// The loopback HTTP, HTTPS and proxy servers of tests/servers, on ports the system chose.
// Started by start() (and stopped when destroyed), or found through the ports file a ctest
// fixture wrote (attach()).
class LoopbackServers {
  public:
    // Null when the servers could not be started.
    static std::unique_ptr<LoopbackServers> start(const LoopbackServerOptions& options = {});
    // Servers someone else runs; null when the ports file is missing or incomplete.
    static std::unique_ptr<LoopbackServers> attach(const std::string& portsFile);
    ~LoopbackServers();
    LoopbackServers(const LoopbackServers&) = delete;
    LoopbackServers& operator=(const LoopbackServers&) = delete;

    [[nodiscard]] int port(LoopbackServer server) const;
    // "http://127.0.0.1:N" + path (https likewise).
    [[nodiscard]] std::string httpUrl(std::string_view path) const;
    [[nodiscard]] std::string httpsUrl(std::string_view path) const;
    // "127.0.0.1:N" of the proxy.
    [[nodiscard]] std::string proxyAddress() const;

    // The newest request the server received for exactly this target (path and query; for
    // the proxy the absolute URL or the CONNECT authority); none when there was none.
    [[nodiscard]] std::optional<RecordedRequest> lastRequest(LoopbackServer server,
                                                             std::string_view target) const;

  private:
    LoopbackServers() = default;
    bool readPorts(const std::string& portsFile);

    std::string stateDir_;  // empty when attached
    LoopbackPorts ports_;
};

}  // namespace hotlist

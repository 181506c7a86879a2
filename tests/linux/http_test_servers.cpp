#include "http_test_servers.h"

#include <cstdint>
#include <memory>
#include <string>

namespace hotlist {

LoopbackServers* testServers() {
    static const std::unique_ptr<LoopbackServers> servers = [] {
        const std::string portsFile = fixturePortsFile();
        std::unique_ptr<LoopbackServers> found;
        if (!portsFile.empty()) {
            found = LoopbackServers::attach(portsFile);
        }
        if (found) {
            return found;
        }
        LoopbackServerOptions options;
        options.fixturesDir = HOTLIST_FIXTURE_DIR;
        options.routes = {"/n/WnBe01o371=hotlist_30.html", "/n/j8Rv21noLw=hotlist_words.html",
                          "/n/W1VdJPZoLQ=hotlist_videos.html"};
        return LoopbackServers::start(options);
    }();
    return servers.get();
}

bool isPattern(const Bytes& bytes, int expectedLength) {
    if (bytes.length() != expectedLength) {
        return false;
    }
    for (int i = 0; i < expectedLength; ++i) {
        if (bytes.data()[i] != static_cast<std::uint8_t>(i % 251)) {
            return false;
        }
    }
    return true;
}

}  // namespace hotlist

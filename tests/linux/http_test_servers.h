#pragma once

#include <string>
#include <string_view>

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

}  // namespace hotlist

#pragma once

#include <string>

namespace hotlist {

// The ports of the loopback servers fixture, read from the file that
// HOTLIST_LOOPBACK_PORTS names (lines of name=port). 0 for a port it does not list.
struct LoopbackPorts {
    int http = 0;
    int https = 0;
    int proxy = 0;
};

LoopbackPorts loopbackPorts();

// "http://127.0.0.1:<port><target>" (or https).
std::string loopbackUrl(const char* scheme, int port, const std::string& target);

// Every character that is not a letter or a digit as %XX, for a query parameter value.
std::string percentEncoded(const std::string& value);

}  // namespace hotlist

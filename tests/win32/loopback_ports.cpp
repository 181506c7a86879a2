#include "loopback_ports.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace hotlist {

LoopbackPorts loopbackPorts() {
    LoopbackPorts ports;
    const char* file = std::getenv("HOTLIST_LOOPBACK_PORTS");
    if (file == nullptr) {
        return ports;
    }
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const auto separator = line.find('=');
        if (separator == std::string::npos) {
            continue;
        }
        const std::string name = line.substr(0, separator);
        const int port = std::atoi(line.c_str() + separator + 1);
        if (name == "http") {
            ports.http = port;
        } else if (name == "https") {
            ports.https = port;
        } else if (name == "proxy") {
            ports.proxy = port;
        }
    }
    return ports;
}

std::string loopbackUrl(const char* scheme, int port, const std::string& target) {
    return std::string(scheme) + "://127.0.0.1:" + std::to_string(port) + target;
}

std::string percentEncoded(const std::string& value) {
    std::string encoded;
    for (const char c : value) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            encoded += c;
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", static_cast<unsigned char>(c));
            encoded += escape;
        }
    }
    return encoded;
}

}  // namespace hotlist

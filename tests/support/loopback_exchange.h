#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a test needs to talk to the loopback servers of tests/servers, in standard C++ only so
// that the Linux and the Windows tests share it: their ports, their URLs, and the requests they
// recorded.
namespace hotlist {

namespace loopback_detail {

inline char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

inline std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace loopback_detail

// One request as a loopback server received it, byte for byte.
struct RecordedRequest {
    std::string requestLine;
    std::vector<std::string> headerLines;  // wire order, without CR LF
    std::string body;                      // as sent (chunked bodies keep their framing)

    // Splits a raw request (head, blank line, body).
    static RecordedRequest parse(std::string_view raw) {
        RecordedRequest request;
        const auto headEnd = raw.find("\r\n\r\n");
        const std::string_view head = raw.substr(0, headEnd);
        if (headEnd != std::string_view::npos) {
            request.body = std::string(raw.substr(headEnd + 4));
        }
        std::size_t start = 0;
        bool first = true;
        while (start <= head.size()) {
            const auto end = std::min(head.find("\r\n", start), head.size());
            std::string line(head.substr(start, end - start));
            if (first) {
                request.requestLine = std::move(line);
                first = false;
            } else {
                request.headerLines.push_back(std::move(line));
            }
            start = end + 2;
        }
        return request;
    }

    // The value of the first header of that name (ASCII case folded), trimmed; none if absent.
    [[nodiscard]] std::optional<std::string> header(std::string_view name) const {
        using loopback_detail::trimmed;
        for (const std::string& line : headerLines) {
            const auto colon = line.find(':');
            if (colon != std::string::npos &&
                loopback_detail::equalsIgnoringCase(
                    trimmed(std::string_view(line).substr(0, colon)), name)) {
                return std::string(trimmed(std::string_view(line).substr(colon + 1)));
            }
        }
        return std::nullopt;
    }
};

// The ports of the loopback servers; 0 for one the ports file does not list.
struct LoopbackPorts {
    int http = 0;
    int https = 0;
    int proxy = 0;

    [[nodiscard]] bool complete() const { return http > 0 && https > 0 && proxy > 0; }
};

// Reads a ports file (lines of name=port); no ports when it cannot be read.
inline LoopbackPorts readLoopbackPorts(const std::string& portsFile) {
    LoopbackPorts ports;
    std::ifstream in(portsFile);
    std::string line;
    while (std::getline(in, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string name = line.substr(0, equals);
        const int port = std::atoi(line.c_str() + equals + 1);
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

// The ports file of the ctest fixture, which HOTLIST_LOOPBACK_PORTS names; empty when unset.
inline std::string fixturePortsFile() {
    const char* file = std::getenv("HOTLIST_LOOPBACK_PORTS");
    return file == nullptr ? std::string() : std::string(file);
}

// "<scheme>://127.0.0.1:<port><target>".
inline std::string loopbackUrl(std::string_view scheme, int port, std::string_view target) {
    return std::string(scheme) + "://127.0.0.1:" + std::to_string(port) + std::string(target);
}

// The control route that answers with the newest request a server received for exactly this
// target (path and query; for the proxy the absolute URL or the CONNECT authority).
inline std::string lastRequestTarget(std::string_view target) {
    std::string route = "/__last?target=";
    for (const char c : target) {
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
                                c == '~';
        if (unreserved) {
            route += c;
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", static_cast<unsigned char>(c));
            route += escape;
        }
    }
    return route;
}

}  // namespace hotlist

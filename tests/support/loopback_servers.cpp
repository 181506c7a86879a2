#include "loopback_servers.h"

#include <curl/curl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace hotlist {

namespace {

std::string shellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string scriptPath(std::string_view name) {
    return std::string(HOTLIST_LOOPBACK_SERVERS_DIR) + "/" + std::string(name);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::size_t collect(char* data, std::size_t size, std::size_t count, void* out) {
    static_cast<std::string*>(out)->append(data, size * count);
    return size * count;
}

// A plain GET against a control route; none unless the answer is 200.
std::optional<std::string> fetch(const std::string& url) {
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> easy(curl_easy_init(),
                                                                   curl_easy_cleanup);
    if (!easy) {
        return std::nullopt;
    }
    std::string body;
    curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy.get(), CURLOPT_PROXY, "");
    curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(easy.get(), CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(easy.get(), CURLOPT_TIMEOUT_MS, 10000L);
    // The HTTPS server's certificate is made at start-up and trusted by nobody.
    curl_easy_setopt(easy.get(), CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(easy.get(), CURLOPT_SSL_VERIFYHOST, 0L);
    long status = 0;
    if (curl_easy_perform(easy.get()) != CURLE_OK ||
        curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status) != CURLE_OK ||
        status != 200) {
        return std::nullopt;
    }
    return body;
}

std::string escapedQueryValue(std::string_view value) {
    std::unique_ptr<char, decltype(&curl_free)> escaped(
        curl_easy_escape(nullptr, value.data(), static_cast<int>(value.size())), curl_free);
    return escaped ? std::string(escaped.get()) : std::string();
}

}  // namespace

RecordedRequest RecordedRequest::parse(std::string_view raw) {
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
        const std::string line(head.substr(start, end - start));
        if (first) {
            request.requestLine = line;
            first = false;
        } else {
            request.headerLines.push_back(line);
        }
        start = end + 2;
    }
    return request;
}

std::optional<std::string> RecordedRequest::header(std::string_view name) const {
    for (const std::string& line : headerLines) {
        const auto colon = line.find(':');
        if (colon != std::string::npos &&
            equalsIgnoringCase(trimmed(std::string_view(line).substr(0, colon)), name)) {
            return std::string(trimmed(std::string_view(line).substr(colon + 1)));
        }
    }
    return std::nullopt;
}

std::unique_ptr<LoopbackServers> LoopbackServers::start(const LoopbackServerOptions& options) {
    std::string stateTemplate =
        (std::filesystem::temp_directory_path() / "hotlist-loopback-XXXXXX").string();
    if (mkdtemp(stateTemplate.data()) == nullptr) {
        return nullptr;
    }
    std::unique_ptr<LoopbackServers> servers(new LoopbackServers());
    servers->stateDir_ = stateTemplate;

    std::string command =
        shellQuoted(scriptPath("start_servers.sh")) + " " + shellQuoted(servers->stateDir_);
    if (!options.fixturesDir.empty()) {
        command += " --fixtures " + shellQuoted(options.fixturesDir);
    }
    for (const std::string& route : options.routes) {
        command += " --route " + shellQuoted(route);
    }
    if (!options.proxyCredentials.empty()) {
        command += " --proxy-credentials " + shellQuoted(options.proxyCredentials);
    }
    command += " >/dev/null";
    if (std::system(command.c_str()) != 0 || !servers->readPorts(servers->stateDir_ + "/ports")) {
        return nullptr;  // the destructor stops whatever did start
    }
    return servers;
}

std::unique_ptr<LoopbackServers> LoopbackServers::attach(const std::string& portsFile) {
    std::unique_ptr<LoopbackServers> servers(new LoopbackServers());
    if (!servers->readPorts(portsFile)) {
        return nullptr;
    }
    return servers;
}

LoopbackServers::~LoopbackServers() {
    if (stateDir_.empty()) {
        return;
    }
    const std::string command = shellQuoted(scriptPath("stop_servers.sh")) + " " +
                                shellQuoted(stateDir_) + " >/dev/null 2>&1";
    static_cast<void>(std::system(command.c_str()));
    std::error_code ignored;
    std::filesystem::remove_all(stateDir_, ignored);
}

bool LoopbackServers::readPorts(const std::string& portsFile) {
    std::ifstream in(portsFile);
    std::string line;
    while (std::getline(in, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, equals);
        const int value = std::atoi(line.c_str() + equals + 1);
        if (key == "http") {
            http_ = value;
        } else if (key == "https") {
            https_ = value;
        } else if (key == "proxy") {
            proxy_ = value;
        }
    }
    return http_ > 0 && https_ > 0 && proxy_ > 0;
}

int LoopbackServers::port(LoopbackServer server) const {
    switch (server) {
        case LoopbackServer::http:
            return http_;
        case LoopbackServer::https:
            return https_;
        case LoopbackServer::proxy:
            return proxy_;
    }
    return 0;
}

std::string LoopbackServers::httpUrl(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(http_) + std::string(path);
}

std::string LoopbackServers::httpsUrl(std::string_view path) const {
    return "https://127.0.0.1:" + std::to_string(https_) + std::string(path);
}

std::string LoopbackServers::proxyAddress() const {
    return "127.0.0.1:" + std::to_string(proxy_);
}

// Control routes are plain HTTP on every server; the HTTPS one is asked through TLS.
std::optional<RecordedRequest> LoopbackServers::lastRequest(LoopbackServer server,
                                                            std::string_view target) const {
    const std::string scheme = server == LoopbackServer::https ? "https" : "http";
    const std::string url = scheme + "://127.0.0.1:" + std::to_string(port(server)) +
                            "/__last?target=" + escapedQueryValue(target);
    const std::optional<std::string> raw = fetch(url);
    if (!raw) {
        return std::nullopt;
    }
    return RecordedRequest::parse(*raw);
}

}  // namespace hotlist

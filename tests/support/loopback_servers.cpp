#include "loopback_servers.h"

#include <curl/curl.h>

#include <cstdlib>
#include <filesystem>

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

}  // namespace

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
    ports_ = readLoopbackPorts(portsFile);
    return ports_.complete();
}

int LoopbackServers::port(LoopbackServer server) const {
    switch (server) {
        case LoopbackServer::http:
            return ports_.http;
        case LoopbackServer::https:
            return ports_.https;
        case LoopbackServer::proxy:
            return ports_.proxy;
    }
    return 0;
}

std::string LoopbackServers::httpUrl(std::string_view path) const {
    return loopbackUrl("http", ports_.http, path);
}

std::string LoopbackServers::httpsUrl(std::string_view path) const {
    return loopbackUrl("https", ports_.https, path);
}

std::string LoopbackServers::proxyAddress() const {
    return "127.0.0.1:" + std::to_string(ports_.proxy);
}

// Control routes are plain HTTP on every server; the HTTPS one is asked through TLS.
std::optional<RecordedRequest> LoopbackServers::lastRequest(LoopbackServer server,
                                                            std::string_view target) const {
    const std::string scheme = server == LoopbackServer::https ? "https" : "http";
    const std::optional<std::string> raw =
        fetch(loopbackUrl(scheme, port(server), lastRequestTarget(target)));
    if (!raw) {
        return std::nullopt;
    }
    return RecordedRequest::parse(*raw);
}

}  // namespace hotlist

#include "desktop_page_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "file_bytes.h"

namespace hotlist::testing {
namespace {

std::string readHead(int connection) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        pollfd ready{connection, POLLIN, 0};
        if (poll(&ready, 1, 5000) <= 0) {
            break;
        }
        const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) {
            break;
        }
        head.append(buffer, static_cast<std::size_t>(got));
    }
    return head;
}

ReceivedRequest parse(const std::string& head) {
    ReceivedRequest request;
    std::istringstream lines(head.substr(0, head.find("\r\n\r\n")));
    std::string line;
    std::getline(lines, line);
    std::istringstream requestLine(line);
    requestLine >> request.method >> request.path;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            request.headers.push_back(line);
        }
    }
    return request;
}

void sendAll(int connection, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
}

}  // namespace

DesktopPageServer::DesktopPageServer(std::map<std::string, std::string> pages)
    : pages_(std::move(pages)) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listener_, 16) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("the page server cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

DesktopPageServer::~DesktopPageServer() {
    stopping_ = true;
    thread_.join();
    close(listener_);
}

std::string DesktopPageServer::baseUrl() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

void DesktopPageServer::setPage(const std::string& path, std::string body) {
    const std::lock_guard lock(mutex_);
    pages_[path] = std::move(body);
}

std::vector<ReceivedRequest> DesktopPageServer::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

int DesktopPageServer::requestCount(const std::string& path) const {
    const std::lock_guard lock(mutex_);
    int count = 0;
    for (const auto& request : requests_) {
        count += request.path == path ? 1 : 0;
    }
    return count;
}

void DesktopPageServer::serve() {
    while (!stopping_) {
        pollfd ready{listener_, POLLIN, 0};
        if (poll(&ready, 1, 50) <= 0) {
            continue;
        }
        const int connection = accept(listener_, nullptr, nullptr);
        if (connection >= 0) {
            answer(connection);
            close(connection);
        }
    }
}

void DesktopPageServer::answer(int connection) {
    const std::string head = readHead(connection);
    if (head.empty()) {
        return;
    }
    ReceivedRequest request = parse(head);
    std::string body;
    bool found = false;
    {
        const std::lock_guard lock(mutex_);
        const auto page = pages_.find(request.path);
        found = page != pages_.end();
        if (found) {
            body = page->second;
        }
        requests_.push_back(std::move(request));
    }
    const std::string status = found ? "200 OK" : "404 Not Found";
    sendAll(connection, "HTTP/1.1 " + status +
                            "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                            std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
}

std::string fixturePage(const std::string& name) {
    return fileBytes(std::filesystem::path(HOTLIST_FIXTURE_DIR) / name);
}

}  // namespace hotlist::testing

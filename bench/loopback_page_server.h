#pragma once

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

// Serves one fixed page over HTTP/1.1 on 127.0.0.1 at a port the system picks, on a thread
// of its own, one connection after the other (the benchmarks ask one request at a time).
class LoopbackPageServer {
  public:
    explicit LoopbackPageServer(const std::string& page)
        : response_(
              "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
              "Content-Length: " +
              std::to_string(page.size()) + "\r\n\r\n" + page) {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        if (listener_ < 0 ||
            bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            listen(listener_, 16) != 0 ||
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            return;
        }
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }

    ~LoopbackPageServer() {
        stopping_ = true;
        if (listener_ >= 0) {
            shutdown(listener_, SHUT_RDWR);
            close(listener_);
        }
        if (thread_.joinable()) {
            thread_.join();
        }
    }

    LoopbackPageServer(const LoopbackPageServer&) = delete;
    LoopbackPageServer& operator=(const LoopbackPageServer&) = delete;

    [[nodiscard]] std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    [[nodiscard]] bool running() const { return port_ != 0; }

  private:
    void serve() {
        while (!stopping_) {
            const int connection = accept(listener_, nullptr, nullptr);
            if (connection < 0) {
                continue;
            }
            answerAll(connection);
            close(connection);
        }
    }

    // Answers every request head on the connection until the client closes it.
    void answerAll(int connection) const {
        std::string pending;
        char buffer[4096];
        while (true) {
            const auto headEnd = pending.find("\r\n\r\n");
            if (headEnd != std::string::npos) {
                pending.erase(0, headEnd + 4);
                if (!sendAll(connection)) {
                    return;
                }
                continue;
            }
            const ssize_t received = recv(connection, buffer, sizeof(buffer), 0);
            if (received <= 0) {
                return;
            }
            pending.append(buffer, static_cast<std::size_t>(received));
        }
    }

    [[nodiscard]] bool sendAll(int connection) const {
        std::size_t sent = 0;
        while (sent < response_.size()) {
            const ssize_t n =
                send(connection, response_.data() + sent, response_.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) {
                return false;
            }
            sent += static_cast<std::size_t>(n);
        }
        return true;
    }

    std::string response_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace hotlist::testing {

// One request as the server received it.
struct ReceivedRequest {
    std::string method;
    std::string path;
    // Header lines in wire order, as "Name: value".
    std::vector<std::string> headers;
};

// A small HTTP server on 127.0.0.1 (a port the system picks) serving fixed pages by path and
// recording every request; unknown paths get 404. Runs on its own thread.
class DesktopPageServer {
  public:
    explicit DesktopPageServer(std::map<std::string, std::string> pages);
    ~DesktopPageServer();
    DesktopPageServer(const DesktopPageServer&) = delete;
    DesktopPageServer& operator=(const DesktopPageServer&) = delete;

    // "http://127.0.0.1:<port>", no trailing slash.
    [[nodiscard]] std::string baseUrl() const;
    void setPage(const std::string& path, std::string body);
    [[nodiscard]] std::vector<ReceivedRequest> requests() const;
    // Requests for exactly this path.
    [[nodiscard]] int requestCount(const std::string& path) const;

  private:
    void serve();
    void answer(int connection);

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::map<std::string, std::string> pages_;
    std::vector<ReceivedRequest> requests_;
    std::thread thread_;
};

// The bytes of a file of the fixture directory.
std::string fixturePage(const std::string& name);

}  // namespace hotlist::testing

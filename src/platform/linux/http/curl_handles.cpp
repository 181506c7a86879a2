#include "http/curl_handles.h"

namespace hotlist {

namespace {

// libcurl's global state lives as long as the process; the cleanup runs at exit.
class CurlGlobal {
  public:
    CurlGlobal() : ready_(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}
    ~CurlGlobal() {
        if (ready_) {
            curl_global_cleanup();
        }
    }
    CurlGlobal(const CurlGlobal&) = delete;
    CurlGlobal& operator=(const CurlGlobal&) = delete;

    [[nodiscard]] bool ready() const { return ready_; }

  private:
    bool ready_;
};

// Starts libcurl once per process; false when it could not start.
bool curlReady() {
    static const CurlGlobal global;
    return global.ready();
}

}  // namespace

EasyHandle makeEasyHandle() {
    if (!curlReady()) {
        return nullptr;
    }
    return EasyHandle(curl_easy_init());
}

bool appendHeaderLine(HeaderList& list, const std::string& line) {
    curl_slist* grown = curl_slist_append(list.get(), line.c_str());
    if (grown == nullptr) {
        return false;
    }
    static_cast<void>(list.release());
    list.reset(grown);
    return true;
}

}  // namespace hotlist

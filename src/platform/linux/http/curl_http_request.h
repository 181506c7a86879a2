#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "http/curl_handles.h"
#include "http/transfer_watch.h"
#include "web/http_request_object.h"

namespace hotlist {

// The request object over one libcurl easy handle: synchronous, HTTP/1.1, no cookie engine.
class CurlHttpRequest final : public HttpRequestObject {
  public:
    // Check valid() before use: the handle may fail to come into being.
    CurlHttpRequest();

    [[nodiscard]] bool valid() const { return easy_ != nullptr; }

    bool SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) override;
    bool SetProxy(int setting, const Text& server) override;
    bool Open(const Text& method, const Text& url, bool async) override;
    bool putOption(int index, int value) override;
    bool SetCredentials(const Text& user, const Text& password, int target) override;
    bool SetRequestHeader(const Text& name, const Text& value) override;
    bool Send(const Bytes& body) override;
    bool Send(const Text& body) override;
    Bytes ResponseBody() override;
    Text GetAllResponseHeaders() override;
    double Status() override;

  private:
    struct Credentials {
        std::string user;
        std::string password;
        bool set = false;
    };
    struct Response {
        std::vector<std::uint8_t> body;
        std::string headerLines;
        int status = 0;
        bool headersComplete = false;
    };

    bool perform(std::string_view body);
    [[nodiscard]] bool sendsBody(std::string_view body) const;
    bool configureTransfer(std::string_view body);
    bool configureMethod(std::string_view body);
    bool configureSecurity();
    bool configureProxy();
    bool configureCredentials();
    bool configureHeaders(bool hasBody);
    void onHeaderLine(std::string_view line);
    void reserveForContentLength(std::string_view line);
    static std::size_t receiveHeader(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t receiveBody(char* data, std::size_t size, std::size_t count, void* self);

    EasyHandle easy_;
    TransferWatch watch_;
    long connectTimeoutMs_ = 0;
    std::string proxy_;
    bool followRedirects_ = true;
    bool verifyPeer_ = true;
    bool verifyHost_ = true;

    bool opened_ = false;
    bool secure_ = false;
    std::string method_;
    std::string url_;
    std::vector<std::string> serverHeaders_;
    std::vector<std::string> proxyHeaders_;
    Credentials serverCredentials_;
    Credentials proxyCredentials_;
    HeaderList serverHeaderList_;
    HeaderList proxyHeaderList_;

    Response response_;
};

// Makes a CurlHttpRequest per call; null when libcurl cannot start or give a handle.
class CurlHttpRequestFactory final : public HttpRequestFactory {
  public:
    std::shared_ptr<HttpRequestObject> create() override;
};

}  // namespace hotlist

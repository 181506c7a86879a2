#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "call_log.h"
#include "web/http_request_object.h"

namespace hotlist {

// What a fake request object answers once it has been sent.
struct FakeResponse {
    Bytes body;
    Text headers;
    double status = 0;
};

// A request object that records every call with its arguments, e.g.
// Open("GET", "http://h/", false) or putOption(4, 0x3300), and answers the reads from a
// FakeResponse. With `failing` set every write reports failure and every read is empty, as
// a real object does after a transport error. Its destruction is recorded as "release".
class RecordingHttpRequest : public HttpRequestObject {
  public:
    explicit RecordingHttpRequest(CallLog& log, FakeResponse response = {}, bool failing = false)
        : log_(log), response_(std::move(response)), failing_(failing) {}
    ~RecordingHttpRequest() override { log_.emplace_back("release"); }
    RecordingHttpRequest(const RecordingHttpRequest&) = delete;
    RecordingHttpRequest& operator=(const RecordingHttpRequest&) = delete;

    bool SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) override {
        return record("SetTimeouts(" + std::to_string(resolveMs) + ", " +
                      std::to_string(connectMs) + ", " + std::to_string(sendMs) + ", " +
                      std::to_string(receiveMs) + ")");
    }
    bool SetProxy(int setting, const Text& server) override {
        return record("SetProxy(" + std::to_string(setting) + ", " + inQuotes(server.view()) + ")");
    }
    bool Open(const Text& method, const Text& url, bool async) override {
        return record("Open(" + inQuotes(method.view()) + ", " + inQuotes(url.view()) + ", " +
                      (async ? "true" : "false") + ")");
    }
    bool putOption(int index, int value) override {
        std::ostringstream line;
        line << "putOption(" << index << ", 0x" << std::hex << value << ")";
        return record(line.str());
    }
    bool SetCredentials(const Text& user, const Text& password, int target) override {
        return record("SetCredentials(" + inQuotes(user.view()) + ", " + inQuotes(password.view()) +
                      ", " + std::to_string(target) + ")");
    }
    bool SetRequestHeader(const Text& name, const Text& value) override {
        return record("SetRequestHeader(" + inQuotes(name.view()) + ", " + inQuotes(value.view()) +
                      ")");
    }
    bool Send(const Bytes& body) override {
        return record("Send(Bytes " + inQuotes(body.view()) + ")");
    }
    bool Send(const Text& body) override { return record("Send(" + inQuotes(body.view()) + ")"); }
    Bytes ResponseBody() override {
        record("ResponseBody()");
        return failing_ ? Bytes() : response_.body;
    }
    Text GetAllResponseHeaders() override {
        record("GetAllResponseHeaders()");
        return failing_ ? Text() : response_.headers;
    }
    double Status() override {
        record("Status()");
        return failing_ ? 0 : response_.status;
    }

  private:
    bool record(std::string line) {
        log_.push_back(std::move(line));
        return !failing_;
    }

    CallLog& log_;
    FakeResponse response_;
    bool failing_;
};

// Makes RecordingHttpRequest objects that share its log and answer with `response`;
// records each attempt as "create" and makes none while `failCreation` is set.
class RecordingHttpRequestFactory : public HttpRequestFactory {
  public:
    explicit RecordingHttpRequestFactory(CallLog& log) : log_(log) {}

    std::shared_ptr<HttpRequestObject> create() override {
        log_.emplace_back("create");
        if (failCreation) {
            return nullptr;
        }
        return std::make_shared<RecordingHttpRequest>(log_, response, failingObjects);
    }

    FakeResponse response;
    bool failCreation = false;
    bool failingObjects = false;

  private:
    CallLog& log_;
};

}  // namespace hotlist

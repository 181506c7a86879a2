#include "base/winhttp_request.h"

#include <utility>

#include "base/com_text.h"
#include "base/dispatch.h"

namespace hotlist {
namespace {

class WinHttpRequest final : public HttpRequestObject {
  public:
    explicit WinHttpRequest(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    bool SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) override {
        const UniqueVariant resolve = variantFromInt(resolveMs);
        const UniqueVariant connect = variantFromInt(connectMs);
        const UniqueVariant send = variantFromInt(sendMs);
        const UniqueVariant receive = variantFromInt(receiveMs);
        return call(L"SetTimeouts", {&resolve, &connect, &send, &receive});
    }

    bool SetProxy(int setting, const Text& server) override {
        const UniqueVariant proxySetting = variantFromInt(setting);
        const UniqueVariant proxyServer = variantFromText(server);
        return call(L"SetProxy", {&proxySetting, &proxyServer});
    }

    bool Open(const Text& method, const Text& url, bool async) override {
        const UniqueVariant verb = variantFromText(method);
        const UniqueVariant address = variantFromText(url);
        const UniqueVariant asynchronous = variantFromBool(async);
        return call(L"Open", {&verb, &address, &asynchronous});
    }

    bool putOption(int index, int value) override {
        const UniqueVariant option = variantFromInt(index);
        const UniqueVariant setting = variantFromInt(value);
        return invoke(object_.get(), L"Option", DispatchCall::propertyPut, {&option, &setting})
            .has_value();
    }

    bool SetCredentials(const Text& user, const Text& password, int target) override {
        const UniqueVariant userName = variantFromText(user);
        const UniqueVariant secret = variantFromText(password);
        const UniqueVariant flags = variantFromInt(target);
        return call(L"SetCredentials", {&userName, &secret, &flags});
    }

    bool SetRequestHeader(const Text& name, const Text& value) override {
        const UniqueVariant header = variantFromText(name);
        const UniqueVariant content = variantFromText(value);
        return call(L"SetRequestHeader", {&header, &content});
    }

    bool Send(const Bytes& body) override {
        const UniqueVariant content = variantFromBytes(body);
        return call(L"Send", {&content});
    }

    bool Send(const Text& body) override {
        const UniqueVariant content = variantFromText(body);
        return call(L"Send", {&content});
    }

    Bytes ResponseBody() override {
        const auto value = invoke(object_.get(), L"ResponseBody", DispatchCall::propertyGet);
        return value ? bytesFromVariant(value->get()) : Bytes();
    }

    Text GetAllResponseHeaders() override {
        const auto value = invoke(object_.get(), L"GetAllResponseHeaders", DispatchCall::method);
        return value ? textFromVariant(value->get()) : Text();
    }

    double Status() override {
        const auto value = invoke(object_.get(), L"Status", DispatchCall::propertyGet);
        return value ? numberFromVariant(value->get()) : 0;
    }

  private:
    bool call(const wchar_t* name, std::initializer_list<const UniqueVariant*> arguments) {
        return invoke(object_.get(), name, DispatchCall::method, arguments).has_value();
    }

    ComPtr<IDispatch> object_;
};

}  // namespace

std::shared_ptr<HttpRequestObject> WinHttpRequestFactory::create() {
    ComPtr<IDispatch> object = createObject(L"WinHttp.WinHttpRequest.5.1");
    if (!object) {
        return nullptr;
    }
    return std::make_shared<WinHttpRequest>(std::move(object));
}

}  // namespace hotlist

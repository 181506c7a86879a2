#pragma once

#include <memory>

#include "text/text.h"

namespace hotlist {

// The platform HTTP request object, shaped as the WinHttpRequest automation object. Each
// write reports success; a failed read gives the empty value (empty bytes, empty text, 0).
// No exception and no platform error type crosses this interface.
class HttpRequestObject {
  public:
    virtual ~HttpRequestObject() = default;
    virtual bool SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) = 0;
    virtual bool SetProxy(int setting, const Text& server) = 0;
    virtual bool Open(const Text& method, const Text& url, bool async) = 0;
    // Write of the Option property.
    virtual bool putOption(int index, int value) = 0;
    virtual bool SetCredentials(const Text& user, const Text& password, int target) = 0;
    virtual bool SetRequestHeader(const Text& name, const Text& value) = 0;
    virtual bool Send(const Bytes& body) = 0;
    virtual bool Send(const Text& body) = 0;
    virtual Bytes ResponseBody() = 0;
    virtual Text GetAllResponseHeaders() = 0;
    virtual double Status() = 0;
};

// Creates request objects; null when none can be made.
class HttpRequestFactory {
  public:
    virtual ~HttpRequestFactory() = default;
    virtual std::shared_ptr<HttpRequestObject> create() = 0;
};

inline constexpr int kOptionEnableRedirects = 6;
inline constexpr int kOptionSslErrorIgnoreFlags = 4;
inline constexpr int kProxySettingProxy = 2;
inline constexpr int kCredentialsForServer = 0;
inline constexpr int kCredentialsForProxy = 1;

}  // namespace hotlist

#include "web/web_request.h"

#include <array>
#include <cstdint>
#include <limits>

#include "web/base64.h"
#include "web/cookie_strings.h"
#include "web/header_block.h"

namespace hotlist {

namespace {

constexpr std::array<const char*, 8> kMethodNames = {"GET",     "POST",   "HEAD",  "PUT",
                                                     "OPTIONS", "DELETE", "TRACE", "CONNECT"};
constexpr int kKeepTimeouts = -1;
constexpr int kDefaultTimeoutMs = 15000;
constexpr int kIgnoredCertificateErrors = 0x3300;

int methodIndex(int method) {
    return method < 0 || method >= static_cast<int>(kMethodNames.size()) ? 0 : method;
}

// Seconds beyond the 32-bit millisecond range give the largest time-out rather than an
// overflowed one.
int timeoutMilliseconds(int seconds) {
    if (seconds < 1) {
        return kDefaultTimeoutMs;
    }
    const std::int64_t ms = std::int64_t{seconds} * 1000;
    const std::int64_t largest = std::numeric_limits<int>::max();
    return static_cast<int>(ms > largest ? largest : ms);
}

Text headerBlock(const Text& url, int method, const WebRequestOptions& options) {
    Text block = options.extraHeaders;
    if (options.useDefaultHeaders) {
        block = addDefaultHeaders(block, url, method);
    }
    if (options.normaliseHeaders) {
        block = normaliseHeaderBlock(block);
    }
    return block;
}

void setCredentials(HttpRequestObject& request, const WebRequestOptions& options) {
    if (options.proxy.empty() || options.proxyUser.empty()) {
        return;
    }
    request.SetCredentials(options.proxyUser, options.proxyPassword, options.credentialTarget);
    if (options.credentialTarget == kCredentialsForProxy) {
        const Text pair = concatText(options.proxyUser, ":", options.proxyPassword);
        request.SetRequestHeader("Proxy-Authorization",
                                 concatText("Basic ", base64Encode(textToBytes(pair))));
    }
}

// Sends the caller's cookies, without any "Cookie:" name written into them; the caller's
// text keeps that removal.
void setCookieHeader(HttpRequestObject& request, Text* cookies) {
    if (cookies == nullptr) {
        return;
    }
    if (!cookies->empty() && findText(*cookies, "Cookie:", 0, true) != -1) {
        *cookies = replaceSubtext(*cookies, "Cookie:", "", false);
    }
    request.SetRequestHeader("Cookie", *cookies);
}

// A one-line block goes out as it is; in a longer block empty lines and the keep-alive line
// are left out.
void setBlockHeaders(HttpRequestObject& request, const Text& block) {
    if (findText(block, "\r\n") == -1) {
        request.SetRequestHeader(headerName(block), headerValue(block));
        return;
    }
    const TextArray lines = splitText(block, "\r\n");
    for (int i = 1; i <= elementCount(lines); ++i) {
        const Text& line = lines.at(i);
        if (line.empty()) {
            continue;
        }
        const Text name = headerName(line);
        const Text value = headerValue(line);
        if (compareText(name, "Connection") == 0 && compareText(value, "keep-alive") == 0) {
            continue;
        }
        request.SetRequestHeader(name, value);
    }
}

void prepare(HttpRequestObject& request, const Text& url, int method,
             const WebRequestOptions& options) {
    if (options.timeoutSeconds != kKeepTimeouts) {
        const int ms = timeoutMilliseconds(options.timeoutSeconds);
        request.SetTimeouts(ms, ms, ms, ms);
    }
    if (!options.proxy.empty()) {
        request.SetProxy(kProxySettingProxy, options.proxy);
    }
    request.Open(kMethodNames[static_cast<std::size_t>(method)], url, false);
    if (options.disableRedirects != 0) {
        request.putOption(kOptionEnableRedirects, 0);
    }
    request.putOption(kOptionSslErrorIgnoreFlags, kIgnoredCertificateErrors);
    const Text block = headerBlock(url, method, options);
    setCredentials(request, options);
    setCookieHeader(request, options.cookies);
    setBlockHeaders(request, block);
}

void send(HttpRequestObject& request, const WebRequestOptions& options) {
    if (!options.postBytes.empty()) {
        request.Send(options.postBytes);
    } else {
        request.Send(options.postText);
    }
}

// Reads headers, status and cookies of the response and stores them where the caller asked.
void storeResponseDetails(HttpRequestObject& request, const WebRequestOptions& options) {
    const Text headers = request.GetAllResponseHeaders();
    const int status = truncateToInteger(request.Status());
    Text cookies = collectReturnedCookies(headers);
    if (options.mergeReturnedCookies && options.cookies != nullptr) {
        cookies = mergeCookies(*options.cookies, cookies);
    }
    if (options.returnedCookies != nullptr) {
        *options.returnedCookies = cookies;
    }
    if (options.returnedHeaders != nullptr) {
        *options.returnedHeaders = headers;
    }
    if (options.statusCode != nullptr) {
        *options.statusCode = status;
    }
}

}  // namespace

Bytes WebRequest(HttpRequestFactory& factory, ComLibrary& com, const Text& url,
                 const WebRequestOptions& options) {
    const ScopedComInitialization comScope(com);
    const int method = methodIndex(options.method);
    // Declared after the COM scope so that the object is released before CoUninitialize.
    std::shared_ptr<HttpRequestObject> request =
        options.requestObject ? options.requestObject : factory.create();
    if (!request) {
        return {};
    }
    prepare(*request, url, method, options);
    send(*request, options);
    Bytes body = request->ResponseBody();
    storeResponseDetails(*request, options);
    request.reset();
    return body;
}

}  // namespace hotlist

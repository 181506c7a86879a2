#pragma once

#include <memory>

#include "text/com_library.h"
#include "text/text.h"
#include "web/http_request_object.h"

namespace hotlist {

// The optional inputs and outputs of WebRequest. Output pointers are written only when set.
struct WebRequestOptions {
    // 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE, 6 TRACE, 7 CONNECT; others mean GET.
    int method = 0;
    Text postText;
    // In/out: sent as the Cookie header and replaced by the merged cookies. Null: no Cookie
    // header and no merge; an empty text still counts as supplied.
    Text* cookies = nullptr;
    Text* returnedCookies = nullptr;
    Text extraHeaders;
    Text* returnedHeaders = nullptr;
    int* statusCode = nullptr;
    int disableRedirects = 0;
    // Sent instead of postText when not empty.
    Bytes postBytes;
    Text proxy;
    // -1 keeps the object's time-outs; 0 or below means 15 seconds.
    int timeoutSeconds = 0;
    Text proxyUser;
    Text proxyPassword;
    // 1: the credentials are for the proxy (and a Basic Proxy-Authorization header goes
    // along); 0: for the server.
    int credentialTarget = kCredentialsForProxy;
    // Used instead of a new object when set.
    std::shared_ptr<HttpRequestObject> requestObject;
    bool mergeReturnedCookies = true;
    bool useDefaultHeaders = true;
    bool normaliseHeaders = true;
};

// One synchronous exchange; returns a copy of the response body, empty when no request
// object could be created (then no output is written).
Bytes WebRequest(HttpRequestFactory& factory, ComLibrary& com, const Text& url,
                 const WebRequestOptions& options = {});

}  // namespace hotlist

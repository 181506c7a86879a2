#include "http/curl_http_request.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <string_view>

namespace hotlist {

namespace {

constexpr int kRedirectLimit = 10;
// curl reads a connect time-out of 0 as its own default, so "no limit" is a very long one
// (about 24 days; kept within int so that no libcurl build can overflow it).
constexpr long kNoConnectLimitMs = INT_MAX;

constexpr int kIgnoreUnknownAuthority = 0x0100;
constexpr int kIgnoreWrongUsage = 0x0200;
constexpr int kIgnoreInvalidCommonName = 0x1000;
constexpr int kIgnoreInvalidDate = 0x2000;

struct UrlCleanup {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
struct CurlFree {
    void operator()(char* text) const { curl_free(text); }
};

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

// The header name of a stored "Name: value" or "Name;" line.
std::string_view lineName(std::string_view line) {
    return line.substr(0, line.find_first_of(":;"));
}

bool namesHeader(const std::vector<std::string>& lines, std::string_view name) {
    return std::any_of(lines.begin(), lines.end(), [name](const std::string& line) {
        return equalsIgnoringCase(lineName(line), name);
    });
}

// A header name is a token; a value may hold any byte but a line break or a zero byte,
// so no caller can smuggle a second header or a second request onto the wire.
bool validHeaderName(std::string_view name) {
    return std::all_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > 0x20 && byte < 0x7F && c != ':' && c != ';';
    });
}

bool validHeaderValue(std::string_view value) {
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool validMethod(std::string_view method) {
    return !method.empty() && validHeaderName(method);
}

bool blank(std::string_view value) {
    return value.find_first_not_of(" \t") == std::string_view::npos;
}

// Spaces and bytes of 0x80 and above cannot stand in a request line; like the platform's own
// request object, send them percent-encoded (a code page 936 character as its two bytes).
std::string escapeUnsafeBytes(std::string_view url) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(url.size());
    for (const char c : url) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == ' ' || byte >= 0x80) {
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0x0F];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// The scheme of a well-formed http or https URL, lower case; empty for anything else.
std::string urlScheme(const std::string& url) {
    const std::unique_ptr<CURLU, UrlCleanup> parsed(curl_url());
    if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK) {
        return {};
    }
    char* schemePart = nullptr;
    if (curl_url_get(parsed.get(), CURLUPART_SCHEME, &schemePart, 0) != CURLUE_OK) {
        return {};
    }
    const std::unique_ptr<char, CurlFree> scheme(schemePart);
    const std::string_view name(scheme.get());
    return name == "http" || name == "https" ? std::string(name) : std::string();
}

int parseStatus(std::string_view statusLine) {
    const auto space = statusLine.find(' ');
    if (space == std::string_view::npos) {
        return 0;
    }
    const std::string_view code = statusLine.substr(space + 1, 3);
    int status = 0;
    const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), status);
    return error == std::errc() && end == code.data() + code.size() ? status : 0;
}

std::int64_t positiveSum(int a, int b) {
    return static_cast<std::int64_t>(std::max(a, 0)) + std::max(b, 0);
}

int onConnected(void* self, char*, char*, int, int) {
    static_cast<TransferWatch*>(self)->connected(TransferWatch::Clock::now());
    return CURL_PREREQFUNC_OK;
}

int onProgress(void* self, curl_off_t, curl_off_t downloaded, curl_off_t uploadTotal,
               curl_off_t uploaded) {
    auto* watch = static_cast<TransferWatch*>(self);
    return watch->stalled(TransferWatch::Clock::now(), uploadTotal, uploaded, downloaded) ? 1 : 0;
}

}  // namespace

CurlHttpRequest::CurlHttpRequest() : easy_(makeEasyHandle()) {}

// Name resolution and connecting cannot be bounded apart in libcurl, so the two limits form
// one budget; sending and receiving are bounded as the longest pause without a byte moving.
bool CurlHttpRequest::SetTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs) {
    if (!valid()) {
        return false;
    }
    const std::int64_t connectBudget = positiveSum(resolveMs, connectMs);
    connectTimeoutMs_ =
        connectBudget == 0
            ? kNoConnectLimitMs
            : static_cast<long>(std::min<std::int64_t>(connectBudget, kNoConnectLimitMs));
    watch_.setLimits(sendMs, receiveMs);
    return true;
}

// Setting 2 names a proxy; 0 (the default) and 1 (direct) both mean no proxy at all.
bool CurlHttpRequest::SetProxy(int setting, const Text& server) {
    if (!valid() || setting < 0 || setting > kProxySettingProxy) {
        return false;
    }
    if (setting != kProxySettingProxy) {
        proxy_.clear();
        return true;
    }
    if (server.empty() || !validHeaderValue(server.view())) {
        return false;
    }
    const std::string_view named = server.view();
    proxy_ = named.find("://") == std::string_view::npos ? "http://" + std::string(named)
                                                         : std::string(named);
    return true;
}

// Starts a new request: the headers, credentials and response of the previous one are gone;
// time-outs, proxy and options stay with the object. Only synchronous requests exist here.
bool CurlHttpRequest::Open(const Text& method, const Text& url, bool async) {
    opened_ = false;
    serverHeaders_.clear();
    proxyHeaders_.clear();
    serverCredentials_ = {};
    proxyCredentials_ = {};
    response_ = {};
    if (!valid() || async || !validMethod(method.view())) {
        return false;
    }
    url_ = escapeUnsafeBytes(url.view());
    const std::string scheme = urlScheme(url_);
    if (scheme.empty()) {
        return false;
    }
    secure_ = scheme == "https";
    method_ = std::string(method.view());
    opened_ = true;
    return true;
}

bool CurlHttpRequest::putOption(int index, int value) {
    if (!valid()) {
        return false;
    }
    if (index == kOptionEnableRedirects) {
        followRedirects_ = value != 0;
    } else if (index == kOptionSslErrorIgnoreFlags) {
        // The hot-list pages are public and only read, and the program always asks for these
        // errors to be ignored, as the platform's own request object allows; so the check is
        // dropped on request rather than failing the collection on an odd certificate.
        verifyPeer_ =
            (value & (kIgnoreUnknownAuthority | kIgnoreWrongUsage | kIgnoreInvalidDate)) == 0;
        verifyHost_ = (value & kIgnoreInvalidCommonName) == 0;
    }
    return true;
}

bool CurlHttpRequest::SetCredentials(const Text& user, const Text& password, int target) {
    if (!opened_ || (target != kCredentialsForServer && target != kCredentialsForProxy)) {
        return false;
    }
    Credentials& credentials =
        target == kCredentialsForProxy ? proxyCredentials_ : serverCredentials_;
    credentials = {std::string(user.view()), std::string(password.view()), true};
    return true;
}

// Adds "Name: value" in call order. A Proxy-Authorization header goes to the proxy only, so it
// is neither sent twice nor carried into a tunnel to the server.
bool CurlHttpRequest::SetRequestHeader(const Text& name, const Text& value) {
    if (!opened_) {
        return false;
    }
    if (name.empty()) {
        return true;
    }
    if (!validHeaderName(name.view()) || !validHeaderValue(value.view())) {
        return false;
    }
    // curl drops "Name:" with a blank value; "Name;" is its way of sending an empty one.
    std::string line(name.view());
    if (blank(value.view())) {
        line += ';';
    } else {
        line.append(": ").append(value.view());
    }
    auto& lines =
        equalsIgnoringCase(name.view(), "Proxy-Authorization") ? proxyHeaders_ : serverHeaders_;
    lines.push_back(std::move(line));
    return true;
}

bool CurlHttpRequest::Send(const Bytes& body) {
    return perform(body.view());
}

bool CurlHttpRequest::Send(const Text& body) {
    return perform(body.view());
}

Bytes CurlHttpRequest::ResponseBody() {
    return Bytes(response_.body);
}

// WinHttp's form: every header line of the final response followed by CR LF, then one more
// CR LF; no status line and nothing of earlier redirect hops.
Text CurlHttpRequest::GetAllResponseHeaders() {
    if (response_.status == 0) {
        return {};
    }
    return Text(response_.headerLines + "\r\n");
}

double CurlHttpRequest::Status() {
    return response_.status;
}

bool CurlHttpRequest::perform(std::string_view body) {
    response_ = {};
    if (!opened_) {
        return false;
    }
    curl_easy_reset(easy_.get());
    if (!configureTransfer(body)) {
        return false;
    }
    watch_.restart();
    const CURLcode result = curl_easy_perform(easy_.get());
    const bool complete = result == CURLE_OK && response_.status != 0;
    // A redirect to a scheme that is not allowed (https to http) is not followed: the
    // redirect response itself is the answer.
    const bool refusedRedirect = result == CURLE_UNSUPPORTED_PROTOCOL &&
                                 response_.headersComplete && response_.status >= 300 &&
                                 response_.status < 400;
    if (!complete && !refusedRedirect) {
        response_ = {};
        return false;
    }
    return true;
}

bool CurlHttpRequest::configureTransfer(std::string_view body) {
    CURL* easy = easy_.get();
    const char* redirectSchemes = secure_ ? "https" : "http,https";
    return curl_easy_setopt(easy, CURLOPT_URL, url_.c_str()) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_HTTP_CONTENT_DECODING, 0L) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, followRedirects_ ? 1L : 0L) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_MAXREDIRS, static_cast<long>(kRedirectLimit)) ==
               CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, redirectSchemes) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, connectTimeoutMs_) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, onConnected) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_PREREQDATA, &watch_) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, onProgress) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &watch_) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, receiveHeader) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_HEADERDATA, this) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, receiveBody) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_WRITEDATA, this) == CURLE_OK && configureMethod(body) &&
           configureSecurity() && configureProxy() && configureCredentials() &&
           configureHeaders(sendsBody(body));
}

bool CurlHttpRequest::sendsBody(std::string_view body) const {
    return method_ == "POST" || method_ == "PUT" || (!body.empty() && method_ != "HEAD");
}

// GET and HEAD go as libcurl's own; POST keeps libcurl's redirect rules (a POST answered by
// 301/302/303 turns into a GET); every other method is sent by name.
bool CurlHttpRequest::configureMethod(std::string_view body) {
    CURL* easy = easy_.get();
    if (method_ == "HEAD") {
        return curl_easy_setopt(easy, CURLOPT_NOBODY, 1L) == CURLE_OK;
    }
    if (!sendsBody(body)) {
        return curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L) == CURLE_OK &&
               (method_ == "GET" ||
                curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, method_.c_str()) == CURLE_OK);
    }
    // An empty body still needs a valid pointer, or libcurl would read the body elsewhere.
    const char* data = body.empty() ? "" : body.data();
    return curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE,
                            static_cast<curl_off_t>(body.size())) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_POSTFIELDS, data) == CURLE_OK &&
           (method_ == "POST" ||
            curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, method_.c_str()) == CURLE_OK);
}

bool CurlHttpRequest::configureSecurity() {
    CURL* easy = easy_.get();
    return curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, verifyPeer_ ? 1L : 0L) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, verifyHost_ ? 2L : 0L) == CURLE_OK;
}

// Without a proxy of its own the object goes direct, whatever the environment names.
bool CurlHttpRequest::configureProxy() {
    CURL* easy = easy_.get();
    if (proxy_.empty()) {
        return curl_easy_setopt(easy, CURLOPT_PROXY, "") == CURLE_OK &&
               curl_easy_setopt(easy, CURLOPT_NOPROXY, "*") == CURLE_OK;
    }
    return curl_easy_setopt(easy, CURLOPT_PROXY, proxy_.c_str()) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP)) ==
               CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_NOPROXY, "") == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L) == CURLE_OK;
}

bool CurlHttpRequest::configureCredentials() {
    CURL* easy = easy_.get();
    if (serverCredentials_.set &&
        (curl_easy_setopt(easy, CURLOPT_USERNAME, serverCredentials_.user.c_str()) != CURLE_OK ||
         curl_easy_setopt(easy, CURLOPT_PASSWORD, serverCredentials_.password.c_str()) !=
             CURLE_OK ||
         curl_easy_setopt(easy, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC)) != CURLE_OK)) {
        return false;
    }
    return !proxyCredentials_.set ||
           (curl_easy_setopt(easy, CURLOPT_PROXYUSERNAME, proxyCredentials_.user.c_str()) ==
                CURLE_OK &&
            curl_easy_setopt(easy, CURLOPT_PROXYPASSWORD, proxyCredentials_.password.c_str()) ==
                CURLE_OK &&
            curl_easy_setopt(easy, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_BASIC)) ==
                CURLE_OK);
}

// The caller's headers in call order, and none of libcurl's own that HTTP does not need:
// no "Accept: */*", no form Content-Type, no "Expect: 100-continue", no Proxy-Connection.
bool CurlHttpRequest::configureHeaders(bool hasBody) {
    std::vector<std::string> server = serverHeaders_;
    if (!namesHeader(server, "Accept")) {
        server.emplace_back("Accept:");
    }
    if (hasBody && !namesHeader(server, "Expect")) {
        server.emplace_back("Expect:");
    }
    if (hasBody && !namesHeader(server, "Content-Type")) {
        server.emplace_back("Content-Type:");
    }
    std::vector<std::string> proxy = proxyHeaders_;
    proxy.emplace_back("Proxy-Connection:");

    serverHeaderList_.reset();
    proxyHeaderList_.reset();
    const auto fill = [](HeaderList& list, const std::vector<std::string>& lines) {
        return std::all_of(lines.begin(), lines.end(), [&list](const std::string& line) {
            return appendHeaderLine(list, line);
        });
    };
    CURL* easy = easy_.get();
    return fill(serverHeaderList_, server) && fill(proxyHeaderList_, proxy) &&
           curl_easy_setopt(easy, CURLOPT_HEADEROPT, CURLHEADER_SEPARATE) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_HTTPHEADER, serverHeaderList_.get()) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_PROXYHEADER, proxyHeaderList_.get()) == CURLE_OK;
}

// Every status line starts a new response (an interim 1xx or the next redirect hop), so what
// stays is the last one's.
void CurlHttpRequest::onHeaderLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    if (line.starts_with("HTTP/")) {
        response_ = {};
        response_.status = parseStatus(line);
    } else if (line.empty()) {
        response_.headersComplete = true;
    } else if (!response_.headersComplete) {
        response_.headerLines.append(line).append("\r\n");
        reserveForContentLength(line);
    }
}

// Announced bodies get their room at once rather than by repeated growth; the announcement is
// only trusted up to a bound, so a lying server cannot make the object hold memory for nothing.
void CurlHttpRequest::reserveForContentLength(std::string_view line) {
    constexpr std::string_view kName = "content-length:";
    constexpr std::size_t kLargestReservation = 64 * 1024 * 1024;
    if (line.size() <= kName.size() || !equalsIgnoringCase(line.substr(0, kName.size()), kName)) {
        return;
    }
    std::string_view digits = line.substr(kName.size());
    digits.remove_prefix(std::min(digits.find_first_not_of(" \t"), digits.size()));
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), length);
    if (error == std::errc() && end != digits.data()) {
        response_.body.reserve(std::min(length, kLargestReservation));
    }
}

std::size_t CurlHttpRequest::receiveHeader(char* data, std::size_t size, std::size_t count,
                                           void* self) {
    try {
        static_cast<CurlHttpRequest*>(self)->onHeaderLine({data, size * count});
        return size * count;
    } catch (...) {
        return 0;  // out of memory: abandon the transfer, nothing may unwind through libcurl
    }
}

std::size_t CurlHttpRequest::receiveBody(char* data, std::size_t size, std::size_t count,
                                         void* self) {
    try {
        auto& body = static_cast<CurlHttpRequest*>(self)->response_.body;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(data);
        body.insert(body.end(), bytes, bytes + size * count);
        return size * count;
    } catch (...) {
        return 0;
    }
}

std::shared_ptr<HttpRequestObject> CurlHttpRequestFactory::create() {
    auto request = std::make_shared<CurlHttpRequest>();
    if (!request->valid()) {
        return nullptr;
    }
    return request;
}

}  // namespace hotlist

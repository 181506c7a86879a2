#include "web/web_request.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "call_log.h"
#include "counting_com_library.h"
#include "recording_http_request.h"

namespace hotlist {
namespace {

constexpr const char* kUrl = "https://h.example/n/WnBe01o371";
const std::string kAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

std::string header(const std::string& name, const std::string& value) {
    return "SetRequestHeader(" + inQuotes(name) + ", " + inQuotes(value) + ")";
}

std::vector<std::string> defaultHeaders() {
    return {header("Accept", "*/*"), header("Referer", kUrl), header("Accept-Language", "zh-cn"),
            header("User-Agent", kAgent)};
}

const std::vector<std::string> kReads = {"ResponseBody()", "GetAllResponseHeaders()", "Status()"};

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

class WebRequestTest : public testing::Test {
  protected:
    // The calls made on the request object only, without COM, creation and release.
    std::vector<std::string> objectCalls() const {
        std::vector<std::string> calls;
        for (const auto& line : log) {
            if (line != "create" && line != "release" && line.rfind("Co", 0) != 0) {
                calls.push_back(line);
            }
        }
        return calls;
    }

    std::vector<std::string> headerCalls() const {
        std::vector<std::string> calls;
        for (const auto& line : log) {
            if (line.rfind("SetRequestHeader(", 0) == 0) {
                calls.push_back(line);
            }
        }
        return calls;
    }

    bool called(const std::string& prefix) const {
        for (const auto& line : log) {
            if (line.rfind(prefix, 0) == 0) {
                return true;
            }
        }
        return false;
    }

    Bytes request(const WebRequestOptions& options = {}) {
        log.clear();
        return WebRequest(factory, com, kUrl, options);
    }

    CallLog log;
    CountingComLibrary com{&log};
    RecordingHttpRequestFactory factory{log};
};

TEST_F(WebRequestTest, ProgramsOwnCallIsAPlainGetWithTheDefaultHeaders) {
    factory.response = {Bytes(std::string("<html>\0tail", 11)), "Content-Type: text/html", 200};
    const Bytes body = request();
    EXPECT_EQ(body.view(), std::string("<html>\0tail", 11));
    EXPECT_EQ(log, joined({{"CoInitialize()", "create", "SetTimeouts(15000, 15000, 15000, 15000)",
                            "Open(\"GET\", \"" + std::string(kUrl) + "\", false)",
                            "putOption(4, 0x3300)"},
                           defaultHeaders(),
                           {"Send(\"\")"},
                           kReads,
                           {"release", "CoUninitialize()"}}));
    EXPECT_EQ(com.initializeCount, 1);
    EXPECT_EQ(com.uninitializeCount, 1);
}

TEST_F(WebRequestTest, EveryOptionCallsTheObjectInTheFixedOrder) {
    Text cookies("Cookie: a=1");
    WebRequestOptions options;
    options.method = 1;
    options.postText = "q=1";
    options.cookies = &cookies;
    options.extraHeaders = "x-trace: 7";
    options.disableRedirects = 1;
    options.proxy = "127.0.0.1:3128";
    options.timeoutSeconds = 30;
    options.proxyUser = "user";
    options.proxyPassword = "pw";
    request(options);
    EXPECT_EQ(
        objectCalls(),
        joined({{"SetTimeouts(30000, 30000, 30000, 30000)", "SetProxy(2, \"127.0.0.1:3128\")",
                 "Open(\"POST\", \"" + std::string(kUrl) + "\", false)", "putOption(6, 0x0)",
                 "putOption(4, 0x3300)", "SetCredentials(\"user\", \"pw\", 1)",
                 header("Proxy-Authorization", "Basic dXNlcjpwdw=="), header("Cookie", " a=1"),
                 header("X-Trace", "7")},
                defaultHeaders(),
                {header("Content-Type", "application/x-www-form-urlencoded"), "Send(\"q=1\")"},
                kReads}));
}

struct MethodCase {
    int method;
    const char* name;
    bool contentType;
};

TEST_F(WebRequestTest, MethodOutsideTheTableIsGet) {
    const MethodCase cases[] = {{0, "GET", false},   {1, "POST", true},      {2, "HEAD", false},
                                {3, "PUT", false},   {4, "OPTIONS", false},  {5, "DELETE", false},
                                {6, "TRACE", false}, {7, "CONNECT", false},  {8, "GET", false},
                                {-1, "GET", false},  {INT_MIN, "GET", false}};
    for (const auto& c : cases) {
        WebRequestOptions options;
        options.method = c.method;
        request(options);
        EXPECT_TRUE(called("Open(" + inQuotes(c.name) + ", ")) << c.method;
        EXPECT_EQ(called("SetRequestHeader(\"Content-Type\""), c.contentType) << c.method;
    }
}

TEST_F(WebRequestTest, TimeoutSecondsBecomeMillisecondsOrTheDefault) {
    const std::pair<int, const char*> cases[] = {
        {0, "SetTimeouts(15000, 15000, 15000, 15000)"},
        {-5, "SetTimeouts(15000, 15000, 15000, 15000)"},
        {INT_MIN, "SetTimeouts(15000, 15000, 15000, 15000)"},
        {1, "SetTimeouts(1000, 1000, 1000, 1000)"},
        {30, "SetTimeouts(30000, 30000, 30000, 30000)"},
        // Beyond the millisecond range the longest time-out is used rather than an overflow.
        {INT_MAX, "SetTimeouts(2147483647, 2147483647, 2147483647, 2147483647)"},
    };
    for (const auto& [seconds, expected] : cases) {
        WebRequestOptions options;
        options.timeoutSeconds = seconds;
        request(options);
        EXPECT_EQ(objectCalls().front(), expected) << seconds;
    }
    WebRequestOptions keep;
    keep.timeoutSeconds = -1;
    request(keep);
    EXPECT_FALSE(called("SetTimeouts"));
    EXPECT_EQ(objectCalls().front(), "Open(\"GET\", \"" + std::string(kUrl) + "\", false)");
}

TEST_F(WebRequestTest, NonEmptyPostBytesAreSentInsteadOfPostText) {
    WebRequestOptions options;
    options.postText = "ignored";
    options.postBytes = Bytes(std::string("a\0b", 3));
    request(options);
    EXPECT_TRUE(called("Send(Bytes " + inQuotes(std::string("a\0b", 3)) + ")"));
    EXPECT_FALSE(called("Send(\""));

    options.postBytes = Bytes();
    request(options);
    EXPECT_TRUE(called("Send(\"ignored\")"));
}

struct CookieCase {
    const char* name;
    bool supplied;
    const char* cookies;
    bool merge;
    const char* responseHeaders;
    const char* cookieHeader;  // null: no Cookie header
    const char* cookiesAfter;
    const char* returnedCookies;
};

TEST_F(WebRequestTest, CookiesAreSentAndMergedOnlyWhenSupplied) {
    const CookieCase cases[] = {
        {"header name removed, merged", true, "Cookie: a=1", true, "Set-Cookie: b=2; path=/",
         " a=1", "b=2; a=1", "b=2; a=1"},
        {"name removed in any case", true, "a=1; cookie:b=2", true, "", "a=1; b=2", "a=1; b=2",
         "a=1; b=2"},
        {"empty still sent and merged", true, "", true, "Set-Cookie: x=1\r\nSet-Cookie: y=2", "",
         "x=1; y=2", "x=1; y=2"},
        {"deletion honoured", true, "a=1; sid=x", true, "Set-Cookie: sid=deleted; path=/",
         "a=1; sid=x", "a=1", "a=1"},
        {"no merge", true, "Cookie: a=1", false, "Set-Cookie: b=2", " a=1", " a=1", "b=2"},
        {"omitted", false, "", true, "Set-Cookie: x=1\r\nSet-Cookie: y=2", nullptr, "", "x=1; y=2"},
    };
    for (const auto& c : cases) {
        factory.response.headers = c.responseHeaders;
        Text cookies(c.cookies);
        Text returned("stale");
        WebRequestOptions options;
        options.cookies = c.supplied ? &cookies : nullptr;
        options.mergeReturnedCookies = c.merge;
        options.returnedCookies = &returned;
        request(options);
        if (c.cookieHeader == nullptr) {
            EXPECT_FALSE(called("SetRequestHeader(\"Cookie\"")) << c.name;
        } else {
            EXPECT_EQ(headerCalls().front(), header("Cookie", c.cookieHeader)) << c.name;
        }
        EXPECT_EQ(cookies.view(), c.cookiesAfter) << c.name;
        EXPECT_EQ(returned.view(), c.returnedCookies) << c.name;
    }
}

struct CredentialCase {
    const char* name;
    const char* proxy;
    const char* user;
    const char* password;
    int target;
    std::vector<std::string> calls;  // SetProxy, SetCredentials and Proxy-Authorization
};

TEST_F(WebRequestTest, CredentialsNeedBothProxyAndUser) {
    const CredentialCase cases[] = {
        {"proxy only", "p:8080", "", "pw", 1, {"SetProxy(2, \"p:8080\")"}},
        {"user only", "", "user", "pw", 1, {}},
        {"for the proxy",
         "p:8080",
         "user",
         "pw",
         1,
         {"SetProxy(2, \"p:8080\")", "SetCredentials(\"user\", \"pw\", 1)",
          header("Proxy-Authorization", "Basic dXNlcjpwdw==")}},
        {"empty password keeps the colon",
         "p:8080",
         "user",
         "",
         1,
         {"SetProxy(2, \"p:8080\")", "SetCredentials(\"user\", \"\", 1)",
          header("Proxy-Authorization", "Basic dXNlcjo=")}},
        {"for the server",
         "p:8080",
         "user",
         "pw",
         0,
         {"SetProxy(2, \"p:8080\")", "SetCredentials(\"user\", \"pw\", 0)"}},
    };
    for (const auto& c : cases) {
        WebRequestOptions options;
        options.proxy = c.proxy;
        options.proxyUser = c.user;
        options.proxyPassword = c.password;
        options.credentialTarget = c.target;
        request(options);
        std::vector<std::string> calls;
        for (const auto& line : log) {
            if (line.rfind("SetProxy", 0) == 0 || line.rfind("SetCredentials", 0) == 0 ||
                line.find("\"Proxy-Authorization\"") != std::string::npos) {
                calls.push_back(line);
            }
        }
        EXPECT_EQ(calls, c.calls) << c.name;
    }
}

struct HeaderCase {
    const char* name;
    const char* extraHeaders;
    bool useDefaults;
    bool normalise;
    std::vector<std::string> calls;
};

TEST_F(WebRequestTest, BlockLinesBecomeHeaderCalls) {
    const HeaderCase cases[] = {
        {"keep-alive alone is sent",
         "Connection: keep-alive",
         false,
         true,
         {header("Connection", "keep-alive")}},
        {"keep-alive in a block is not",
         "Connection: keep-alive\r\nX-A: 1",
         false,
         true,
         {header("X-A", "1")}},
        {"only the exact keep-alive line is left out",
         "Connection: Keep-Alive\r\nConnection: close",
         false,
         true,
         {header("Connection", "Keep-Alive"), header("Connection", "close")}},
        {"empty block still makes one call", "", false, true, {header("", "")}},
        {"without normalising empty lines are skipped, lines without colon kept",
         "x-a: 1\r\n\r\nno colon\r\n",
         false,
         false,
         {header("x-a", "1"), header("", "")}},
        {"normalised names", "x-my-header:1\r\nnoise", false, true, {header("X-My-Header", "1")}},
        {"caller's header replaces a default",
         "accept: text/html",
         true,
         true,
         {header("Accept", "text/html"), header("Referer", kUrl),
          header("Accept-Language", "zh-cn"), header("User-Agent", kAgent)}},
        {"defaults without normalising", "", true, false, defaultHeaders()},
    };
    for (const auto& c : cases) {
        WebRequestOptions options;
        options.extraHeaders = c.extraHeaders;
        options.useDefaultHeaders = c.useDefaults;
        options.normaliseHeaders = c.normalise;
        request(options);
        EXPECT_EQ(headerCalls(), c.calls) << c.name;
    }
}

TEST_F(WebRequestTest, ResponseDetailsAreStoredWhereTheCallerAsked) {
    factory.response = {Bytes("moved"), "Location: /x\r\nSet-Cookie: s=1; path=/", 302.9};
    Text headers("stale");
    int status = -7;
    WebRequestOptions options;
    options.disableRedirects = 1;
    options.returnedHeaders = &headers;
    options.statusCode = &status;
    EXPECT_EQ(request(options).view(), "moved");
    EXPECT_TRUE(called("putOption(6, 0x0)"));
    EXPECT_EQ(headers.view(), "Location: /x\r\nSet-Cookie: s=1; path=/");
    EXPECT_EQ(status, 302);

    request();
    EXPECT_FALSE(called("putOption(6"));
}

TEST_F(WebRequestTest, FailedOperationsDoNotStopTheSequence) {
    factory.failingObjects = true;
    Text cookies("b=2; a=1;");
    Text returned("stale");
    Text headers("stale");
    int status = 200;
    WebRequestOptions options;
    options.cookies = &cookies;
    options.returnedCookies = &returned;
    options.returnedHeaders = &headers;
    options.statusCode = &status;
    const Bytes body = request(options);
    EXPECT_TRUE(body.empty());
    EXPECT_EQ(objectCalls().size(), 3 + 1 + 4 + 1 + 3);  // set-up, Cookie, defaults, Send, reads
    EXPECT_EQ(headers.view(), "");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(returned.view(), "b=2; a=1");
    EXPECT_EQ(cookies.view(), "b=2; a=1");
}

TEST_F(WebRequestTest, FailedCreationLeavesEveryOutputUntouched) {
    factory.failCreation = true;
    Text cookies("Cookie: a=1");
    Text returned("old cookies");
    Text headers("old headers");
    int status = 77;
    WebRequestOptions options;
    options.cookies = &cookies;
    options.returnedCookies = &returned;
    options.returnedHeaders = &headers;
    options.statusCode = &status;
    EXPECT_TRUE(request(options).empty());
    EXPECT_EQ(log, (std::vector<std::string>{"CoInitialize()", "create", "CoUninitialize()"}));
    EXPECT_EQ(com.initializeCount, 1);
    EXPECT_EQ(com.uninitializeCount, 1);
    EXPECT_EQ(cookies.view(), "Cookie: a=1");
    EXPECT_EQ(returned.view(), "old cookies");
    EXPECT_EQ(headers.view(), "old headers");
    EXPECT_EQ(status, 77);
}

TEST_F(WebRequestTest, SuppliedObjectIsUsedAndOutlivesTheCall) {
    CallLog objectLog;
    auto own = std::make_shared<RecordingHttpRequest>(objectLog, FakeResponse{Bytes("b"), "", 200});
    WebRequestOptions options;
    options.requestObject = own;
    EXPECT_EQ(request(options).view(), "b");
    EXPECT_EQ(log, (std::vector<std::string>{"CoInitialize()", "CoUninitialize()"}));
    EXPECT_EQ(objectLog.front(), "SetTimeouts(15000, 15000, 15000, 15000)");
    EXPECT_EQ(objectLog.back(), "Status()");
    EXPECT_EQ(own.use_count(), 2);
}

}  // namespace
}  // namespace hotlist

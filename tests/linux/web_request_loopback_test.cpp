#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "counting_com_library.h"
#include "file_bytes.h"
#include "http/curl_http_request.h"
#include "http_test_servers.h"
#include "web/web_request.h"

namespace hotlist {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr const char* kUserAgentLine =
    "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

class WebRequestLoopbackTest : public LoopbackServersTest {
  protected:
    void TearDown() override {
        EXPECT_EQ(com_.initializeCount, com_.uninitializeCount)
            << "CoInitialize and CoUninitialize do not balance";
    }

    Bytes fetch(const std::string& url, const WebRequestOptions& options = {}) {
        return WebRequest(factory_, com_, Text(url), options);
    }

    CurlHttpRequestFactory factory_;
    CountingComLibrary com_;
};

// The collection run's call: a GET over HTTPS (the certificate is for another host and of no
// known authority) with the four default headers in order and nothing else but Host.
TEST_F(WebRequestLoopbackTest, TheProgramsOwnCallSendsTheFourDefaultHeadersOnly) {
    const std::string target = "/n/WnBe01o371?case=program-call";
    const std::string url = servers_->httpsUrl(target);
    WebRequestOptions options;
    options.method = 0;

    const Bytes body = fetch(url, options);

    EXPECT_EQ(asString(body), fileBytes(std::string(HOTLIST_FIXTURE_DIR) + "/hotlist_30.html"));
    EXPECT_EQ(com_.initializeCount, 1);
    const RecordedRequest wire = received(LoopbackServer::https, target);
    EXPECT_EQ(wire.requestLine, "GET " + target + " HTTP/1.1");
    EXPECT_THAT(wire.headerLines,
                ElementsAreArray({hostLine(LoopbackServer::https), std::string("Accept: */*"),
                                  "Referer: " + url, std::string("Accept-Language: zh-cn"),
                                  std::string(kUserAgentLine)}));
    EXPECT_TRUE(wire.body.empty());
}

struct PostCase {
    const char* name;
    Text postText;
    Bytes postBytes;
    std::string expectedBody;
};

TEST_F(WebRequestLoopbackTest, PostSendsTheBodyWithTheDefaultContentType) {
    const std::string zeros("k=\0v\xff\0", 6);
    const std::vector<PostCase> cases = {
        {"text", Text("a=1&b=%C4%E3"), Bytes(), "a=1&b=%C4%E3"},
        {"bytes", Text(), Bytes(zeros), zeros},
        {"bytes-win-over-text", Text("ignored=1"), Bytes(zeros), zeros},
        {"empty", Text(), Bytes(), ""},
    };
    for (const PostCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string target = std::string("/echo?case=post-") + c.name;
        const std::string url = servers_->httpUrl(target);
        WebRequestOptions options;
        options.method = 1;
        options.postText = c.postText;
        options.postBytes = c.postBytes;
        int status = 0;
        options.statusCode = &status;

        fetch(url, options);

        EXPECT_EQ(status, 200);
        const RecordedRequest wire = received(LoopbackServer::http, target);
        EXPECT_EQ(wire.requestLine, "POST " + target + " HTTP/1.1");
        EXPECT_THAT(
            wire.headerLines,
            ElementsAreArray({hostLine(LoopbackServer::http), std::string("Accept: */*"),
                              "Referer: " + url, std::string("Accept-Language: zh-cn"),
                              std::string(kUserAgentLine),
                              std::string("Content-Type: application/x-www-form-urlencoded"),
                              "Content-Length: " + std::to_string(c.expectedBody.size())}));
        EXPECT_EQ(wire.body, c.expectedBody);
    }
}

struct CookieCase {
    const char* name;
    std::optional<Text> supplied;
    std::optional<std::string> cookieLineSent;
    Text returnedAfter;
    Text cookiesAfter;
};

// The server sets a=1 (with a path) and b=2; what the caller supplies is sent as it stands,
// minus any "Cookie:" written into it, and merged with what came back.
TEST_F(WebRequestLoopbackTest, CookiesAreSentCollectedAndMerged) {
    const std::vector<CookieCase> cases = {
        {"merged", Text("b=0; c=3"), "Cookie: b=0; c=3", Text("a=1; b=2; c=3"),
         Text("a=1; b=2; c=3")},
        {"named", Text("Cookie: a=0"), "Cookie:  a=0", Text("a=1; b=2"), Text("a=1; b=2")},
        {"empty", Text(), "Cookie:", Text("a=1; b=2"), Text("a=1; b=2")},
        {"omitted", std::nullopt, std::nullopt, Text("a=1; b=2"), Text()},
    };
    for (const CookieCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string target =
            std::string("/cookies?set=a%3D1%3B%20path%3D%2F&set=b%3D2&case=") + c.name;
        Text cookies = c.supplied.value_or(Text());
        Text returned("untouched");
        WebRequestOptions options;
        options.cookies = c.supplied ? &cookies : nullptr;
        options.returnedCookies = &returned;

        fetch(servers_->httpUrl(target), options);

        EXPECT_EQ(returned, c.returnedAfter);
        if (c.supplied) {
            EXPECT_EQ(cookies, c.cookiesAfter);
        }
        const RecordedRequest wire = received(LoopbackServer::http, target);
        const std::vector<std::string> cookieLines = linesStartingWith(wire, "Cookie");
        if (c.cookieLineSent) {
            EXPECT_THAT(cookieLines, ElementsAreArray({*c.cookieLineSent}));
        } else {
            EXPECT_THAT(cookieLines, IsEmpty());
        }
    }
}

TEST_F(WebRequestLoopbackTest, RedirectsAreFollowedOrReturnedAsTheyCame) {
    const std::string url = servers_->httpUrl("/redirect?status=301&to=/fixed");
    for (const int disableRedirects : {0, 1}) {
        SCOPED_TRACE(disableRedirects);
        WebRequestOptions options;
        options.disableRedirects = disableRedirects;
        Text headers;
        int status = 0;
        options.returnedHeaders = &headers;
        options.statusCode = &status;

        const Bytes body = fetch(url, options);

        if (disableRedirects != 0) {
            EXPECT_EQ(status, 301);
            EXPECT_EQ(asString(body), "redirecting to /fixed\n");
            EXPECT_THAT(std::string(headers.view()), HasSubstr("Location: /fixed\r\n"));
        } else {
            EXPECT_EQ(status, 200);
            EXPECT_EQ(asString(body), "hello from the loopback server\n");
            EXPECT_THAT(std::string(headers.view()), Not(HasSubstr("Location")));
        }
    }
}

struct ProxyCase {
    const char* name;
    bool secure;
    int credentialTarget;
};

// Credentials for the proxy travel as one Basic Proxy-Authorization header to the proxy and
// never reach the server; credentials for the server go to the server alone.
TEST_F(WebRequestLoopbackTest, ProxyCarriesBasicProxyAuthorization) {
    for (const ProxyCase& c :
         std::vector<ProxyCase>{{"plain", false, kCredentialsForProxy},
                                {"tunnel", true, kCredentialsForProxy},
                                {"server-credentials", false, kCredentialsForServer}}) {
        SCOPED_TRACE(c.name);
        const std::string target = std::string("/echo?case=web-proxy-") + c.name;
        const std::string url = c.secure ? servers_->httpsUrl(target) : servers_->httpUrl(target);
        WebRequestOptions options;
        options.proxy = Text(servers_->proxyAddress());
        options.proxyUser = "alice";
        options.proxyPassword = "s3cret";
        options.credentialTarget = c.credentialTarget;
        int status = 0;
        options.statusCode = &status;

        const Bytes body = fetch(url, options);

        EXPECT_EQ(status, 200);
        EXPECT_THAT(asString(body), HasSubstr("GET " + target + " HTTP/1.1"));
        const LoopbackServer origin = c.secure ? LoopbackServer::https : LoopbackServer::http;
        const std::string proxyTarget =
            c.secure ? "127.0.0.1:" + std::to_string(servers_->port(origin)) : url;
        const RecordedRequest atProxy = received(LoopbackServer::proxy, proxyTarget);
        const RecordedRequest atServer = received(origin, target);
        EXPECT_THAT(linesStartingWith(atServer, "Proxy-"), IsEmpty());
        if (c.credentialTarget == kCredentialsForProxy) {
            EXPECT_THAT(linesStartingWith(atProxy, "Proxy-"),
                        ElementsAreArray({"Proxy-Authorization: Basic YWxpY2U6czNjcmV0"}));
            EXPECT_EQ(atServer.header("Authorization"), std::nullopt);
        } else {
            EXPECT_THAT(linesStartingWith(atProxy, "Proxy-"), IsEmpty());
            EXPECT_EQ(atServer.header("Authorization"), "Basic YWxpY2U6czNjcmV0");
        }
    }
}

// Failed exchanges: every output says "no response" and the supplied cookies come back in
// merged form; nothing crashes.
TEST_F(WebRequestLoopbackTest, FailedExchangesGiveEmptyOutputs) {
    struct FailureCase {
        const char* name;
        std::string url;
        int timeoutSeconds;
    };
    const std::vector<FailureCase> cases = {
        {"stalled server", servers_->httpUrl("/stall?case=web"), 1},
        {"stalled body", servers_->httpUrl("/stall-body?case=web"), 1},
        {"refused connection", "http://127.0.0.1:1/", 0},
        {"malformed url", "http//no scheme", 0},
        {"empty url", "", 0},
        {"unsupported scheme", "ftp://127.0.0.1/", 0},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        Text cookies("a=1; ");
        Text returned("untouched");
        Text headers("untouched");
        int status = -1;
        WebRequestOptions options;
        options.timeoutSeconds = c.timeoutSeconds;
        options.cookies = &cookies;
        options.returnedCookies = &returned;
        options.returnedHeaders = &headers;
        options.statusCode = &status;
        const auto started = std::chrono::steady_clock::now();

        const Bytes body = fetch(c.url, options);

        if (c.timeoutSeconds > 0) {
            EXPECT_GE(std::chrono::steady_clock::now() - started,
                      std::chrono::seconds(c.timeoutSeconds));
        }
        EXPECT_TRUE(body.empty());
        EXPECT_EQ(status, 0);
        EXPECT_EQ(headers, Text());
        EXPECT_EQ(returned, Text("a=1"));
        EXPECT_EQ(cookies, Text("a=1"));
    }
}

TEST_F(WebRequestLoopbackTest, LargeAndZeroBearingBodiesComeBackIntact) {
    EXPECT_TRUE(isPattern(fetch(servers_->httpUrl("/large")), 50 * 1024 * 1024));
    EXPECT_EQ(asString(fetch(servers_->httpsUrl("/zeros"))),
              std::string("\0zero\0bytes\0\0inside\xff\0", 21));
}

}  // namespace
}  // namespace hotlist

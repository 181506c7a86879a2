#include "http/curl_http_request.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "http_test_servers.h"

namespace hotlist {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr int kIgnoreAllCertificateErrors = 0x3300;

class CurlHttpRequestTest : public LoopbackServersTest {
  protected:
    void SetUp() override {
        LoopbackServersTest::SetUp();
        ASSERT_TRUE(request_.valid());
    }

    bool get(const std::string& url) {
        return request_.Open("GET", Text(url), false) && request_.Send(Text());
    }

    void expectNoResponse() {
        EXPECT_EQ(request_.Status(), 0);
        EXPECT_TRUE(request_.ResponseBody().empty());
        EXPECT_TRUE(request_.GetAllResponseHeaders().empty());
    }

    CurlHttpRequest request_;
};

struct WireCase {
    const char* name;
    const char* method;
    std::vector<std::pair<const char*, const char*>> headers;
    std::string body;
    std::vector<std::string> expectedAfterHost;
};

// Only the caller's headers go out, in call order, with nothing of libcurl's own beyond Host
// and the body's length: no Accept, no User-Agent, no Expect, no form Content-Type.
TEST_F(CurlHttpRequestTest, SendsExactlyTheCallersHeadersInCallOrder) {
    const std::vector<WireCase> cases = {
        {"plain-get",
         "GET",
         {{"X-One", "1"}, {"x-two", "two words"}, {"Empty", ""}, {"", "ignored"}},
         "",
         {"X-One: 1", "x-two: two words", "Empty:"}},
        {"own-accept", "GET", {{"Accept", "text/html"}}, "", {"Accept: text/html"}},
        {"gbk-bytes", "GET", {{"X-Title", "\xc4\xe3\xba\xc3"}}, "", {"X-Title: \xc4\xe3\xba\xc3"}},
        {"post-form", "POST", {}, "a=1&b=2", {"Content-Length: 7"}},
        {"post-typed",
         "POST",
         {{"Content-Type", "text/plain"}},
         "x",
         {"Content-Type: text/plain", "Content-Length: 1"}},
        {"post-empty", "POST", {}, "", {"Content-Length: 0"}},
        {"put", "PUT", {{"X-Put", "yes"}}, "data", {"X-Put: yes", "Content-Length: 4"}},
        {"delete", "DELETE", {}, "", {}},
    };
    for (const WireCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string target = std::string("/echo?case=") + c.name;
        ASSERT_TRUE(request_.Open(c.method, Text(servers_->httpUrl(target)), false));
        for (const auto& [name, value] : c.headers) {
            EXPECT_TRUE(request_.SetRequestHeader(name, value));
        }
        ASSERT_TRUE(request_.Send(Text(c.body)));
        EXPECT_EQ(request_.Status(), 200);

        const RecordedRequest wire = received(LoopbackServer::http, target);
        EXPECT_EQ(wire.requestLine, std::string(c.method) + " " + target + " HTTP/1.1");
        std::vector<std::string> expected = {hostLine(LoopbackServer::http)};
        expected.insert(expected.end(), c.expectedAfterHost.begin(), c.expectedAfterHost.end());
        EXPECT_THAT(wire.headerLines, ElementsAreArray(expected));
        EXPECT_EQ(wire.body, c.body);
    }
}

TEST_F(CurlHttpRequestTest, EscapesSpacesAndHighBytesOfTheUrl) {
    ASSERT_TRUE(
        request_.Open("GET", Text(servers_->httpUrl("/echo?case=escaped url&q=\xc4\xe3")), false));
    ASSERT_TRUE(request_.Send(Text()));
    const std::string target = "/echo?case=escaped%20url&q=%C4%E3";
    EXPECT_EQ(received(LoopbackServer::http, target).requestLine, "GET " + target + " HTTP/1.1");
}

TEST_F(CurlHttpRequestTest, RefusesHeadersThatWouldForgeFurtherLines) {
    const std::string target = "/echo?case=forged-header";
    ASSERT_TRUE(request_.Open("GET", Text(servers_->httpUrl(target)), false));
    EXPECT_FALSE(request_.SetRequestHeader("X-Value", "a\r\nInjected: 1"));
    EXPECT_FALSE(request_.SetRequestHeader("X-Value", "a\nInjected: 2"));
    EXPECT_FALSE(request_.SetRequestHeader("Bad Name", "1"));
    EXPECT_FALSE(request_.SetRequestHeader("Bad:Name", "1"));
    EXPECT_TRUE(request_.SetRequestHeader("X-Kept", "1"));
    ASSERT_TRUE(request_.Send(Text()));

    const RecordedRequest wire = received(LoopbackServer::http, target);
    EXPECT_THAT(wire.headerLines,
                ElementsAreArray({hostLine(LoopbackServer::http), std::string("X-Kept: 1")}));
}

TEST_F(CurlHttpRequestTest, BodiesCrossUnchanged) {
    const std::string withZeros("\0a\xff\0\r\n\0", 7);
    const std::string target = "/echo?case=byte-body";
    ASSERT_TRUE(request_.Open("POST", Text(servers_->httpUrl(target)), false));
    ASSERT_TRUE(request_.Send(Bytes(withZeros)));
    EXPECT_EQ(received(LoopbackServer::http, target).body, withZeros);

    ASSERT_TRUE(get(servers_->httpUrl("/zeros")));
    EXPECT_EQ(asString(request_.ResponseBody()), std::string("\0zero\0bytes\0\0inside\xff\0", 21));

    ASSERT_TRUE(get(servers_->httpUrl("/large")));
    EXPECT_TRUE(isPattern(request_.ResponseBody(), 50 * 1024 * 1024));
}

TEST_F(CurlHttpRequestTest, ReportsTheFinalResponseInWinHttpForm) {
    ASSERT_TRUE(get(servers_->httpUrl("/fixed?header=X-Test:%20yes")));
    EXPECT_EQ(request_.Status(), 200);
    EXPECT_EQ(asString(request_.ResponseBody()), "hello from the loopback server\n");
    EXPECT_EQ(request_.GetAllResponseHeaders().view(),
              "Content-Type: text/plain\r\nContent-Length: 31\r\nX-Test: yes\r\n"
              "Connection: keep-alive\r\n\r\n");

    ASSERT_TRUE(get(servers_->httpUrl("/status/404")));
    EXPECT_EQ(request_.Status(), 404);
    EXPECT_EQ(asString(request_.ResponseBody()), "status 404\n");

    ASSERT_TRUE(request_.Open("HEAD", Text(servers_->httpUrl("/fixed")), false));
    ASSERT_TRUE(request_.Send(Text()));
    EXPECT_EQ(request_.Status(), 200);
    EXPECT_TRUE(request_.ResponseBody().empty());
    EXPECT_THAT(std::string(request_.GetAllResponseHeaders().view()),
                HasSubstr("Content-Length: 31\r\n"));
}

// Open starts afresh: the previous request's headers and response do not linger.
TEST_F(CurlHttpRequestTest, ReuseForgetsThePreviousRequest) {
    const std::string first = "/echo?case=reuse-first";
    const std::string second = "/echo?case=reuse-second";
    ASSERT_TRUE(request_.Open("GET", Text(servers_->httpUrl(first)), false));
    ASSERT_TRUE(request_.SetRequestHeader("X-First", "1"));
    ASSERT_TRUE(request_.Send(Text()));

    ASSERT_TRUE(request_.Open("GET", Text(servers_->httpUrl(second)), false));
    expectNoResponse();
    ASSERT_TRUE(request_.Send(Text()));
    EXPECT_THAT(received(LoopbackServer::http, second).headerLines,
                ElementsAreArray({hostLine(LoopbackServer::http)}));
    EXPECT_THAT(asString(request_.ResponseBody()), HasSubstr(second));
}

struct RedirectCase {
    const char* name;
    int status;
};

TEST_F(CurlHttpRequestTest, FollowsRedirectsUnlessSwitchedOff) {
    for (const RedirectCase& c : std::vector<RedirectCase>{
             {"moved", 301}, {"found", 302}, {"see-other", 303}, {"temporary", 307}}) {
        SCOPED_TRACE(c.name);
        const std::string url =
            servers_->httpUrl("/redirect?status=" + std::to_string(c.status) + "&to=/fixed");
        ASSERT_TRUE(request_.putOption(kOptionEnableRedirects, 1));
        ASSERT_TRUE(get(url));
        EXPECT_EQ(request_.Status(), 200);
        EXPECT_EQ(asString(request_.ResponseBody()), "hello from the loopback server\n");
        EXPECT_THAT(std::string(request_.GetAllResponseHeaders().view()),
                    Not(HasSubstr("Location")));

        ASSERT_TRUE(request_.putOption(kOptionEnableRedirects, 0));
        ASSERT_TRUE(get(url));
        EXPECT_EQ(request_.Status(), c.status);
        EXPECT_EQ(asString(request_.ResponseBody()), "redirecting to /fixed\n");
        const std::string headers(request_.GetAllResponseHeaders().view());
        EXPECT_THAT(headers, HasSubstr("\r\nLocation: /fixed\r\n"));
        EXPECT_THAT(headers, HasSubstr("\r\nX-Redirect: " + std::to_string(c.status) + "\r\n"));
    }
}

TEST_F(CurlHttpRequestTest, RedirectLimitsAndSchemes) {
    ASSERT_TRUE(request_.putOption(kOptionSslErrorIgnoreFlags, kIgnoreAllCertificateErrors));

    EXPECT_FALSE(get(servers_->httpUrl("/loop")));
    expectNoResponse();

    // From HTTPS to plain HTTP is not followed: the redirect itself is the answer.
    const std::string plainTarget = servers_->httpUrl("/fixed");
    ASSERT_TRUE(get(servers_->httpsUrl("/redirect?status=302&to=" + plainTarget)));
    EXPECT_EQ(request_.Status(), 302);
    EXPECT_THAT(std::string(request_.GetAllResponseHeaders().view()),
                HasSubstr("Location: " + plainTarget));

    const std::string secureTarget = servers_->httpsUrl("/fixed");
    ASSERT_TRUE(get(servers_->httpUrl("/redirect?status=302&to=" + secureTarget)));
    EXPECT_EQ(request_.Status(), 200);
}

struct CertificateCase {
    int ignoreFlags;
    bool succeeds;
};

// The HTTPS server's certificate is self-made and names another host, so it fails both
// checks; each flag switches off only its own.
TEST_F(CurlHttpRequestTest, CertificateErrorsAreIgnoredOnlyAsAsked) {
    for (const CertificateCase& c : std::vector<CertificateCase>{{0, false},
                                                                 {0x0100, false},
                                                                 {0x0200, false},
                                                                 {0x2000, false},
                                                                 {0x1000, false},
                                                                 {0x1100, true},
                                                                 {0x3000, true},
                                                                 {0x3300, true}}) {
        SCOPED_TRACE(c.ignoreFlags);
        ASSERT_TRUE(request_.putOption(kOptionSslErrorIgnoreFlags, c.ignoreFlags));
        EXPECT_EQ(get(servers_->httpsUrl("/fixed")), c.succeeds);
        EXPECT_EQ(request_.Status(), c.succeeds ? 200 : 0);
    }
}

TEST_F(CurlHttpRequestTest, MalformedRequestsFailWithoutAResponse) {
    for (const char* url : {"", "not a url", "http://", "ftp://127.0.0.1/file", "http://[::1/",
                            "file:///etc/passwd"}) {
        SCOPED_TRACE(url);
        EXPECT_FALSE(request_.Open("GET", url, false));
        EXPECT_FALSE(request_.SetRequestHeader("X-After", "1"));
        EXPECT_FALSE(request_.Send(Text()));
        expectNoResponse();
    }
    EXPECT_FALSE(request_.Open("GET", Text(servers_->httpUrl("/fixed")), true));
    EXPECT_FALSE(request_.Open("BAD METHOD", Text(servers_->httpUrl("/fixed")), false));
    EXPECT_FALSE(request_.Open("", Text(servers_->httpUrl("/fixed")), false));

    CurlHttpRequest fresh;
    EXPECT_FALSE(fresh.Send(Text()));
    EXPECT_FALSE(fresh.SetCredentials("u", "p", kCredentialsForServer));
}

TEST_F(CurlHttpRequestTest, RefusedConnectionGivesNoResponse) {
    // Port 1 on loopback has no listener here (tcpmux is long gone).
    EXPECT_FALSE(get("http://127.0.0.1:1/"));
    expectNoResponse();
}

// Zero and negative limits mean "no limit", never "no time at all".
TEST_F(CurlHttpRequestTest, UnlimitedTimeoutsLetTheExchangeRun) {
    for (const int limit : {0, -1}) {
        SCOPED_TRACE(limit);
        ASSERT_TRUE(request_.SetTimeouts(limit, limit, limit, limit));
        EXPECT_TRUE(get(servers_->httpUrl("/bytes/300000")));
        EXPECT_TRUE(isPattern(request_.ResponseBody(), 300000));
    }
}

// The server accepts, reads the request and then says nothing (or stops half-way through the
// body): the receive limit ends the wait.
TEST_F(CurlHttpRequestTest, StalledServerEndsAfterTheReceiveLimit) {
    for (const char* path : {"/stall", "/stall-body"}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(request_.SetTimeouts(1000, 1000, 1000, 1000));
        const auto started = std::chrono::steady_clock::now();
        EXPECT_FALSE(get(servers_->httpUrl(path)));
        EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1000));
        expectNoResponse();
    }
}

TEST_F(CurlHttpRequestTest, ServerCredentialsGoAsBasicAuthorization) {
    const std::string target = "/echo?case=server-credentials";
    ASSERT_TRUE(request_.Open("GET", Text(servers_->httpUrl(target)), false));
    ASSERT_TRUE(request_.SetCredentials("bob", "pa:ss", kCredentialsForServer));
    ASSERT_TRUE(request_.Send(Text()));
    EXPECT_EQ(received(LoopbackServer::http, target).header("Authorization"), "Basic Ym9iOnBhOnNz");
}

// Plain requests go to the proxy whole; HTTPS goes through a CONNECT tunnel. Either way the
// proxy, and only the proxy, sees one Proxy-Authorization header.
TEST_F(CurlHttpRequestTest, ProxyGetsTheCredentialsAndTheServerDoesNot) {
    ASSERT_TRUE(request_.putOption(kOptionSslErrorIgnoreFlags, kIgnoreAllCertificateErrors));
    struct ProxyCase {
        const char* name;
        bool ownHeader;
        bool secure;
    };
    for (const ProxyCase& c : std::vector<ProxyCase>{{"plain-credentials", false, false},
                                                     {"plain-both", true, false},
                                                     {"tunnel-credentials", false, true},
                                                     {"tunnel-both", true, true}}) {
        SCOPED_TRACE(c.name);
        const std::string target = std::string("/echo?case=proxy-") + c.name;
        const std::string url = c.secure ? servers_->httpsUrl(target) : servers_->httpUrl(target);
        ASSERT_TRUE(request_.SetProxy(kProxySettingProxy, Text(servers_->proxyAddress())));
        ASSERT_TRUE(request_.Open("GET", Text(url), false));
        ASSERT_TRUE(request_.SetCredentials("alice", "s3cret", kCredentialsForProxy));
        if (c.ownHeader) {
            ASSERT_TRUE(request_.SetRequestHeader("Proxy-Authorization", "Basic YWxpY2U6czNjcmV0"));
        }
        ASSERT_TRUE(request_.Send(Text()));
        EXPECT_EQ(request_.Status(), 200);

        const LoopbackServer origin = c.secure ? LoopbackServer::https : LoopbackServer::http;
        const std::string proxyTarget =
            c.secure ? "127.0.0.1:" + std::to_string(servers_->port(origin)) : url;
        EXPECT_THAT(linesStartingWith(received(LoopbackServer::proxy, proxyTarget), "Proxy-"),
                    ElementsAreArray({"Proxy-Authorization: Basic YWxpY2U6czNjcmV0"}));
        EXPECT_THAT(linesStartingWith(received(origin, target), "Proxy-"), IsEmpty());
    }
}

// The environment's proxy variables do not apply; only SetProxy routes through a proxy.
TEST_F(CurlHttpRequestTest, IgnoresTheEnvironmentsProxy) {
    const std::string proxyUrl = "http://" + servers_->proxyAddress();
    ASSERT_EQ(setenv("http_proxy", proxyUrl.c_str(), 1), 0);
    ASSERT_EQ(setenv("HTTP_PROXY", proxyUrl.c_str(), 1), 0);
    ASSERT_EQ(unsetenv("no_proxy"), 0);
    ASSERT_EQ(unsetenv("NO_PROXY"), 0);
    const std::string target = "/echo?case=environment-proxy";
    const bool sent = get(servers_->httpUrl(target));
    unsetenv("http_proxy");
    unsetenv("HTTP_PROXY");

    ASSERT_TRUE(sent);
    EXPECT_FALSE(servers_->lastRequest(LoopbackServer::proxy, servers_->httpUrl(target)));
    EXPECT_EQ(received(LoopbackServer::http, target).requestLine, "GET " + target + " HTTP/1.1");
}

}  // namespace
}  // namespace hotlist

#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <memory>
#include <string>

#include "http/curl_http_request.h"
#include "http/linux_com_library.h"
#include "loopback_page_server.h"
#include "web/web_request.h"

namespace {

constexpr std::size_t kPageSize = 200 * 1024;

// A 200 KB page of table rows, as a hot-list page is built.
std::string page() {
    std::string html = "<html><body><table>\n";
    for (int row = 0; html.size() < kPageSize - 64; ++row) {
        html += "<tr><td><a href=\"/n/a" + std::to_string(row) + "\">title " + std::to_string(row) +
                "</a></td><td>10000+</td></tr>\n";
    }
    html.resize(kPageSize - 16, ' ');
    return html + "</table></body>\n";
}

LoopbackPageServer& server() {
    static LoopbackPageServer instance(page());
    return instance;
}

// The program's own call: WebRequest with a fresh request object per call.
void BM_WebRequestGet(benchmark::State& state) {
    if (!server().running()) {
        state.SkipWithError("the loopback page server did not start");
        return;
    }
    hotlist::CurlHttpRequestFactory factory;
    hotlist::LinuxComLibrary com;
    const hotlist::Text url(server().url("/n/WnBe01o371"));
    for (auto _ : state) {
        const hotlist::Bytes body = hotlist::WebRequest(factory, com, url);
        if (body.length() != static_cast<int>(kPageSize)) {
            state.SkipWithError("short body");
            return;
        }
        benchmark::DoNotOptimize(body.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPageSize));
}
BENCHMARK(BM_WebRequestGet)->Unit(benchmark::kMicrosecond);

std::size_t appendTo(char* data, std::size_t size, std::size_t count, void* body) {
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

// The same page by a bare libcurl transfer, also with a fresh handle per request.
void BM_BareCurlGet(benchmark::State& state) {
    if (!server().running() || curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        state.SkipWithError("the loopback page server did not start");
        return;
    }
    const std::string url = server().url("/n/WnBe01o371");
    for (auto _ : state) {
        std::string body;
        const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> easy(curl_easy_init(),
                                                                       curl_easy_cleanup);
        curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
        curl_easy_setopt(easy.get(), CURLOPT_PROXY, "");
        curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, appendTo);
        curl_easy_setopt(easy.get(), CURLOPT_WRITEDATA, &body);
        if (curl_easy_perform(easy.get()) != CURLE_OK || body.size() != kPageSize) {
            state.SkipWithError("transfer failed");
            return;
        }
        benchmark::DoNotOptimize(body.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPageSize));
}
BENCHMARK(BM_BareCurlGet)->Unit(benchmark::kMicrosecond);

}  // namespace

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "text/code_page_conversion.h"
#include "text/iconv_code_page_converter.h"
#include "text/text.h"

namespace {

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// A hot-list page of about `size` bytes: table rows whose titles and figures are Chinese,
// drawn from the common CJK block, with a little full-width punctuation in between.
std::string hotListPage(std::size_t size) {
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    std::string page = "<html><head><meta charset=\"utf-8\"></head><body><table>\n";
    for (int row = 1; page.size() < size; ++row) {
        page += "<tr><td>" + std::to_string(row) + "</td><td><a href=\"https://mp.example/s/" +
                std::to_string(next()) + "\" target=\"_blank\">";
        for (int i = 0; i < 40; ++i) {
            appendUtf8(page, i % 13 == 12 ? 0xFF0C : 0x4E00 + next() % 0x51A5);
        }
        page += "</a></td><td>";
        page += std::to_string(next() % 100);
        appendUtf8(page, 0x4E07);
        page += "+</td></tr>\n";
    }
    page += "</table></body></html>\n";
    return page;
}

void Utf8ToLocalOfHotListPage(benchmark::State& state) {
    const hotlist::Text page(hotListPage(1 << 20));
    hotlist::IconvCodePageConverter converter;
    benchmark::DoNotOptimize(hotlist::utf8ToLocal(converter, page));  // builds the lookup table
    for (auto _ : state) {
        hotlist::Text local = hotlist::utf8ToLocal(converter, page);
        benchmark::DoNotOptimize(local);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * page.length());
}
BENCHMARK(Utf8ToLocalOfHotListPage)->Unit(benchmark::kMillisecond);

// The two converter calls of the chain on their own, to see where the time goes.
void DecodeUtf8Page(benchmark::State& state) {
    const std::string page = hotListPage(1 << 20);
    hotlist::IconvCodePageConverter converter;
    std::u16string wide(page.size() + 1, u'\0');
    for (auto _ : state) {
        benchmark::DoNotOptimize(converter.MultiByteToWideChar(
            hotlist::kCodePageUtf8, page.c_str(), wide.data(), static_cast<int>(wide.size())));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(DecodeUtf8Page)->Unit(benchmark::kMillisecond);

void EncodeCodePage936Page(benchmark::State& state) {
    const std::string page = hotListPage(1 << 20);
    hotlist::IconvCodePageConverter converter;
    std::u16string wide(page.size() + 1, u'\0');
    converter.MultiByteToWideChar(hotlist::kCodePageUtf8, page.c_str(), wide.data(),
                                  static_cast<int>(wide.size()));
    std::string local(page.size() + 1, '\0');
    for (auto _ : state) {
        benchmark::DoNotOptimize(converter.WideCharToMultiByte(
            hotlist::kCodePageGbk, wide.c_str(), local.data(), static_cast<int>(local.size())));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(EncodeCodePage936Page)->Unit(benchmark::kMillisecond);

}  // namespace

// Throughput of the character-walking text operations over large texts, at several sizes
// so that the cost per byte can be seen to stay flat.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "text/text.h"

namespace {

using hotlist::Text;

const char* const kSeparators[] = {"\r\n", "; ", "#\xd2\xfd\xba\xc5"};

// Lines of mixed ASCII and double-byte characters joined by the separator, about `size` bytes.
const Text& sampleText(int separatorIndex, int size) {
    static std::map<std::pair<int, int>, Text> cache;
    auto [entry, inserted] = cache.try_emplace({separatorIndex, size});
    if (inserted) {
        const std::string line =
            "Set-Cookie: sid=\xb2\xc9\xbc\xaf\xc8\xc8\xce\xc4 path=/n/WnBe01o371 \xa1\xa1";
        std::string text;
        text.reserve(static_cast<std::size_t>(size) + line.size());
        while (text.size() < static_cast<std::size_t>(size)) {
            text += line;
            text += kSeparators[separatorIndex];
        }
        entry->second = Text(std::move(text));
    }
    return entry->second;
}

// Runs `operation` over the sample text of the benchmark's separator and size; it is handed
// the text and that separator.
template <typename Operation>
void overSample(benchmark::State& state, Operation operation) {
    const int separator = static_cast<int>(state.range(0));
    const Text& text = sampleText(separator, static_cast<int>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(operation(text, kSeparators[separator]));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.length());
}

// Seeks a text that never occurs, so the walk covers every byte.
void BM_FindTextAbsent(benchmark::State& state) {
    overSample(state, [](const Text& text, const char*) {
        return hotlist::findText(text, "Cookie: absent", 0, false);
    });
}

void BM_FindTextAbsentIgnoringCase(benchmark::State& state) {
    overSample(state, [](const Text& text, const char*) {
        return hotlist::findText(text, "COOKIE: ABSENT", 0, true);
    });
}

void BM_FindTextReverseAbsent(benchmark::State& state) {
    overSample(state, [](const Text& text, const char*) {
        return hotlist::findTextReverse(text, "Cookie: absent");
    });
}

void BM_SplitText(benchmark::State& state) {
    overSample(state, [](const Text& text, const char* separator) {
        return hotlist::splitText(text, separator);
    });
}

void BM_ReplaceSubtext(benchmark::State& state) {
    overSample(state, [](const Text& text, const char* separator) {
        return hotlist::replaceSubtext(text, separator, "\"", true);
    });
}

void BM_ReplaceSubtextIgnoringCase(benchmark::State& state) {
    overSample(state, [](const Text& text, const char*) {
        return hotlist::replaceSubtext(text, "set-cookie:", "", false);
    });
}

void sizesAndSeparators(benchmark::internal::Benchmark* bench) {
    for (int separator = 0; separator < 3; ++separator) {
        for (int size : {256 << 10, 1 << 20, 4 << 20}) {
            bench->Args({separator, size});
        }
    }
    bench->ArgNames({"separator", "bytes"})->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_FindTextAbsent)->Apply(sizesAndSeparators);
BENCHMARK(BM_FindTextAbsentIgnoringCase)->Apply(sizesAndSeparators);
BENCHMARK(BM_FindTextReverseAbsent)->Apply(sizesAndSeparators);
BENCHMARK(BM_SplitText)->Apply(sizesAndSeparators);
BENCHMARK(BM_ReplaceSubtext)->Apply(sizesAndSeparators);
BENCHMARK(BM_ReplaceSubtextIgnoringCase)->Apply(sizesAndSeparators);

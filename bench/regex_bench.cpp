// Extraction of the hot-list entries: the PCRE2 engine behind RegexObject (conversion to
// UTF-16, matching, groups back to code page 936) against std::regex on the same code page
// 936 bytes.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <regex>
#include <string>

#include "app/constants.h"
#include "synthetic_hotlist_page.h"
#include "text/iconv_code_page_converter.h"
#include "text/pcre2_regexp.h"
#include "text/regex_object.h"

namespace hotlist {
namespace {

class NoCom : public ComLibrary {
  public:
    void CoInitialize() override {}
    void CoUninitialize() override {}
};

// The benchmark argument picks the page: 30 entries (about 10 KB), 1,000 entries (about
// 2 MB), or 1 for a single entry whose title cell and readers cell lie 1 MB apart.
const std::string& page(std::int64_t which) {
    static const std::string small = syntheticHotlistPage(30, 160);
    static const std::string large = syntheticHotlistPage(1000, 2300);
    static const std::string longGap = syntheticHotlistPage(1, 4 * 1024 * 1024);
    switch (which) {
        case 30:
            return small;
        case 1000:
            return large;
        default:
            return longGap;
    }
}

void BM_Pcre2Extraction(benchmark::State& state) {
    const Text subject(page(state.range(0)));
    IconvCodePageConverter converter;
    Pcre2RegExpFactory factory(converter);
    NoCom com;
    int matches = 0;
    for (auto _ : state) {
        RegexObject regex(factory, com);
        regex.create(kExtractionPattern, subject, false, false, true, true);
        matches = regex.matchCount();
        for (int n = 1; n <= matches; ++n) {
            for (int m = 1; m <= 3; ++m) {
                benchmark::DoNotOptimize(regex.subMatchText(n, m));
            }
        }
    }
    state.counters["matches"] = matches;
    state.counters["page_bytes"] = static_cast<double>(subject.length());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * subject.length());
}
BENCHMARK(BM_Pcre2Extraction)->Arg(30)->Arg(1000)->Arg(1)->Unit(benchmark::kMicrosecond);

int stdRegexExtract(const std::string& subject) {
    static const std::regex pattern(kExtractionPattern, std::regex::ECMAScript | std::regex::icase);
    int matches = 0;
    for (std::sregex_iterator it(subject.begin(), subject.end(), pattern), end; it != end; ++it) {
        for (std::size_t m = 1; m <= 3; ++m) {
            benchmark::DoNotOptimize((*it)[m].str());
        }
        ++matches;
    }
    return matches;
}

// std::regex recurses once per character that [\s\S]*? takes, so a long page can overflow
// the stack; a child process tries the page first so that the benchmark itself survives.
std::optional<std::string> stdRegexFailure(const std::string& subject) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        _exit(stdRegexExtract(subject) > 0 ? 0 : 2);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        return "could not run the trial process";
    }
    if (WIFSIGNALED(status)) {
        return "std::regex crashed on this page (signal " + std::to_string(WTERMSIG(status)) +
               ", stack overflow)";
    }
    if (WEXITSTATUS(status) != 0) {
        return "std::regex found no entry";
    }
    return std::nullopt;
}

void BM_StdRegexExtraction(benchmark::State& state) {
    const std::string& subject = page(state.range(0));
    if (const std::optional<std::string> failure = stdRegexFailure(subject)) {
        state.SkipWithError(failure->c_str());
        return;
    }
    int matches = 0;
    for (auto _ : state) {
        matches = stdRegexExtract(subject);
    }
    state.counters["matches"] = matches;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(subject.size()));
}
BENCHMARK(BM_StdRegexExtraction)->Arg(30)->Arg(1000)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hotlist

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

// "深夜食堂：一碗面的温度" and "10万+" in code page 936.
constexpr char kTitle[] =
    "\xc9\xee\xd2\xb9\xca\xb3\xcc\xc3\xa3\xba\xd2\xbb\xcd\xeb\xc3\xe6\xb5\xc4\xce\xc2\xb6\xc8";
constexpr char kReaders[] = "10\xcd\xf2+";

// Markup a real page carries around its entries: other cells inside an entry, and blocks
// between entries that hold no title cell.
std::string filler(std::size_t bytes) {
    std::string out;
    while (out.size() < bytes) {
        out += "<span class=\"tag\">\xc8\xc8\xce\xc4</span><i data-x=\"";
        out += std::to_string(out.size());
        out += "\"></i>\n";
    }
    return out;
}

// A code page 936 page in the aggregator's layout with `entries` article rows, each padded
// to about `entryBytes`.
std::string makePage(int entries, std::size_t entryBytes) {
    const std::string inside = filler(entryBytes / 4);
    const std::string between = filler(entryBytes / 2);
    std::string page = "<html><body><table><tbody>\n";
    for (int i = 1; i <= entries; ++i) {
        page += "<tr><td>" + std::to_string(i) + "</td><td class=\"al\"><a href=\"/n/a" +
                std::to_string(i) + "\" target=\"_blank\" rel=\"nofollow\" itemid=\"" +
                std::to_string(1000 + i) + "\">" + kTitle + "</a></td>\r\n" + inside + "<td>" +
                kReaders + "</td></tr>\n" + between;
    }
    return page + "</tbody></table></body></html>\n";
}

// The benchmark argument picks the page: 30 entries (about 10 KB), 1,000 entries (about
// 2 MB), or 1 for a single entry whose title cell and readers cell lie 1 MB apart.
const std::string& page(std::int64_t which) {
    static const std::string small = makePage(30, 160);
    static const std::string large = makePage(1000, 2300);
    static const std::string longGap = makePage(1, 4 * 1024 * 1024);
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

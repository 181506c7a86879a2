// Times the hot-list extraction with the scripting engine's RegExp object, the way a
// collection run uses it: one create over the page, then every group of every match.
// Run by hand under wine64 (tools/wine-run regex_extraction_timing.exe); not a test.
// The pages have the shape of bench/regex_bench.cpp's, so the figures compare with PCRE2's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/constants.h"
#include "base/vbscript_regexp.h"
#include "base/win32_com_library.h"
#include "synthetic_hotlist_page.h"
#include "text/regex_object.h"

namespace hotlist {
namespace {

double nowMs() {
    LARGE_INTEGER counter{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One extraction; returns the number of matches read.
int extract(RegExpFactory& factory, ComLibrary& com, const Text& page, std::size_t& groupBytes) {
    RegexObject regex(factory, com);
    regex.create(kExtractionPattern, page, false, false, true, true);
    const int matches = regex.matchCount();
    for (int n = 1; n <= matches; ++n) {
        for (int m = 1; m <= 3; ++m) {
            groupBytes += static_cast<std::size_t>(regex.subMatchText(n, m).length());
        }
    }
    return matches;
}

void timePage(const char* label, int entries, std::size_t entryBytes, int repetitions) {
    Win32ComLibrary com;
    ScopedComInitialization scope(com);
    VbscriptRegExpFactory factory;
    const Text page(syntheticHotlistPage(entries, entryBytes));
    std::vector<double> times;
    int matches = 0;
    std::size_t groupBytes = 0;
    for (int i = 0; i < repetitions; ++i) {
        const double start = nowMs();
        matches = extract(factory, com, page, groupBytes);
        times.push_back(nowMs() - start);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("%-28s %8d bytes %5d matches  min %9.2f ms  median %9.2f ms  %7.1f MB/s\n", label,
                page.length(), matches, times.front(), median,
                page.length() / (median / 1000.0) / 1e6);
}

}  // namespace
}  // namespace hotlist

int main() {
    hotlist::timePage("VBScript.RegExp, 30 entries", 30, 160, 20);
    hotlist::timePage("VBScript.RegExp, 1000 entries", 1000, 2300, 5);
    return 0;
}

// Arbitrary expressions, options and subjects through RegexObject and the PCRE2 engine:
// nothing may crash, hang or read out of bounds, and the results must hang together.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "text/iconv_code_page_converter.h"
#include "text/pcre2_regexp.h"
#include "text/regex_object.h"

namespace {

using hotlist::fuzz::require;

class NoCom : public hotlist::ComLibrary {
  public:
    void CoInitialize() override {}
    void CoUninitialize() override {}
};

bool isAscii(std::string_view text) {
    for (const char byte : text) {
        if (static_cast<unsigned char>(byte) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

// Input: one byte of options (case-sensitive, multi-line, global, quote marker), then the
// expression up to the first zero byte, then the subject.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 4096) {
        return 0;
    }
    const unsigned options = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = rest.find('\0');
    const hotlist::Text pattern(rest.substr(0, split));
    const hotlist::Text subject(split == std::string_view::npos ? std::string_view()
                                                                : rest.substr(split + 1));
    const bool global = (options & 4U) != 0;

    static hotlist::IconvCodePageConverter converter;
    hotlist::Pcre2RegExpFactory factory(converter);
    NoCom com;
    hotlist::RegexObject regex(factory, com);
    const bool created = regex.create(pattern, subject, (options & 1U) != 0, (options & 2U) != 0,
                                      global, (options & 8U) != 0);
    const int count = regex.matchCount();
    require(count >= 0);
    require(created || count == 0);
    require(global || count <= 1);
    const int groups = regex.subMatchCount();
    require(groups >= 0);
    for (int n = 0; n <= count + 1; ++n) {
        const hotlist::Text match = regex.matchText(n);
        if (n < 1 || n > count) {
            require(match.empty());
        }
        // An ASCII subject crosses the code page unchanged, so every match is a piece of it.
        if (isAscii(subject.view())) {
            require(subject.view().find(match.view()) != std::string_view::npos);
        }
        for (int m = 0; m <= groups + 1; ++m) {
            const hotlist::Text group = regex.subMatchText(n, m);
            if (m < 1 || m > groups) {
                require(group.empty());
            }
        }
    }
    // Each match put back in its own place gives the subject again.
    if (created && isAscii(subject.view())) {
        require(regex.replace("$&") == subject);
    }
    return 0;
}

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_checks.h"
#include "text/code_page_conversion.h"
#include "text/iconv_code_page_converter.h"
#include "text/text.h"

namespace {

using hotlist::fuzz::require;

// Well-formed UTF-8 by the Unicode table of valid byte sequences, written apart from the
// converter so that the two can disagree.
bool isValidUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned lead = *p++;
        int more = 0;
        unsigned low = 0x80;
        unsigned high = 0xBF;
        if (lead < 0x80) {
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        for (int i = 0; i < more; ++i, ++p) {
            if (p == end || *p < (i == 0 ? low : 0x80) || *p > (i == 0 ? high : 0xBF)) {
                return false;
            }
        }
    }
    return true;
}

bool isAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::size_t questionMarks(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += c == '?' ? 1 : 0;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static hotlist::IconvCodePageConverter converter;
    // The collection run hands over the body up to its first zero byte.
    const hotlist::Text utf8(std::string_view(reinterpret_cast<const char*>(data), size));

    const hotlist::Text local = hotlist::utf8ToLocal(converter, utf8);
    const hotlist::Bytes wide = hotlist::textToWide(converter, utf8, hotlist::kCodePageUtf8);
    const hotlist::Bytes bytes = hotlist::wideToMultiByte(converter, wide, hotlist::kCodePageGbk);

    require(bytes.view() == local.view());
    require(bytes.view().find('\0') == std::string_view::npos);
    const std::size_t units = wide.empty() ? 0 : static_cast<std::size_t>(wide.length()) / 2 - 1;
    require(wide.length() % 2 == 0);
    require(units <= static_cast<std::size_t>(utf8.length()));
    require(static_cast<std::size_t>(local.length()) <= 2 * units);
    if (isAscii(utf8.view())) {
        require(local == utf8);
    }
    // Every character that code page 936 lacks turns into "?", and no double-byte character
    // holds that byte; with none lost, the way back must restore the input exactly.
    if (isValidUtf8(utf8.view()) && questionMarks(local.view()) == questionMarks(utf8.view())) {
        const hotlist::Bytes back = hotlist::textToWide(converter, local, hotlist::kCodePageGbk);
        require(hotlist::wideToText(converter, back, hotlist::kCodePageUtf8) == utf8);
    }
    return 0;
}

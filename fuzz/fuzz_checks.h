#pragma once

#include <cstdlib>
#include <string_view>

#include "text/text.h"

// The checks every fuzz target makes of its results.
namespace hotlist::fuzz {

// A property that does not hold aborts, which libFuzzer reports together with the input.
inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// What holds for every text: no zero byte among its bytes, and one right after them.
inline void requireNoZeroByte(const Text& text) {
    require(text.view().find('\0') == std::string_view::npos);
    require(text.cStr()[text.length()] == '\0');
}

}  // namespace hotlist::fuzz

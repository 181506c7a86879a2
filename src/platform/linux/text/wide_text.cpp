#include "wide_text.h"

#include <string>

namespace hotlist {

namespace {

// Converts with a first guess at the output size, and asks the converter for the exact size
// only when the guess was too small; `convert(output, size)` returns the units written,
// terminator included, or 0.
template <typename Output, typename Convert>
Output convertWithGuess(std::size_t guess, Convert convert) {
    Output output(guess, typename Output::value_type{});
    int written = convert(output.data(), static_cast<int>(output.size()));
    if (written == 0) {
        const int needed = convert(nullptr, 0);
        if (needed <= 1) {
            return {};
        }
        output.assign(static_cast<std::size_t>(needed), typename Output::value_type{});
        written = convert(output.data(), needed);
    }
    if (written <= 1) {
        return {};
    }
    output.resize(static_cast<std::size_t>(written - 1));
    return output;
}

}  // namespace

// Every code page 936 character, one byte or two, is one UTF-16 unit.
std::u16string gbkToWide(CodePageConverter& converter, const Text& text) {
    if (text.empty()) {
        return {};
    }
    return convertWithGuess<std::u16string>(
        static_cast<std::size_t>(text.length()) + 1, [&](char16_t* output, int units) {
            return converter.MultiByteToWideChar(kCodePageGbk, text.cStr(), output, units);
        });
}

// Every UTF-16 unit becomes at most two bytes. The converter reads up to a zero unit, so a
// slice of a longer string is copied first.
Text wideToGbk(CodePageConverter& converter, std::u16string_view wide) {
    if (wide.empty()) {
        return {};
    }
    const std::u16string terminated(wide);
    return Text(convertWithGuess<std::string>(2 * wide.size() + 1, [&](char* output, int bytes) {
        return converter.WideCharToMultiByte(kCodePageGbk, terminated.c_str(), output, bytes);
    }));
}

}  // namespace hotlist

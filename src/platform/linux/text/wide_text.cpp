#include "wide_text.h"

#include <string>

namespace hotlist {

// The converter reports the size it needs, terminator included, when asked with no output.
std::u16string gbkToWide(CodePageConverter& converter, const Text& text) {
    if (text.empty()) {
        return {};
    }
    const int needed = converter.MultiByteToWideChar(kCodePageGbk, text.cStr(), nullptr, 0);
    if (needed <= 1) {
        return {};
    }
    std::u16string wide(static_cast<std::size_t>(needed), u'\0');
    const int written =
        converter.MultiByteToWideChar(kCodePageGbk, text.cStr(), wide.data(), needed);
    if (written <= 1) {
        return {};
    }
    wide.resize(static_cast<std::size_t>(written - 1));
    return wide;
}

// The converter reads up to a zero unit, so a slice of a longer string is copied first.
Text wideToGbk(CodePageConverter& converter, std::u16string_view wide) {
    if (wide.empty()) {
        return {};
    }
    const std::u16string terminated(wide);
    const int needed = converter.WideCharToMultiByte(kCodePageGbk, terminated.c_str(), nullptr, 0);
    if (needed <= 1) {
        return {};
    }
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    const int written =
        converter.WideCharToMultiByte(kCodePageGbk, terminated.c_str(), narrow.data(), needed);
    if (written <= 1) {
        return {};
    }
    narrow.resize(static_cast<std::size_t>(written - 1));
    return Text(std::move(narrow));
}

}  // namespace hotlist

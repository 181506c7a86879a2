#include "base/wide_conversion.h"

#include <windows.h>

#include <string_view>

namespace hotlist {

std::wstring wideFromText(const Text& text, unsigned codePage) {
    if (text.empty()) {
        return {};
    }
    const int units = MultiByteToWideChar(codePage, 0, text.cStr(), text.length(), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) {
        MultiByteToWideChar(codePage, 0, text.cStr(), text.length(), wide.data(), units);
    }
    return wide;
}

Text textFromWide(const wchar_t* wide, int length, unsigned codePage) {
    if (wide == nullptr) {
        return {};
    }
    const std::wstring_view units = length < 0
                                        ? std::wstring_view(wide)
                                        : std::wstring_view(wide, static_cast<std::size_t>(length));
    const std::wstring_view upToZero = units.substr(0, units.find(L'\0'));
    if (upToZero.empty()) {
        return {};
    }
    const int count = static_cast<int>(upToZero.size());
    const int bytes =
        WideCharToMultiByte(codePage, 0, upToZero.data(), count, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(codePage, 0, upToZero.data(), count, narrow.data(), bytes, nullptr,
                            nullptr);
    }
    return Text(std::move(narrow));
}

}  // namespace hotlist

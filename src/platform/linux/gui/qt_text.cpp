#include "gui/qt_text.h"

#include <string>
#include <vector>

namespace hotlist {

QString toQString(CodePageConverter& converter, const Text& text) {
    if (text.empty()) {
        return {};
    }
    const int units = converter.MultiByteToWideChar(kCodePageGbk, text.cStr(), nullptr, 0);
    if (units <= 1) {
        return {};
    }
    std::vector<char16_t> wide(static_cast<std::size_t>(units));
    const int written =
        converter.MultiByteToWideChar(kCodePageGbk, text.cStr(), wide.data(), units);
    if (written <= 1) {
        return {};
    }
    return QString::fromUtf16(wide.data(), written - 1);
}

Text fromQString(CodePageConverter& converter, const QString& string) {
    if (string.isEmpty()) {
        return {};
    }
    const auto* wide = reinterpret_cast<const char16_t*>(string.utf16());
    const int bytes = converter.WideCharToMultiByte(kCodePageGbk, wide, nullptr, 0);
    if (bytes <= 1) {
        return {};
    }
    std::string local(static_cast<std::size_t>(bytes), '\0');
    const int written = converter.WideCharToMultiByte(kCodePageGbk, wide, local.data(), bytes);
    if (written <= 1) {
        return {};
    }
    local.resize(static_cast<std::size_t>(written - 1));
    return Text(std::move(local));
}

}  // namespace hotlist

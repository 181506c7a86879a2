#include "gui/qt_text.h"

#include <string>
#include <string_view>

#include "text/wide_text.h"

namespace hotlist {

QString toQString(CodePageConverter& converter, const Text& text) {
    const std::u16string wide = gbkToWide(converter, text);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

Text fromQString(CodePageConverter& converter, const QString& string) {
    return wideToGbk(converter,
                     std::u16string_view(reinterpret_cast<const char16_t*>(string.utf16()),
                                         static_cast<std::size_t>(string.size())));
}

}  // namespace hotlist

#include <QApplication>
#include <QThread>
#include <cstdint>
#include <span>

#include "qt/qt_skin_theme.h"
#include "skin/skin_format.h"

namespace {

// Returned when there is no widget application to skin, or the caller is not its thread.
constexpr std::int32_t kNoApplication = 20;
constexpr std::int32_t kNotTheGuiThread = 21;

}  // namespace

// Applies a skin held in memory to the calling Qt application: palette, font and style
// sheet. The password and the three integers are reserved; our skins are not encrypted.
// Returns 0 when applied; otherwise nothing about the application has changed.
extern "C" __attribute__((visibility("default"))) std::int32_t SkinH_AttachRes(
    const unsigned char* data, std::int32_t length, const char* password, std::int32_t a,
    std::int32_t b, std::int32_t c) {
    static_cast<void>(password);
    static_cast<void>(a);
    static_cast<void>(b);
    static_cast<void>(c);
    using hotlist::skinformat::SkinError;
    const hotlist::skinformat::ParsedSkin parsed = hotlist::skinformat::parseSkin(data, length);
    if (parsed.error != SkinError::none) {
        return static_cast<std::int32_t>(parsed.error);
    }
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application == nullptr) {
        return kNoApplication;
    }
    if (QThread::currentThread() != application->thread()) {
        return kNotTheGuiThread;
    }
    const hotlist::skinlib::QtSkinTheme theme =
        hotlist::skinlib::makeQtSkinTheme(parsed.skin, QApplication::palette());
    QApplication::setPalette(theme.palette);
    if (theme.font) {
        QApplication::setFont(*theme.font);
    }
    application->setStyleSheet(theme.styleSheet);
    return 0;
}

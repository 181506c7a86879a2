#include "gui/qt_window_system.h"

#include <QApplication>
#include <QScreen>

#include "gui/plain_message_box.h"
#include "gui/qt_main_window.h"
#include "gui/qt_text.h"

namespace hotlist {
namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0xF0) {
        case kMessageBoxIconStop:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case kMessageBoxIconInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

ScreenSize QtWindowSystem::primaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QSize size = screen->geometry().size();
    return {size.width(), size.height()};
}

std::unique_ptr<NativeMainWindow> QtWindowSystem::createMainWindow(
    const MainWindowDefinition& definition, MainWindowEvents& events) {
    if (QApplication::instance() == nullptr) {
        return nullptr;
    }
    return std::make_unique<QtMainWindow>(converter_, definition, events);
}

void QtWindowSystem::runMessageLoop() {
    QApplication::exec();
}

// Application-modal: the owner and every other window stay disabled while the box is open,
// and its own loop still dispatches timer ticks.
void QtWindowSystem::messageBox(const Text& text, const Text& caption, int style,
                                NativeMainWindow* owner) {
    auto* qtOwner = dynamic_cast<QtMainWindow*>(owner);
    showPlainMessageBox(iconOf(style), toQString(converter_, caption), toQString(converter_, text),
                        qtOwner != nullptr ? &qtOwner->widget() : nullptr);
}

void QtWindowSystem::setBusyCursor(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace hotlist

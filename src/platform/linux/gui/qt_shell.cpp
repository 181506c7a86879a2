#include "gui/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "gui/qt_text.h"

namespace hotlist {

void QtShell::openInBrowser(const Text& address) {
    QDesktopServices::openUrl(QUrl(toQString(converter_, address)));
}

}  // namespace hotlist

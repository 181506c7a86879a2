#include "gui/qt_fatal_stop_sink.h"

#include <unistd.h>

#include <QApplication>

#include "gui/plain_message_box.h"
#include "gui/qt_text.h"

namespace hotlist {

void QtFatalStopSink::showErrorBox(const Text& caption, const Text& text) {
    if (QApplication::instance() == nullptr) {
        return;
    }
    showPlainMessageBox(QMessageBox::Critical, toQString(converter_, caption),
                        toQString(converter_, text), nullptr);
}

// _exit skips every destructor and exit handler: nothing of the orderly shutdown runs.
void QtFatalStopSink::endProcess(int exitCode) {
    _exit(exitCode);
}

}  // namespace hotlist

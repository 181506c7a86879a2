#include "gui/qt_fatal_stop_sink.h"

#include <unistd.h>

#include <QApplication>
#include <QMessageBox>

#include "gui/qt_text.h"

namespace hotlist {

void QtFatalStopSink::showErrorBox(const Text& caption, const Text& text) {
    if (QApplication::instance() == nullptr) {
        return;
    }
    QMessageBox box(QMessageBox::Critical, toQString(converter_, caption),
                    toQString(converter_, text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

// _exit skips every destructor and exit handler: nothing of the orderly shutdown runs.
void QtFatalStopSink::endProcess(int exitCode) {
    _exit(exitCode);
}

}  // namespace hotlist

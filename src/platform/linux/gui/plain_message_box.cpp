#include "gui/plain_message_box.h"

namespace hotlist {

void showPlainMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                         QWidget* owner) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace hotlist

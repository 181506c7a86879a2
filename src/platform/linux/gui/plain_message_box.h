#pragma once

#include <QMessageBox>

namespace hotlist {

// A box with one OK button that keeps every window of the program disabled while it is open
// and shows its text as it is, never as markup; returns when it is dismissed.
void showPlainMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                         QWidget* owner);

}  // namespace hotlist

#include "gui/status_panes.h"

#include <QLabel>

namespace hotlist {

StatusPanes::StatusPanes(const std::array<int, 3>& rightEdges, const std::array<QString, 3>& texts,
                         QWidget* parent)
    : QWidget(parent) {
    int left = 0;
    for (std::size_t i = 0; i < rightEdges.size(); ++i) {
        auto* pane = new QLabel(texts[i], this);
        pane->setObjectName(QStringLiteral("pane%1").arg(i + 1));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setTextFormat(Qt::PlainText);
        pane->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        pane->setIndent(2);
        pane->setGeometry(left, 0, rightEdges[i] - left, 20);
        left = rightEdges[i];
    }
}

}  // namespace hotlist

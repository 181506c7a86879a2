#pragma once

#include <QWidget>
#include <array>

namespace hotlist {

// A status bar of three panes ending at fixed right edges; a pane running past the bar's
// right edge is cut off there. No size grip.
class StatusPanes final : public QWidget {
    Q_OBJECT

  public:
    StatusPanes(const std::array<int, 3>& rightEdges, const std::array<QString, 3>& texts,
                QWidget* parent = nullptr);
};

}  // namespace hotlist

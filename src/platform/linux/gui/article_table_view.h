#pragma once

#include <QTableView>
#include <array>
#include <functional>

#include "app/window_system.h"
#include "gui/article_table_model.h"

namespace hotlist {

// The report-style article list: full-row single selection, never sorted, uniform rows.
class ArticleTableView final : public QTableView, public ArticleListView {
    Q_OBJECT

  public:
    ArticleTableView(CodePageConverter& converter,
                     const std::array<MainWindowDefinition::Column, 4>& columns,
                     QWidget* parent = nullptr);

    // Called for a left click in the row area once the selection has followed it.
    void setLeftClickHandler(std::function<void()> handler) { onLeftClick_ = std::move(handler); }

    int appendRow() override;
    void setCellText(int row, int column, const Text& text) override;
    void ensureRowVisible(int row) override;
    int selectedRowIndex() override;
    Text cellText(int row, int column) override;

  protected:
    void updateGeometries() override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void configureLook(const std::array<MainWindowDefinition::Column, 4>& columns);

    void scrollToWholeRow(int row);

    ArticleTableModel* model_ = nullptr;
    // Scrolled to again after every layout until the user scrolls; -1 for none.
    int rowToKeepVisible_ = -1;
    std::function<void()> onLeftClick_;
    bool leftPressed_ = false;
    bool insideDoubleClick_ = false;
};

}  // namespace hotlist

#include "gui/article_table_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>
#include <algorithm>

#include "gui/qt_text.h"

namespace hotlist {
namespace {

std::array<QString, 4> headerTexts(CodePageConverter& converter,
                                   const std::array<MainWindowDefinition::Column, 4>& columns) {
    std::array<QString, 4> headers;
    for (std::size_t i = 0; i < headers.size(); ++i) {
        headers[i] = toQString(converter, columns[i].header);
    }
    return headers;
}

}  // namespace

ArticleTableView::ArticleTableView(CodePageConverter& converter,
                                   const std::array<MainWindowDefinition::Column, 4>& columns,
                                   QWidget* parent)
    : QTableView(parent) {
    model_ = new ArticleTableModel(converter, headerTexts(converter, columns), this);
    setModel(model_);
    configureLook(columns);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { rowToKeepVisible_ = -1; });
}

// Fixed row heights keep appending and scrolling independent of the number of rows; the
// highlight takes the base colours while the list has no focus, so it only shows with focus.
void ArticleTableView::configureLook(const std::array<MainWindowDefinition::Column, 4>& columns) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rowsHeader = verticalHeader();
    rowsHeader->hide();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* columnsHeader = horizontalHeader();
    columnsHeader->setSectionsClickable(true);
    columnsHeader->setSortIndicatorShown(false);
    columnsHeader->setHighlightSections(false);
    columnsHeader->setStretchLastSection(false);
    columnsHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columnsHeader->setSectionResizeMode(QHeaderView::Interactive);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columnsHeader->resizeSection(static_cast<int>(i), columns[i].width);
    }

    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Base));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::Text));
    setPalette(colours);
}

int ArticleTableView::appendRow() {
    return model_->appendRow();
}

void ArticleTableView::setCellText(int row, int column, const Text& text) {
    model_->setCell(row, column, text);
}

// Rows all have one height, so a row's place follows from its index alone; the view's own
// scrollTo and layout walk every row after an append. The layout that follows later may bring
// in a scroll bar and shrink the viewport, so it scrolls once more for the same row.
void ArticleTableView::ensureRowVisible(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return;
    }
    rowToKeepVisible_ = row;
    scrollToWholeRow(row);
}

void ArticleTableView::scrollToWholeRow(int row) {
    QScrollBar* bar = verticalScrollBar();
    const int rowHeight = verticalHeader()->defaultSectionSize();
    const int shownHeight = viewport()->height();
    const int top = row * rowHeight;
    const int lowestValue = std::max(0, model_->rowCount() * rowHeight - shownHeight);
    if (bar->maximum() < lowestValue) {
        bar->setMaximum(lowestValue);
    }
    if (top < bar->value()) {
        bar->setValue(top);
    } else if (top + rowHeight > bar->value() + shownHeight) {
        bar->setValue(top + rowHeight - shownHeight);
    }
}

// The row stays wanted in view until the user scrolls.
void ArticleTableView::updateGeometries() {
    QTableView::updateGeometries();
    if (rowToKeepVisible_ >= 0) {
        scrollToWholeRow(rowToKeepVisible_);
    }
}

int ArticleTableView::selectedRowIndex() {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

Text ArticleTableView::cellText(int row, int column) {
    return model_->cell(row, column);
}

// The base class asks the header where the changed cell lies, and after an append the header
// answers by walking every row. With one height for all rows the place is known directly, and
// only the changed rows are repainted.
void ArticleTableView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                   const QList<int>& /*roles*/) {
    const int rowHeight = verticalHeader()->defaultSectionSize();
    const int top = topLeft.row() * rowHeight - verticalScrollBar()->value();
    const int height = (bottomRight.row() - topLeft.row() + 1) * rowHeight;
    const QRect changed(0, top, viewport()->width(), height);
    if (changed.intersects(viewport()->rect())) {
        viewport()->update(changed);
    }
}

void ArticleTableView::mousePressEvent(QMouseEvent* event) {
    leftPressed_ = event->button() == Qt::LeftButton;
    QTableView::mousePressEvent(event);
}

void ArticleTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    insideDoubleClick_ = event->button() == Qt::LeftButton;
    QTableView::mouseDoubleClickEvent(event);
}

// The base class first moves the selection, so the handler finds the clicked row selected.
// The release that ends a double click belongs to its first click, which already counted.
void ArticleTableView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const bool leftClick = event->button() == Qt::LeftButton && leftPressed_;
    const bool secondOfDouble = insideDoubleClick_;
    leftPressed_ = false;
    insideDoubleClick_ = false;
    if (leftClick && !secondOfDouble && onLeftClick_) {
        onLeftClick_();
    }
}

}  // namespace hotlist

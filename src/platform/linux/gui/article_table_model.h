#pragma once

#include <QAbstractTableModel>
#include <array>
#include <vector>

#include "text/code_page_converter.h"
#include "text/text.h"

namespace hotlist {

// The rows of the article list: four code page 936 texts each, appended one at a time.
class ArticleTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kColumns = 4;

    ArticleTableModel(CodePageConverter& converter, std::array<QString, kColumns> headers,
                      QObject* parent = nullptr);

    // Index of the new empty last row; -1 when the list is full.
    int appendRow();
    // False for a row or column outside the list.
    bool setCell(int row, int column, const Text& text);
    // Empty for a row or column outside the list.
    [[nodiscard]] Text cell(int row, int column) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

  private:
    [[nodiscard]] bool contains(int row, int column) const;

    CodePageConverter& converter_;
    std::array<QString, kColumns> headers_;
    std::vector<std::array<Text, kColumns>> rows_;
};

}  // namespace hotlist

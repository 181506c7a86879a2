#pragma once

#include <windows.h>
// The system headers below build on windows.h.
#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "app/window_system.h"

namespace hotlist {

// The report-style article list: a virtual (owner-data) list view whose rows live here, so an
// append is one count change however long the list has grown and a cell reads back whole.
class Win32ArticleList final : public ArticleListView {
  public:
    static constexpr int kColumns = 4;

    // Creates the control as a child of `parent` with the definition's geometry and columns.
    Win32ArticleList(HWND parent, int controlId, const MainWindowDefinition& definition);
    Win32ArticleList(const Win32ArticleList&) = delete;
    Win32ArticleList& operator=(const Win32ArticleList&) = delete;

    int appendRow() override;
    void setCellText(int row, int column, const Text& text) override;
    void ensureRowVisible(int row) override;
    int selectedRowIndex() override;
    Text cellText(int row, int column) override;

    [[nodiscard]] HWND handle() const { return handle_; }
    // Fills the text the control asks for while painting a cell.
    void provideDisplayText(NMLVDISPINFOW& info);

  private:
    [[nodiscard]] bool contains(int row, int column) const;

    HWND handle_ = nullptr;
    std::vector<std::array<Text, kColumns>> rows_;
};

}  // namespace hotlist

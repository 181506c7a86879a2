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
// append costs the same however long the list has grown and a cell reads back whole. The
// control learns of new rows, and scrolls to the row asked for, once the thread dispatches
// again: it then repaints once for everything that changed meanwhile.
class Win32ArticleList final : public ArticleListView {
  public:
    static constexpr int kColumns = 4;
    // Posted to the parent window when the control has rows to catch up with.
    static constexpr UINT kCatchUpMessage = WM_APP + 1;

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
    // Gives the control the rows appended since it last caught up and scrolls as asked.
    void catchUp();

  private:
    [[nodiscard]] bool contains(int row, int column) const;
    [[nodiscard]] bool shownByControl(int row) const { return row < controlRows_; }

    HWND parent_ = nullptr;
    HWND handle_ = nullptr;
    std::vector<std::array<Text, kColumns>> rows_;
    int controlRows_ = 0;
    int rowToShow_ = -1;
    bool catchUpPosted_ = false;
};

}  // namespace hotlist

#include "gui/win32_article_list.h"

#include <algorithm>
#include <climits>
#include <new>

#include "gui/wide_text.h"

namespace hotlist {
namespace {

void addColumns(HWND list, const MainWindowDefinition& definition) {
    for (int index = 0; index < Win32ArticleList::kColumns; ++index) {
        const auto& column = definition.columns[static_cast<std::size_t>(index)];
        std::wstring header = wideFromCodePageText(column.header);
        LVCOLUMNW settings{};
        settings.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        settings.fmt = LVCFMT_LEFT;
        settings.cx = column.width;
        settings.pszText = header.data();
        settings.iSubItem = index;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&settings));
    }
}

}  // namespace

// No LVS_SHOWSELALWAYS: the highlight hides while the list lacks the focus. The header stays
// clickable (no LVS_NOSORTHEADER) but nothing ever sorts: the rows are ours, in append order.
Win32ArticleList::Win32ArticleList(HWND parent, int controlId,
                                   const MainWindowDefinition& definition)
    : parent_(parent) {
    const Geometry& place = definition.articleList.geometry;
    handle_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDATA, place.left,
        place.top, place.width, place.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), GetModuleHandleW(nullptr),
        nullptr);
    if (handle_ == nullptr) {
        return;
    }
    SendMessageW(handle_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    addColumns(handle_, definition);
}

// Each change of the control's row count redraws its scroll bar at once, which costs more
// than everything else an append does, so the count changes once per dispatch instead.
int Win32ArticleList::appendRow() {
    if (handle_ == nullptr || rows_.size() >= static_cast<std::size_t>(INT_MAX)) {
        return -1;
    }
    if (!catchUpPosted_) {
        if (PostMessageW(parent_, kCatchUpMessage, 0, 0) == FALSE) {
            return -1;
        }
        catchUpPosted_ = true;
    }
    try {
        rows_.emplace_back();
    } catch (const std::bad_alloc&) {
        return -1;
    }
    return static_cast<int>(rows_.size()) - 1;
}

// Without invalidating everything or scrolling, the count change keeps the selection and the
// view; redrawing is off meanwhile so that the control paints once. The scroll comes after,
// when the control has taken the new count into its scroll range.
void Win32ArticleList::catchUp() {
    catchUpPosted_ = false;
    const int rows = static_cast<int>(rows_.size());
    if (handle_ == nullptr) {
        return;
    }
    if (rows != controlRows_) {
        SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
        if (SendMessageW(handle_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows),
                         LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL) != 0) {
            controlRows_ = rows;
        }
        SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(handle_, nullptr, TRUE);
    }
    if (rowToShow_ >= 0 && shownByControl(rowToShow_)) {
        SendMessageW(handle_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(rowToShow_), FALSE);
    }
    rowToShow_ = -1;
}

void Win32ArticleList::setCellText(int row, int column, const Text& text) {
    if (!contains(row, column)) {
        return;
    }
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    if (shownByControl(row)) {
        SendMessageW(handle_, LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
    }
}

void Win32ArticleList::ensureRowVisible(int row) {
    if (!contains(row, 0)) {
        return;
    }
    if (shownByControl(row) && !catchUpPosted_) {
        SendMessageW(handle_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    } else {
        rowToShow_ = row;
    }
}

int Win32ArticleList::selectedRowIndex() {
    if (handle_ == nullptr) {
        return -1;
    }
    return static_cast<int>(
        SendMessageW(handle_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

Text Win32ArticleList::cellText(int row, int column) {
    if (!contains(row, column)) {
        return {};
    }
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

// The control keeps only what fits its buffer for painting; the row keeps the whole text.
void Win32ArticleList::provideDisplayText(NMLVDISPINFOW& info) {
    LVITEMW& item = info.item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) {
        return;
    }
    item.pszText[0] = L'\0';
    if (!contains(item.iItem, item.iSubItem)) {
        return;
    }
    const std::wstring wide = wideFromCodePageText(cellText(item.iItem, item.iSubItem));
    const std::size_t copied = std::min(wide.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    std::copy_n(wide.data(), copied, item.pszText);
    item.pszText[copied] = L'\0';
}

bool Win32ArticleList::contains(int row, int column) const {
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size() && column >= 0 &&
           column < kColumns;
}

}  // namespace hotlist

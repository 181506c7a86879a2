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
                                   const MainWindowDefinition& definition) {
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

// Growing the count without invalidating or scrolling keeps the selection and the view.
int Win32ArticleList::appendRow() {
    if (handle_ == nullptr || rows_.size() >= static_cast<std::size_t>(INT_MAX)) {
        return -1;
    }
    try {
        rows_.emplace_back();
    } catch (const std::bad_alloc&) {
        return -1;
    }
    const int count = static_cast<int>(rows_.size());
    if (SendMessageW(handle_, LVM_SETITEMCOUNT, static_cast<WPARAM>(count),
                     LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL) == 0) {
        rows_.pop_back();
        return -1;
    }
    return count - 1;
}

void Win32ArticleList::setCellText(int row, int column, const Text& text) {
    if (!contains(row, column)) {
        return;
    }
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    SendMessageW(handle_, LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
}

void Win32ArticleList::ensureRowVisible(int row) {
    if (contains(row, 0)) {
        SendMessageW(handle_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
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

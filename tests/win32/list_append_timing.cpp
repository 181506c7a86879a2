// Times row appends in the main window's list, as a collection run makes them (append, four
// cells, scroll to the row) without the pauses, for the owner-data list the program uses and
// for a plain list view that stores the texts itself. Run by hand under wine64 or Windows:
//   tools/wine-run list_append_timing.exe 100000 each
#include <windows.h>
// The system headers below build on windows.h.
#include <commctrl.h>
#include <ole2.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_window_definition.h"
#include "gui/wide_text.h"
#include "gui/win32_main_window.h"
#include "gui/win32_window_system.h"
#include "gui_harness.h"

namespace {

using Clock = std::chrono::steady_clock;

hotlist::Text cell(int row, int column) {
    static const char* const kTitle = "\xC8\xC8\xCE\xC4\xB1\xEA\xCC\xE2";
    switch (column) {
        case 0:
            return hotlist::Text(std::to_string(row + 1));
        case 1:
            return hotlist::Text("https://example.invalid/n/a" + std::to_string(row) + "x037");
        case 2:
            return hotlist::Text(std::string(kTitle) + std::to_string(row));
        default:
            return "10\xCD\xF2+";
    }
}

// With `dispatchEachRow` the thread dispatches after every row, as a run's pause does, so
// the control catches up and paints per row; without, once at the end.
double ownerDataMs(hotlist::Win32ArticleList& list, int rows, bool dispatchEachRow) {
    const auto start = Clock::now();
    for (int index = 0; index < rows; ++index) {
        const int row = list.appendRow();
        for (int column = 0; column < 4; ++column) {
            list.setCellText(row, column, cell(row, column));
        }
        list.ensureRowVisible(row);
        if (dispatchEachRow) {
            hotlist::dispatchPending();
        }
    }
    hotlist::dispatchPending();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The same rows through LVM_INSERTITEM and LVM_SETITEMTEXT into a list view of its own.
double insertItemMs(HWND parent, const hotlist::MainWindowDefinition& definition, int rows) {
    const hotlist::Geometry& place = definition.articleList.geometry;
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, place.left,
                                place.top, place.width, place.height, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    for (int column = 0; column < 4; ++column) {
        LVCOLUMNW settings{};
        settings.mask = LVCF_WIDTH;
        settings.cx = 100;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&settings));
    }
    const auto start = Clock::now();
    for (int index = 0; index < rows; ++index) {
        LVITEMW item{};
        item.iItem = index;
        const auto row = static_cast<int>(
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int column = 0; column < 4; ++column) {
            std::wstring text = hotlist::wideFromCodePageText(cell(row, column));
            LVITEMW subItem{};
            subItem.iSubItem = column;
            subItem.pszText = text.data();
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&subItem));
        }
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    }
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    DestroyWindow(list);
    return elapsed;
}

}  // namespace

// list_append_timing.exe <rows> <end|each|insert>: one timing per run, so that a slow
// configuration can be left out.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: list_append_timing <rows> <end|each|insert>\n");
        return 2;
    }
    const int rows = std::atoi(argv[1]);
    const std::string mode = argv[2];
    OleInitialize(nullptr);
    hotlist::Win32WindowSystem windows;
    hotlist::RecordingEvents events;
    const auto definition = hotlist::mainWindowDefinition(windows.primaryScreenSize());
    auto window = hotlist::Win32MainWindow::create(definition, events);
    window->show();
    const double elapsed = mode == "insert" ? insertItemMs(window->handle(), definition, rows)
                                            : ownerDataMs(window->list(), rows, mode == "each");
    std::fprintf(stderr, "%6d rows, %-6s %10.1f ms (%8.2f us/row)\n", rows, mode.c_str(), elapsed,
                 1000.0 * elapsed / rows);
    window.reset();
    OleUninitialize();
    return 0;
}

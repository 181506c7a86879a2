#include "gui/win32_main_window.h"

#include <windows.h>
// The system headers below build on windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_window_definition.h"
#include "gui/wide_text.h"
#include "gui/win32_window_system.h"
#include "gui_harness.h"

namespace hotlist {
namespace {

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override {
        window_.reset();
        OleUninitialize();
    }

    Win32MainWindow& open(int timerPeriodMs = kCollectionPeriodMs) {
        definition_ = mainWindowDefinition(windows_.primaryScreenSize(), timerPeriodMs);
        window_ = Win32MainWindow::create(definition_, events_);
        EXPECT_NE(window_, nullptr);
        return *window_;
    }

    HWND control(int id) const { return GetDlgItem(window_->handle(), id); }

    Win32WindowSystem windows_;
    RecordingEvents events_;
    MainWindowDefinition definition_;
    std::unique_ptr<Win32MainWindow> window_;
};

void expectRect(const RECT& rect, const Geometry& geometry, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(rect.left, geometry.left);
    EXPECT_EQ(rect.top, geometry.top);
    EXPECT_EQ(rect.right - rect.left, geometry.width);
    EXPECT_EQ(rect.bottom - rect.top, geometry.height);
}

TEST_F(MainWindowTest, OpensHiddenCentredAtItsFixedSizeAndShowsNormally) {
    Win32MainWindow& window = open();
    const ScreenSize screen = windows_.primaryScreenSize();
    RECT outer{};
    GetWindowRect(window.handle(), &outer);
    expectRect(outer, {(screen.width - 918) / 2, (screen.height - 577) / 2, 918, 577}, "outer");
    // The client area is what the system's fixed frame leaves: 912 wide, and as high as
    // its caption allows (543 under a 28-pixel caption and frame, 551 under Wine's 20).
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, Win32MainWindow::kStyle, FALSE, Win32MainWindow::kExtendedStyle);
    RECT client{};
    GetClientRect(window.handle(), &client);
    EXPECT_EQ(client.right, 912);
    EXPECT_EQ(frame.right - frame.left, 918 - 912);
    EXPECT_EQ(client.bottom, 577 - (frame.bottom - frame.top));
    EXPECT_EQ(windowText(window.handle()), definition_.title);

    const LONG style = GetWindowLongW(window.handle(), GWL_STYLE);
    for (const LONG present : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX}) {
        EXPECT_EQ(style & present, present) << std::hex << present;
    }
    for (const LONG absent : {WS_THICKFRAME, WS_MAXIMIZEBOX, WS_VISIBLE}) {
        EXPECT_EQ(style & absent, 0) << std::hex << absent;
    }
    EXPECT_EQ(GetWindowLongW(window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    window.show();
    EXPECT_TRUE(IsWindowVisible(window.handle()));
    EXPECT_FALSE(IsIconic(window.handle()));
    EXPECT_FALSE(IsZoomed(window.handle()));
    ShowWindow(window.handle(), SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(window.handle()));
}

TEST_F(MainWindowTest, ButtonsArePushButtonsAtTheirPlacesAndRaiseTheirNumber) {
    open();
    for (int id = 1; id <= 3; ++id) {
        SCOPED_TRACE(id);
        const auto& button = definition_.buttons[static_cast<std::size_t>(id - 1)];
        HWND handle = control(id);
        ASSERT_NE(handle, nullptr);
        expectRect(rectInParent(handle), button.control.geometry, "button");
        const LONG style = GetWindowLongW(handle, GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_EQ(style & (WS_TABSTOP | WS_VISIBLE), WS_TABSTOP | WS_VISIBLE);
        EXPECT_EQ(windowText(handle), button.text);
        SendMessageW(handle, BM_CLICK, 0, 0);
    }
    EXPECT_EQ(events_.log, (std::vector<std::string>{"button:1", "button:2", "button:3"}));
}

TEST_F(MainWindowTest, StatusBarHasThreePanesRunningPastItsRightEdge) {
    Win32MainWindow& window = open();
    HWND bar = window.statusBar();
    ASSERT_EQ(bar, control(Win32MainWindow::kStatusBarId));
    int edges[4] = {};
    ASSERT_EQ(SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 200);
    EXPECT_EQ(edges[1], 700);
    EXPECT_EQ(edges[2], 1000);
    for (int pane = 0; pane < 3; ++pane) {
        wchar_t text[256] = {};
        SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(textFromWideUnits(text),
                  definition_.statusPaneTexts[static_cast<std::size_t>(pane)])
            << pane;
    }
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    EXPECT_EQ(style & SBARS_SIZEGRIP, 0);
    EXPECT_EQ(style & CCS_BOTTOM, CCS_BOTTOM);
    EXPECT_EQ(style & WS_TABSTOP, 0);
    RECT client{};
    GetClientRect(window.handle(), &client);
    const RECT place = rectInParent(bar);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.right, client.right);
    EXPECT_EQ(place.bottom, client.bottom);
}

TEST_F(MainWindowTest, ArticleListIsAnUnsortedFullRowReportWithFourLeftColumns) {
    Win32MainWindow& window = open();
    HWND list = window.list().handle();
    ASSERT_EQ(list, control(Win32MainWindow::kArticleListId));
    expectRect(rectInParent(list), definition_.articleList.geometry, "list");

    struct Flag {
        const char* name;
        LONG_PTR bits;
        bool present;
    };
    const LONG_PTR style = GetWindowLongW(list, GWL_STYLE);
    for (const Flag& flag :
         {Flag{"report", LVS_REPORT, true}, Flag{"single", LVS_SINGLESEL, true},
          Flag{"tab stop", WS_TABSTOP, true},
          Flag{"selection always shown", LVS_SHOWSELALWAYS, false},
          Flag{"header not clickable", LVS_NOSORTHEADER, false},
          Flag{"no header", LVS_NOCOLUMNHEADER, false}, Flag{"sorted up", LVS_SORTASCENDING, false},
          Flag{"sorted down", LVS_SORTDESCENDING, false}}) {
        EXPECT_EQ((style & flag.bits) == flag.bits, flag.present) << flag.name;
    }
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_EQ(GetWindowLongW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
    const LRESULT extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    for (const Flag& flag :
         {Flag{"full row", LVS_EX_FULLROWSELECT, true}, Flag{"grid lines", LVS_EX_GRIDLINES, false},
          Flag{"check boxes", LVS_EX_CHECKBOXES, false}}) {
        EXPECT_EQ((extended & flag.bits) == flag.bits, flag.present) << flag.name;
    }

    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 4);
    for (int index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        wchar_t text[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(&column)));
        const auto& expected = definition_.columns[static_cast<std::size_t>(index)];
        EXPECT_EQ(textFromWideUnits(text), expected.header);
        EXPECT_EQ(column.cx, expected.width);
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    }
}

TEST_F(MainWindowTest, ViewerIsInPlaceAtItsRectangle) {
    Win32MainWindow& window = open();
    ASSERT_TRUE(window.viewer().active());
    HWND host = FindWindowExW(window.handle(), nullptr, L"Shell Embedding", nullptr);
    ASSERT_NE(host, nullptr);
    expectRect(rectInParent(host), definition_.articleViewer.geometry, "viewer");
}

// Everything the list holds must come back whole, through the list and through the control.
TEST_F(MainWindowTest, RowOperationsAppendWriteAndReadWholeCells) {
    Win32ArticleList& list = open().list();
    EXPECT_EQ(list.selectedRowIndex(), -1);
    EXPECT_EQ(list.cellText(-1, 1), Text());
    EXPECT_EQ(list.cellText(0, 0), Text());
    for (int expected = 0; expected < 3; ++expected) {
        EXPECT_EQ(list.appendRow(), expected);
    }
    pumpFor(20);  // the control catches up with the new rows
    EXPECT_EQ(SendMessageW(list.handle(), LVM_GETITEMCOUNT, 0, 0), 3);

    const Text longLink(std::string(580, 'a') + "\xC8\xC8\xCE\xC4" + std::string(16, 'z'));
    ASSERT_EQ(longLink.length(), 600);
    list.setCellText(1, 1, longLink);
    list.setCellText(1, 2, "\xB1\xEA\xCC\xE2");  // a title in code page 936
    list.setCellText(1, 3, Text());
    EXPECT_EQ(list.cellText(1, 1), longLink);
    EXPECT_EQ(list.cellText(1, 2), Text("\xB1\xEA\xCC\xE2"));
    EXPECT_EQ(list.cellText(1, 3), Text());
    EXPECT_EQ(list.cellText(0, 1), Text());

    wchar_t shown[1024] = {};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = shown;
    item.cchTextMax = 1024;
    SendMessageW(list.handle(), LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(textFromWideUnits(shown), longLink);

    struct Cell {
        int row;
        int column;
    };
    for (const Cell cell : {Cell{3, 0}, Cell{-1, 0}, Cell{0, 4}, Cell{0, -1}, Cell{100000, 2}}) {
        SCOPED_TRACE(testing::Message() << cell.row << "," << cell.column);
        list.setCellText(cell.row, cell.column, "x");
        list.ensureRowVisible(cell.row);
        EXPECT_EQ(list.cellText(cell.row, cell.column), Text());
    }
    EXPECT_EQ(SendMessageW(list.handle(), LVM_GETITEMCOUNT, 0, 0), 3);
}

TEST_F(MainWindowTest, AppendingKeepsSelectionAndScrollWhileEnsureVisibleScrolls) {
    Win32MainWindow& window = open();
    window.show();
    Win32ArticleList& list = window.list();
    list.appendRow();
    pumpFor(20);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(list.handle(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    for (int row = 1; row < 100; ++row) {
        list.appendRow();
    }
    pumpFor(50);
    EXPECT_EQ(SendMessageW(list.handle(), LVM_GETITEMCOUNT, 0, 0), 100);
    EXPECT_EQ(list.selectedRowIndex(), 0);
    EXPECT_EQ(SendMessageW(list.handle(), LVM_GETTOPINDEX, 0, 0), 0);

    list.ensureRowVisible(99);
    const auto top = static_cast<int>(SendMessageW(list.handle(), LVM_GETTOPINDEX, 0, 0));
    const auto perPage = static_cast<int>(SendMessageW(list.handle(), LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_GT(top, 0);
    EXPECT_LE(top, 99);
    EXPECT_GE(top + perPage, 100);

    // As a collection run does it: the new row is shown once the thread dispatches again.
    list.ensureRowVisible(list.appendRow());
    pumpFor(50);
    const auto newTop = static_cast<int>(SendMessageW(list.handle(), LVM_GETTOPINDEX, 0, 0));
    EXPECT_GE(newTop + perPage, 101);
    EXPECT_EQ(list.selectedRowIndex(), 0);
}

class ListClickTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Win32MainWindow& window = open();
        window.show();
        SetForegroundWindow(window.handle());
        for (int row = 0; row < 5; ++row) {
            list().appendRow();
            list().setCellText(row, 0, Text(std::to_string(row + 1)));
        }
        pumpFor(100);
    }

    Win32ArticleList& list() { return window_->list(); }

    POINT rowPoint(int row) {
        RECT bounds{};
        bounds.left = LVIR_LABEL;
        SendMessageW(list().handle(), LVM_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&bounds));
        return {bounds.left + 10, (bounds.top + bounds.bottom) / 2};
    }

    void click(POINT point, bool right = false) {
        clickAt(list().handle(), point, right);
        pumpFor(150);
    }
};

TEST_F(ListClickTest, LeftClickOnARowSelectsItFirstThenRaisesTheEvent) {
    int selectedAtClick = -2;
    events_.whenClicked = [&] { selectedAtClick = list().selectedRowIndex(); };
    click(rowPoint(2));
    EXPECT_EQ(events_.count("click"), 1);
    EXPECT_EQ(selectedAtClick, 2);

    click(rowPoint(2));
    EXPECT_EQ(events_.count("click"), 1) << "the second click of a double click raises nothing";

    pumpFor(static_cast<int>(GetDoubleClickTime()) + 100);
    click(rowPoint(2));
    EXPECT_EQ(events_.count("click"), 2) << "a click on the shown row raises the event again";
}

TEST_F(ListClickTest, RightClicksKeyboardMovesAndHeaderClicksRaiseNothing) {
    click(rowPoint(1));
    ASSERT_EQ(events_.count("click"), 1);

    click(rowPoint(3), /*right=*/true);
    SetFocus(list().handle());
    SendMessageW(list().handle(), WM_KEYDOWN, VK_DOWN, 0);
    pumpFor(100);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list().handle(), LVM_GETHEADER, 0, 0));
    RECT column{};
    SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&column));
    clickAt(header, {(column.left + column.right) / 2, (column.top + column.bottom) / 2});
    pumpFor(150);

    EXPECT_EQ(events_.count("click"), 1);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(list().cellText(row, 0), Text(std::to_string(row + 1))) << "order kept";
    }
}

TEST_F(ListClickTest, ClickBelowTheRowsRaisesTheEventWithNothingSelected) {
    RECT client{};
    GetClientRect(list().handle(), &client);
    click({40, client.bottom - 10});
    EXPECT_EQ(events_.count("click"), 1);
    EXPECT_EQ(list().selectedRowIndex(), -1);
}

// While the thread is busy the due ticks merge into one pending message.
TEST_F(MainWindowTest, TimerTicksFromCreationAndNeverPileUp) {
    open(/*timerPeriodMs=*/40);
    Sleep(400);
    MSG message;
    int pending = 0;
    while (PeekMessageW(&message, window_->handle(), WM_TIMER, WM_TIMER, PM_REMOVE)) {
        ++pending;
        DispatchMessageW(&message);
    }
    EXPECT_EQ(pending, 1);
    EXPECT_EQ(events_.count("tick"), 1);
    pumpFor(400);
    EXPECT_GE(events_.count("tick"), 3);
}

TEST_F(MainWindowTest, ClosingDestroysOnceAndEndsTheMessageLoop) {
    Win32MainWindow& window = open();
    window.show();
    HWND handle = window.handle();
    PostMessageW(handle, WM_CLOSE, 0, 0);
    windows_.runMessageLoop();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(events_.count("destroyed"), 1);
    EXPECT_EQ(window.handle(), nullptr);
}

TEST_F(MainWindowTest, TabMovesTheFocusAlongTheTabStops) {
    Win32MainWindow& window = open();
    window.show();
    SetForegroundWindow(window.handle());
    SetFocus(control(1));
    HWND second = control(2);
    HWND focusAfterTab = nullptr;
    events_.whenTicked = [&] { focusAfterTab = GetFocus(); };
    PostMessageW(control(1), WM_KEYDOWN, VK_TAB, 0);
    PostMessageW(window.handle(), WM_TIMER, Win32MainWindow::kTimerId, 0);
    PostMessageW(window.handle(), WM_CLOSE, 0, 0);
    windows_.runMessageLoop();
    EXPECT_EQ(focusAfterTab, second);
    EXPECT_EQ(events_.log, (std::vector<std::string>{"tick", "destroyed"}))
        << "a Tab raises no button click";
}

struct BoxCase {
    const char* name;
    int style;
    bool owned;
};

class MessageBoxTest : public MainWindowTest, public testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxTest, IsTaskModalWithItsCaptionAndTicksGoOn) {
    Win32MainWindow& window = open(/*timerPeriodMs=*/20);
    window.show();
    struct Seen {
        Text caption;
        Text text;
        bool mainEnabled = true;
        HWND owner = nullptr;
        int ticksBefore = 0;
    } seen;
    BoxWatcher watcher([&](HWND box) {
        seen.caption = windowText(box);
        seen.text = windowText(GetDlgItem(box, 0xFFFF));
        seen.mainEnabled = IsWindowEnabled(window.handle()) != FALSE;
        seen.owner = GetWindow(box, GW_OWNER);
        seen.ticksBefore = events_.count("tick");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    const int ticksAtStart = events_.count("tick");
    const BoxCase& box = GetParam();
    windows_.messageBox("\xD5\xFD\xD4\xF2", "\xCC\xE1\xCA\xBE", box.style,
                        box.owned ? &window : nullptr);

    EXPECT_EQ(seen.caption, Text("\xCC\xE1\xCA\xBE"));
    EXPECT_EQ(seen.text, Text("\xD5\xFD\xD4\xF2"));
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_EQ(seen.owner, box.owned ? window.handle() : nullptr);
    EXPECT_GT(seen.ticksBefore, ticksAtStart) << "the box's own loop dispatches ticks";
    EXPECT_TRUE(IsWindowEnabled(window.handle()));
}

INSTANTIATE_TEST_SUITE_P(Styles, MessageBoxTest,
                         testing::Values(BoxCase{"StopWithoutOwner", kMessageBoxIconStop, false},
                                         BoxCase{"InformationOwned", kMessageBoxIconInformation,
                                                 true}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(MainWindowTest, ViewerNavigationRaisesBeforeNavigateWithTheAddress) {
    Win32MainWindow& window = open();
    window.show();
    const std::string address = "http://127.0.0.1:9/n/a03x111";
    window.articleViewer().navigate(Text(address));
    EXPECT_TRUE(pumpUntil([&] { return events_.count("navigate:" + address) == 1; }))
        << testing::PrintToString(events_.log);
}

}  // namespace
}  // namespace hotlist

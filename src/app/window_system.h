#pragma once

#include <array>
#include <memory>

#include "text/text.h"

namespace hotlist {

struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// Everything the window system needs to build the main window: names, texts and geometry
// of the window and its seven controls. Child geometry is relative to the client area.
struct MainWindowDefinition {
    struct Control {
        Text name;
        Geometry geometry;
    };
    struct Button {
        Control control;
        Text text;
    };
    struct Column {
        Text header;
        int width = 0;
    };

    Text title;
    Geometry outer;       // position and size of the whole window, frame included
    int clientWidth = 0;  // the client area inside the fixed single frame
    int clientHeight = 0;
    std::array<Button, 3> buttons;
    Control timer;
    int timerPeriodMs = 0;
    Control statusBar;
    std::array<int, 3> statusPaneRightEdges{};
    std::array<Text, 3> statusPaneTexts;
    Control articleList;
    std::array<Column, 4> columns;
    Control articleViewer;
};

// The report-style list of collected articles. Rows and columns are 0-based.
class ArticleListView {
  public:
    virtual ~ArticleListView() = default;
    // Index of the new empty last row; -1 when the list refuses it.
    virtual int appendRow() = 0;
    // A row or column outside the list changes nothing.
    virtual void setCellText(int row, int column, const Text& text) = 0;
    virtual void ensureRowVisible(int row) = 0;
    // -1 when no row is selected.
    virtual int selectedRowIndex() = 0;
    // The whole text; empty for a cell, row or column that does not exist.
    virtual Text cellText(int row, int column) = 0;
};

// The embedded HTML view.
class HtmlView {
  public:
    virtual ~HtmlView() = default;
    // One navigation with the address and nothing else (no flags, frame, post data, headers).
    virtual void navigate(const Text& address) = 0;
};

// Events the main window raises on the GUI thread.
class MainWindowEvents {
  public:
    virtual ~MainWindowEvents() = default;
    virtual void onButtonClicked(int button) = 0;  // 1, 2 or 3
    virtual void onTimerTick() = 0;
    // A left click in the list's row area, after it took effect on the selection.
    virtual void onListLeftClick() = 0;
    // Before every navigation of the HTML view; every navigation proceeds.
    virtual void onBeforeNavigate(const Text& address) = 0;
    // The window and its controls are gone; nothing may touch them any more.
    virtual void onDestroyed() = 0;
};

// The platform's main window: made hidden with its controls shown and its timer running.
class NativeMainWindow {
  public:
    virtual ~NativeMainWindow() = default;
    virtual ArticleListView& articleList() = 0;
    virtual HtmlView& articleViewer() = 0;
    // First show, normal state.
    virtual void show() = 0;
};

// Message box style values as the system gives them.
inline constexpr int kMessageBoxIconStop = 16;
inline constexpr int kMessageBoxIconInformation = 64;

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    virtual ScreenSize primaryScreenSize() = 0;
    // Null when the window cannot be made.
    virtual std::unique_ptr<NativeMainWindow> createMainWindow(
        const MainWindowDefinition& definition, MainWindowEvents& events) = 0;
    // Dispatches events until no window of the program is left.
    virtual void runMessageLoop() = 0;
    // A task-modal box with one OK button; returns when it is dismissed. A null owner means
    // no owner window.
    virtual void messageBox(const Text& text, const Text& caption, int style,
                            NativeMainWindow* owner) = 0;
    // The wait cursor over the program's windows while the GUI thread is blocked.
    virtual void setBusyCursor(bool /*busy*/) {}
};

// Opens an address in the user's default browser; failures are silent.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual void openInBrowser(const Text& address) = 0;
};

}  // namespace hotlist

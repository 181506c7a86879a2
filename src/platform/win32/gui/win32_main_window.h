#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "app/window_system.h"
#include "gui/gdi_font.h"
#include "gui/web_browser_view.h"
#include "gui/win32_article_list.h"

namespace hotlist {

// The main window over raw Win32: a fixed frame with system menu and minimise box, three push
// buttons, the status bar, the article list, the article viewer and the collection timer.
class Win32MainWindow final : public NativeMainWindow {
  public:
    // Control identifiers: a button's is its number (1 to 3).
    static constexpr int kArticleListId = 100;
    static constexpr int kStatusBarId = 101;
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    static constexpr DWORD kExtendedStyle = 0;

    // Null when the window cannot be made. The window starts hidden with its timer running.
    static std::unique_ptr<Win32MainWindow> create(const MainWindowDefinition& definition,
                                                   MainWindowEvents& events);
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;
    // Destroys a window that is still there without raising events or ending the loop.
    ~Win32MainWindow() override;

    ArticleListView& articleList() override { return *list_; }
    HtmlView& articleViewer() override { return *viewer_; }
    void show() override;

    [[nodiscard]] HWND handle() const { return handle_; }
    [[nodiscard]] HWND statusBar() const { return statusBar_; }
    [[nodiscard]] Win32ArticleList& list() { return *list_; }
    [[nodiscard]] WebBrowserView& viewer() { return *viewer_; }

  private:
    Win32MainWindow(MainWindowEvents& events, UniqueFont font);
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onNotify(const NMHDR& header, LPARAM lParam);
    void onDestroy();
    bool createControls(const MainWindowDefinition& definition);
    void createButtons(const MainWindowDefinition& definition);
    void createStatusBar(const MainWindowDefinition& definition);
    void applyFont(HWND control) const;

    MainWindowEvents* events_;
    UniqueFont font_;
    HWND handle_ = nullptr;
    HWND statusBar_ = nullptr;
    bool ownerDestroying_ = false;
    std::unique_ptr<Win32ArticleList> list_;
    std::unique_ptr<WebBrowserView> viewer_;
};

}  // namespace hotlist

#include "gui/win32_main_window.h"

#include <windows.h>
// The system headers below build on windows.h.
#include <commctrl.h>

#include <string>

#include "gui/wide_text.h"

namespace hotlist {
namespace {

constexpr wchar_t kWindowClass[] = L"HotlistMainWindow";

bool registerWindowClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));      // IDI_APPLICATION
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND createChild(HWND parent, const wchar_t* windowClass, const Text& text, DWORD style,
                 const Geometry& place, int id) {
    const std::wstring wide = wideFromCodePageText(text);
    return CreateWindowExW(0, windowClass, wide.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                           place.top, place.width, place.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

Win32MainWindow::Win32MainWindow(MainWindowEvents& events, UniqueFont font)
    : events_(&events), font_(std::move(font)) {}

std::unique_ptr<Win32MainWindow> Win32MainWindow::create(const MainWindowDefinition& definition,
                                                         MainWindowEvents& events) {
    if (!registerWindowClass(&Win32MainWindow::windowProcedure)) {
        return nullptr;
    }
    std::unique_ptr<Win32MainWindow> window(new Win32MainWindow(events, createChineseFont()));
    const std::wstring title = wideFromCodePageText(definition.title);
    const Geometry& outer = definition.outer;
    CreateWindowExW(kExtendedStyle, kWindowClass, title.c_str(), kStyle, outer.left, outer.top,
                    outer.width, outer.height, nullptr, nullptr, GetModuleHandleW(nullptr),
                    window.get());
    if (window->handle_ == nullptr || !window->createControls(definition)) {
        return nullptr;
    }
    // Windows merges due ticks into one pending WM_TIMER, so ticks never pile up.
    if (SetTimer(window->handle_, kTimerId, static_cast<UINT>(definition.timerPeriodMs), nullptr) ==
        0) {
        return nullptr;
    }
    return window;
}

Win32MainWindow::~Win32MainWindow() {
    if (handle_ != nullptr) {
        events_ = nullptr;
        ownerDestroying_ = true;
        DestroyWindow(handle_);
    }
}

void Win32MainWindow::show() {
    ShowWindow(handle_, SW_SHOWNORMAL);
    UpdateWindow(handle_);
}

bool Win32MainWindow::createControls(const MainWindowDefinition& definition) {
    createButtons(definition);
    createStatusBar(definition);
    list_ = std::make_unique<Win32ArticleList>(handle_, kArticleListId, definition);
    if (list_->handle() == nullptr) {
        return false;
    }
    applyFont(list_->handle());
    viewer_ =
        std::make_unique<WebBrowserView>(handle_, definition.articleViewer.geometry, *events_);
    return true;
}

void Win32MainWindow::createButtons(const MainWindowDefinition& definition) {
    int id = 1;
    for (const auto& button : definition.buttons) {
        applyFont(createChild(handle_, L"BUTTON", button.text, WS_TABSTOP | BS_PUSHBUTTON,
                              button.control.geometry, id++));
    }
}

// The panes' right edges run past the bar on purpose: the last pane is cut off at its edge.
void Win32MainWindow::createStatusBar(const MainWindowDefinition& definition) {
    statusBar_ = createChild(handle_, STATUSCLASSNAMEW, Text(), CCS_BOTTOM,
                             definition.statusBar.geometry, kStatusBarId);
    applyFont(statusBar_);
    std::array<int, 3> edges = definition.statusPaneRightEdges;
    SendMessageW(statusBar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (std::size_t pane = 0; pane < definition.statusPaneTexts.size(); ++pane) {
        const std::wstring text = wideFromCodePageText(definition.statusPaneTexts[pane]);
        SendMessageW(statusBar_, SB_SETTEXTW, pane, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void Win32MainWindow::applyFont(HWND control) const {
    HGDIOBJ font = font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

LRESULT CALLBACK Win32MainWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32MainWindow*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT Win32MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = handle_;
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= 1 && LOWORD(wParam) <= 3 &&
                events_ != nullptr) {
                events_->onButtonClicked(LOWORD(wParam));
            }
            return 0;
        case WM_TIMER:
            if (wParam == kTimerId && events_ != nullptr) {
                events_->onTimerTick();
            }
            return 0;
        case WM_NOTIFY:
            return onNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
        case Win32ArticleList::kCatchUpMessage:
            if (list_) {
                list_->catchUp();
            }
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            handle_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// NM_CLICK comes for a left click on a row or the empty space below, after the selection has
// changed; header clicks, right clicks and keyboard moves send other codes.
LRESULT Win32MainWindow::onNotify(const NMHDR& header, LPARAM lParam) {
    if (header.idFrom != static_cast<UINT_PTR>(kArticleListId) || !list_) {
        return 0;
    }
    if (header.code == LVN_GETDISPINFOW) {
        list_->provideDisplayText(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
    } else if (header.code == NM_CLICK && events_ != nullptr) {
        events_->onListLeftClick();
    }
    return 0;
}

// The control lets go of the window before it disappears; closing by the user ends the loop.
void Win32MainWindow::onDestroy() {
    if (viewer_) {
        viewer_->close();
    }
    KillTimer(handle_, kTimerId);
    if (events_ != nullptr) {
        events_->onDestroyed();
    }
    if (!ownerDestroying_) {
        PostQuitMessage(0);
    }
}

}  // namespace hotlist

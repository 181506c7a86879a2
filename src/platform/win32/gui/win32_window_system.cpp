#include "gui/win32_window_system.h"

#include <windows.h>
// The system headers below build on windows.h.
#include <commctrl.h>

#include "gui/wide_text.h"
#include "gui/win32_main_window.h"

namespace hotlist {

Win32WindowSystem::Win32WindowSystem() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

ScreenSize Win32WindowSystem::primaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::unique_ptr<NativeMainWindow> Win32WindowSystem::createMainWindow(
    const MainWindowDefinition& definition, MainWindowEvents& events) {
    return Win32MainWindow::create(definition, events);
}

namespace {

// Tab and Shift+Tab move the focus between the main window's tab stops; every other key goes
// to its control unchanged, so the HTML view keeps its own keyboard handling.
bool movedFocus(MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || message.hwnd == nullptr) {
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return root != nullptr && IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace

// Ends with the WM_QUIT the main window posts when it is destroyed.
void Win32WindowSystem::runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (movedFocus(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Task-modal: every top-level window of the thread is disabled while the box is open, and its
// own loop still dispatches timer ticks.
void Win32WindowSystem::messageBox(const Text& text, const Text& caption, int style,
                                   NativeMainWindow* owner) {
    auto* window = dynamic_cast<Win32MainWindow*>(owner);
    const std::wstring wideText = wideFromCodePageText(text);
    const std::wstring wideCaption = wideFromCodePageText(caption);
    MessageBoxW(window != nullptr ? window->handle() : nullptr, wideText.c_str(),
                wideCaption.c_str(), static_cast<UINT>(style) | MB_TASKMODAL);
}

// The thread is blocked while busy, so no WM_SETCURSOR replaces the wait cursor meanwhile.
void Win32WindowSystem::setBusyCursor(bool busy) {
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(busy ? 32514 : 32512)));  // IDC_WAIT, IDC_ARROW
}

}  // namespace hotlist

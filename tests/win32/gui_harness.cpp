#include "gui_harness.h"

#include <algorithm>
#include <fstream>

#include "gui/wide_text.h"

namespace hotlist {
namespace {

BoxWatcher::Action& watcherAction() {
    static BoxWatcher::Action action;
    return action;
}

BOOL CALLBACK rememberBox(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int RecordingEvents::count(const std::string& entry) const {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

void dispatchPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void pumpFor(int milliseconds) {
    pumpUntil([] { return false; }, milliseconds);
}

bool pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end) {
            return done();
        }
        MsgWaitForMultipleObjects(
            0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(end - now, 10)), QS_ALLINPUT);
        dispatchPending();
    }
    return true;
}

void clickAt(HWND window, POINT client, bool right) {
    ClientToScreen(window, &client);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dx = static_cast<LONG>((client.x * 65536 + width / 2) / width);
    inputs[0].mi.dy = static_cast<LONG>((client.y * 65536 + height / 2) / height);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    inputs[2].type = INPUT_MOUSE;
    inputs[2].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

RECT rectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Text windowText(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return textFromWideUnits(buffer);
}

// Wine's PrintWindow paints only the frame's own background, so the picture comes from the
// screen.
bool saveWindowBitmap(HWND window, const std::string& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    // Frame and controls are painted now, so the screen holds all of them.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const bool copied =
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
    GdiFlush();
    const int stride = ((width * 3 + 3) / 4) * 4;
    const DWORD imageSize = static_cast<DWORD>(stride * height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
    out.write(static_cast<const char*>(pixels), imageSize);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied && out.good();
}

COLORREF staticBackground(HWND window) {
    const HDC dc = GetDC(window);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0));
    ReleaseDC(window, dc);
    LOGBRUSH described{};
    if (brush == nullptr || GetObjectW(brush, sizeof described, &described) == 0) {
        return CLR_INVALID;
    }
    return described.lbColor;
}

HWND findThreadBox() {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), rememberBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

BoxWatcher::BoxWatcher(Action action) {
    watcherAction() = std::move(action);
    timer_ = SetTimer(nullptr, 0, 50, &BoxWatcher::onTimer);
}

BoxWatcher::~BoxWatcher() {
    KillTimer(nullptr, timer_);
    watcherAction() = nullptr;
}

// Each box is handed over once, even while it is still closing at the next tick.
void CALLBACK BoxWatcher::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    static HWND handled = nullptr;
    HWND box = findThreadBox();
    if (box != nullptr && box != handled && watcherAction()) {
        handled = box;
        watcherAction()(box);
    }
}

}  // namespace hotlist

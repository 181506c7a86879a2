// commctrl.h builds on windows.h's types.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/application.h"
#include "app/platform_collection_steps.h"
#include "gui/win32_platform_services.h"
#include "gui_harness.h"

namespace hotlist {
namespace {

namespace fs = std::filesystem;

class NoShell final : public Shell {
  public:
    void openInBrowser(const Text&) override {}
};

fs::path programDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

// Moves the skin library beside this program out of the way while it lives.
class HiddenSkinLibrary {
  public:
    HiddenSkinLibrary() { fs::rename(path(), hidden()); }
    ~HiddenSkinLibrary() {
        std::error_code error;
        fs::rename(hidden(), path(), error);
    }
    HiddenSkinLibrary(const HiddenSkinLibrary&) = delete;
    HiddenSkinLibrary& operator=(const HiddenSkinLibrary&) = delete;
    static fs::path path() { return programDirectory() / "SkinH_EL.dll"; }
    static fs::path hidden() { return programDirectory() / "SkinH_EL.dll.hidden"; }
};

BOOL CALLBACK findVisibleFrame(HWND window, LPARAM out) {
    if (IsWindowVisible(window) &&
        (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) {
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
    }
    return TRUE;
}

HWND visibleThreadWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findVisibleFrame, reinterpret_cast<LPARAM>(&found));
    return found;
}

struct Observed {
    bool buttonOwnerDrawn = false;
    COLORREF statusBar = CLR_INVALID;
    COLORREF background = CLR_INVALID;
    bool saved = false;
};

// A point of the status bar's second part that no text reaches.
COLORREF statusBarPixel(HWND window) {
    RECT bar{};
    GetWindowRect(FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr), &bar);
    const HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, bar.left + 650, (bar.top + bar.bottom) / 2);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// What the timer saw of the running program, and where it saves the picture.
Observed observed;
std::string picturePath;
int ticksSeen = 0;

// A few ticks after the window shows, it is looked at, pictured and closed.
void CALLBACK lookAtTheWindow(HWND, UINT, UINT_PTR, DWORD) {
    HWND window = visibleThreadWindow();
    if (window == nullptr || ++ticksSeen < 3) {
        return;
    }
    ticksSeen = 0;
    const LONG_PTR style = GetWindowLongPtrW(GetDlgItem(window, 1), GWL_STYLE);
    observed.buttonOwnerDrawn = (style & BS_TYPEMASK) == BS_OWNERDRAW;
    observed.background = staticBackground(window);
    observed.statusBar = statusBarPixel(window);
    fs::create_directories(fs::path(picturePath).parent_path());
    observed.saved = saveWindowBitmap(window, picturePath);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

// Starts the program, waits for its window, looks at it, saves its picture and closes it.
Observed runProgram(const std::string& picture) {
    NoShell shell;
    Win32PlatformServices services(&shell);
    PlatformCollectionSteps steps(services.platform());
    ApplicationSettings settings;
    settings.aggregatorBaseUrl = "http://127.0.0.1:9";
    Application application(services.platform(), steps, settings);
    observed = {};
    picturePath = picture;
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, lookAtTheWindow);
    EXPECT_EQ(application.run(), 0);
    KillTimer(nullptr, timer);
    return observed;
}

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// This test program lives in a directory of its own with SkinH_EL.dll beside it, so the
// start sequence finds the library exactly as the installed program does.
TEST(SkinnedWindow, TheWindowShowsTheEmbeddedSkinOnlyWhenTheLibraryIsThere) {
    if (!fs::exists(HiddenSkinLibrary::path()) && fs::exists(HiddenSkinLibrary::hidden())) {
        fs::rename(HiddenSkinLibrary::hidden(), HiddenSkinLibrary::path());  // an aborted run
    }
    ASSERT_TRUE(fs::exists(HiddenSkinLibrary::path()));
    Observed plain;
    {
        const HiddenSkinLibrary hidden;
        plain = runProgram(HOTLIST_UNSKINNED_SHOT);
    }
    EXPECT_TRUE(plain.saved);
    EXPECT_FALSE(plain.buttonOwnerDrawn);
    EXPECT_NE(plain.background, RGB(0xe4, 0xed, 0xe6));
    EXPECT_NE(plain.statusBar, RGB(0x2c, 0x5a, 0x41));

    const Observed skinned = runProgram(HOTLIST_SKINNED_SHOT);
    EXPECT_TRUE(skinned.saved);
    EXPECT_TRUE(skinned.buttonOwnerDrawn);
    EXPECT_EQ(skinned.background, RGB(0xe4, 0xed, 0xe6));
    EXPECT_EQ(skinned.statusBar, RGB(0x2c, 0x5a, 0x41));
    EXPECT_NE(contents(HOTLIST_SKINNED_SHOT), contents(HOTLIST_UNSKINNED_SHOT));
}

}  // namespace
}  // namespace hotlist

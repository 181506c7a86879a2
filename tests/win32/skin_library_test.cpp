// commctrl.h builds on windows.h's types.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/stdcall_check.h"
#include "base/win32_file_system.h"
#include "base/win32_skin_library_loader.h"
#include "base/win32_system_directory.h"
#include "exit_status.h"
#include "gui_harness.h"
#include "library_sandbox_entry.h"
#include "skin/embedded_skin.h"
#include "skin/skin_attachment.h"
#include "skin_texts.h"
#include "temporary_directory.h"

namespace hotlist {
namespace {

namespace fs = std::filesystem;

struct WindowDestroyer {
    void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// A hidden framed window with a push button, a report list and a status bar, as the
// program's window has them.
struct TestWindow {
    UniqueWindow frame;
    HWND button = nullptr;
    HWND list = nullptr;
    HWND status = nullptr;
};

const wchar_t* frameClass() {
    static const ATOM registered = [] {
        WNDCLASSW frame{};
        frame.lpfnWndProc = DefWindowProcW;
        frame.hInstance = GetModuleHandleW(nullptr);
        frame.lpszClassName = L"HotlistSkinTestFrame";
        return RegisterClassW(&frame);
    }();
    return registered != 0 ? L"HotlistSkinTestFrame" : nullptr;
}

TestWindow makeWindow() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    TestWindow window;
    window.frame.reset(CreateWindowExW(0, frameClass(), L"skin test", WS_OVERLAPPEDWINDOW, 0, 0,
                                       400, 300, nullptr, nullptr, GetModuleHandleW(nullptr),
                                       nullptr));
    window.button = CreateWindowExW(0, WC_BUTTONW, L"collect", WS_CHILD | BS_PUSHBUTTON, 5, 5, 80,
                                    32, window.frame.get(), nullptr, nullptr, nullptr);
    window.list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 40, 300, 200,
                                  window.frame.get(), nullptr, nullptr, nullptr);
    window.status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD, 0, 0, 0, 0,
                                    window.frame.get(), nullptr, nullptr, nullptr);
    return window;
}

LONG_PTR buttonType(HWND button) {
    return GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK;
}

std::int32_t attachDirectly(const Bytes& skin) {
    Win32SkinLibraryLoader loader;
    std::unique_ptr<LoadedSkinLibrary> library = loader.load(Text(HOTLIST_SKIN_LIBRARY));
    EXPECT_NE(library, nullptr);
    if (library == nullptr || !library->hasAttachExport()) {
        return -1;
    }
    return library->attachRes(skin.data(), skin.length(), nullptr, 0, 0, 0);
}

TEST(Win32SkinLibrary, EmbeddedSkinColoursTheThreadsWindow) {
    const TestWindow window = makeWindow();
    ASSERT_NE(window.frame, nullptr);
    ASSERT_NE(window.button, nullptr);
    ASSERT_NE(window.list, nullptr);
    ASSERT_EQ(GetWindowLongPtrW(window.frame.get(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    const COLORREF before = staticBackground(window.frame.get());
    ASSERT_EQ(attachDirectly(embeddedSkin()), 0);

    EXPECT_NE(staticBackground(window.frame.get()), before);
    EXPECT_EQ(staticBackground(window.frame.get()), RGB(0xe4, 0xed, 0xe6));
    EXPECT_EQ(buttonType(window.button), BS_OWNERDRAW) << "the skin draws the buttons";
    EXPECT_EQ(ListView_GetBkColor(window.list), RGB(0xfb, 0xfd, 0xfb));
    EXPECT_EQ(ListView_GetTextColor(window.list), RGB(0x1b, 0x2b, 0x22));
}

Bytes damaged(Bytes skin, int at, std::uint8_t value) {
    skin.data()[at] = value;
    return skin;
}

TEST(Win32SkinLibrary, RefusedSkinLeavesTheWindowAlone) {
    const TestWindow window = makeWindow();
    const Bytes good = embeddedSkin();
    const std::vector<Bytes> bad = {
        Bytes(good.view().substr(0, 2000)),
        damaged(good, 100, static_cast<std::uint8_t>(good.data()[100] ^ 0xFF)),
        damaged(good, 0, 'X'),
        damaged(good, 4, 9),
    };
    const COLORREF before = staticBackground(window.frame.get());
    for (const Bytes& skin : bad) {
        EXPECT_NE(attachDirectly(skin), 0);
        EXPECT_EQ(staticBackground(window.frame.get()), before);
        EXPECT_EQ(buttonType(window.button), BS_PUSHBUTTON);
    }
}

TEST(Win32SkinLibrary, RefusesWhenTheThreadHasNoWindow) {
    EXPECT_NE(attachDirectly(embeddedSkin()), 0);
}

using Entry = SandboxEntry;

void place(Entry entry, const fs::path& path) {
    placeSandboxEntry(entry, path, HOTLIST_SKIN_LIBRARY, HOTLIST_NO_EXPORT_LIBRARY);
}

TEST(Win32SkinLibrary, AttachmentThroughLoadLibrary) {
    struct Case {
        const char* name;
        Entry entry;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"a directory named like the library", Entry::directory, false},
        {"a file that is not a library", Entry::textFile, false},
        {"a library without the export", Entry::libraryWithoutExport, false},
        {"the skin library", Entry::skinLibrary, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TestWindow window = makeWindow();
        const TemporaryDirectory sandbox("hotlist-skin-");
        ASSERT_FALSE(sandbox.path().empty());
        const fs::path library = sandbox.path() / "SkinH_EL.dll";
        place(c.entry, library);
        Win32FileSystem files;
        Win32SkinLibraryLoader loader;
        {
            SkinAttachment skin(files, loader, embeddedSkin());
            skin.locateSkinLibrary(Text("  " + library.string() + "  "));
            EXPECT_EQ(skin.skinLibraryPath().view(), library.string());
            EXPECT_EQ(skin.attachEmbeddedSkin(), c.expected);
            EXPECT_EQ(buttonType(window.button) == BS_OWNERDRAW, c.expected);
        }
    }
}

TEST(Win32SkinLibraryLoader, FullPathFollowsTheCurrentDirectoryWithinMaxPath) {
    Win32SkinLibraryLoader loader;
    char current[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, current), 0U);
    std::string base = current;
    if (base.back() != '\\') {
        base += '\\';
    }
    EXPECT_EQ(loader.fullPath(Text("SkinH_EL.dll")).view(), base + "SkinH_EL.dll");
    EXPECT_EQ(loader.fullPath(Text("C:\\a\\..\\b\\SkinH_EL.dll")).view(), "C:\\b\\SkinH_EL.dll");
    EXPECT_EQ(loader.fullPath(Text("C:\\" + std::string(300, 'x'))).view(), "");
    EXPECT_EQ(loader.fullPath(Text()).view(), "");
    EXPECT_EQ(loader.skinLibraryFileName().view(), "SkinH_EL.dll");
}

TEST(Win32SkinLibraryLoader, SystemDirectoryIsWrittenOnlyWhenItFits) {
    char expected[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryA(expected, MAX_PATH), 0U);
    std::string buffer(255, ' ');
    systemDirectoryA(buffer.data(), 255);
    EXPECT_EQ(std::string(buffer.c_str()), expected);

    std::string tooSmall(255, ' ');
    systemDirectoryA(tooSmall.data(), 3);
    EXPECT_EQ(tooSmall, std::string(255, ' '));

    Win32FileSystem files;
    Win32SkinLibraryLoader loader;
    SkinAttachment skin(files, loader, Bytes());
    EXPECT_EQ(skin.systemDirectoryWithSlash().view(), std::string(expected) + "\\");
}

#if defined(__i386__)
// Only the i686 build has the check; these Wine machines run no 32-bit programs.
int __stdcall removesItsArguments(int a, int b) {
    return a * b;
}
extern "C" int __cdecl leavesItsArguments(int a, int b) {
    return a + b;
}

TEST(StdcallCheck, ABalancedCallGivesTheResult) {
    const std::uint32_t arguments[] = {6, 7};
    EXPECT_EQ(callStdcallChecked(reinterpret_cast<const void*>(&removesItsArguments), arguments, 2),
              42U);
}

TEST(StdcallCheckDeathTest, AnUnbalancedCallEndsInTheFatalStopWithCodeSix) {
    const std::uint32_t arguments[] = {6, 7};
    EXPECT_EXIT(
        callStdcallChecked(reinterpret_cast<const void*>(&leavesItsArguments), arguments, 2),
        exitedWithMinusOne,
        testing::AllOf(testing::HasSubstr(skin_texts::unbalancedStack),
                       testing::HasSubstr("6\r\n")));
}
#endif

}  // namespace
}  // namespace hotlist

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/unique_handle.h"
#include "gui_harness.h"

namespace hotlist {
namespace {

// The build's program path as Windows sees it; under Wine the file system root is drive Z:.
std::wstring programPath() {
    std::string path = HOTLIST_PROGRAM_PATH;
    if (!path.empty() && path.front() == '/') {
        path = "Z:" + path;
    }
    for (char& character : path) {
        if (character == '/') {
            character = '\\';
        }
    }
    return std::wstring(path.begin(), path.end());
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner == search->processId && std::wstring(className) == L"HotlistMainWindow" &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The shipped program: it opens its window centred at its size, and closing the window ends
// the process with exit code 0.
TEST(ProgramTest, StartsWithItsWindowAndEndsWithExitCodeZeroWhenClosed) {
    std::wstring commandLine = L"\"" + programPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << GetLastError();
    const UniqueHandle program(process.hProcess);
    const UniqueHandle mainThread(process.hThread);
    WindowSearch search{process.dwProcessId, nullptr};
    pumpUntil(
        [&] {
            EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        30000);
    EXPECT_NE(search.found, nullptr);
    if (search.found != nullptr) {
        RECT outer{};
        GetWindowRect(search.found, &outer);
        EXPECT_EQ(outer.right - outer.left, 918);
        EXPECT_EQ(outer.bottom - outer.top, 577);
        EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 918) / 2);
        EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 577) / 2);
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    } else {
        TerminateProcess(program.get(), 1);
    }
    ASSERT_EQ(WaitForSingleObject(program.get(), 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(program.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace hotlist

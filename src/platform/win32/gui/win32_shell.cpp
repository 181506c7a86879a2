#include "gui/win32_shell.h"

#include <windows.h>
// The system headers below build on windows.h.
#include <shellapi.h>

namespace hotlist {

// The address is already code page 936, the ANSI code page of the program's systems; the
// result is not examined.
void Win32Shell::openInBrowser(const Text& address) {
    HWND owner = FindWindowA(nullptr, "Microsoft Internet Explorer");
    ShellExecuteA(owner, "open", address.cStr(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace hotlist

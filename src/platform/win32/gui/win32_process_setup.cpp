#include "gui/win32_process_setup.h"

#include <windows.h>
// The system headers below build on windows.h.
#include <ole2.h>

namespace hotlist {

// The result is not examined: a thread that already has OLE keeps it, and the matching
// OleUninitialize balances either way.
void Win32ProcessSetup::initialiseOle() {
    OleInitialize(nullptr);
}

void Win32ProcessSetup::uninitialiseOle() {
    OleUninitialize();
}

// A directory that cannot be entered leaves the current one; the program does not depend on it.
void Win32ProcessSetup::setCurrentDirectory(const Text& directory) {
    if (!directory.empty()) {
        SetCurrentDirectoryA(directory.cStr());
    }
}

}  // namespace hotlist

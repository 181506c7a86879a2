#include "base/win32_com_library.h"

#include <windows.h>

namespace hotlist {

// The result is deliberately not examined: S_FALSE (already initialised) still counts and is
// balanced by the matching CoUninitialize.
void Win32ComLibrary::CoInitialize() {
    ::CoInitialize(nullptr);
}

void Win32ComLibrary::CoUninitialize() {
    ::CoUninitialize();
}

}  // namespace hotlist

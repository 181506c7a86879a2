#include "com_session.h"

#include <windows.h>

namespace hotlist {

// Wine's ntdll exports wine_get_version; Windows' does not.
bool runningUnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace hotlist

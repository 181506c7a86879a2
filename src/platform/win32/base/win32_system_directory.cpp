#include "base/win32_system_directory.h"

#include <windows.h>

#include <cstdint>

#include "base/stdcall_check.h"

namespace hotlist {

void systemDirectoryA(char* buffer, int capacity) {
#if defined(__i386__)
    const std::uint32_t arguments[] = {
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(buffer)),
        static_cast<std::uint32_t>(capacity)};
    callStdcallChecked(reinterpret_cast<const void*>(&GetSystemDirectoryA), arguments, 2);
#else
    GetSystemDirectoryA(buffer, static_cast<UINT>(capacity));
#endif
}

}  // namespace hotlist

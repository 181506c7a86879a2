#include "base/win32_file_system.h"

#include <windows.h>

#include <string>

#include "base/unique_handle.h"

namespace hotlist {

bool Win32FileSystem::findFirstFile(const Text& pattern) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(pattern.cStr(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    const UniqueFindHandle owner(search);
    return true;
}

// GetModuleFileNameA truncates silently when the buffer is too small (it then fills it
// completely), so the buffer grows until the path fits with room to spare.
Text Win32FileSystem::executablePath() {
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD written = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (written == 0) {
            return {};
        }
        if (written < size) {
            buffer.resize(written);
            return Text(std::string_view(buffer));
        }
        if (buffer.size() >= 32768 * 2) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace hotlist

#include "text/linux_system_directory.h"

#include <cstring>

namespace hotlist {

void copySystemDirectory(char* buffer, int capacity) {
    const std::size_t length = std::strlen(kSystemLibraryDirectory);
    if (buffer == nullptr || capacity < 0 || length >= static_cast<std::size_t>(capacity)) {
        return;
    }
    std::memcpy(buffer, kSystemLibraryDirectory, length + 1);
}

}  // namespace hotlist

#include "gui/linux_process_setup.h"

#include <unistd.h>

namespace hotlist {

// A directory that cannot be entered leaves the current one; the program does not depend on it.
void LinuxProcessSetup::setCurrentDirectory(const Text& directory) {
    if (!directory.empty()) {
        [[maybe_unused]] const int result = chdir(directory.cStr());
    }
}

}  // namespace hotlist

#include "http/linux_com_library.h"

namespace hotlist {

void LinuxComLibrary::CoInitialize() {
    ++initializeCount_;
}

void LinuxComLibrary::CoUninitialize() {
    ++uninitializeCount_;
}

}  // namespace hotlist

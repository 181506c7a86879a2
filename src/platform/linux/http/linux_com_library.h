#pragma once

#include "text/com_library.h"

namespace hotlist {

// Linux has no COM: initialising and uninitialising it have nothing to do.
class LinuxComLibrary final : public ComLibrary {
  public:
    void CoInitialize() override {}    // NOLINT(readability-identifier-naming)
    void CoUninitialize() override {}  // NOLINT(readability-identifier-naming)
};

}  // namespace hotlist

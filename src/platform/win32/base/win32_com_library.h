#pragma once

#include "text/com_library.h"

namespace hotlist {

// The COM library of ole32: single-threaded apartment initialisation, reference-counted
// per thread by the system.
class Win32ComLibrary final : public ComLibrary {
  public:
    void CoInitialize() override;
    void CoUninitialize() override;
};

}  // namespace hotlist

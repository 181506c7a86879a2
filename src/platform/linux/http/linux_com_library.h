#pragma once

#include "text/com_library.h"

namespace hotlist {

// Linux has no COM: initialisation does nothing but is counted, so that tests can see every
// CoInitialize balanced by one CoUninitialize.
class LinuxComLibrary final : public ComLibrary {
  public:
    void CoInitialize() override;    // NOLINT(readability-identifier-naming)
    void CoUninitialize() override;  // NOLINT(readability-identifier-naming)

    [[nodiscard]] int initializeCount() const { return initializeCount_; }
    [[nodiscard]] int uninitializeCount() const { return uninitializeCount_; }
    // Initialisations not yet balanced; 0 when every one was.
    [[nodiscard]] int outstanding() const { return initializeCount_ - uninitializeCount_; }

  private:
    int initializeCount_ = 0;
    int uninitializeCount_ = 0;
};

}  // namespace hotlist

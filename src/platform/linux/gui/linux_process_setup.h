#pragma once

#include "app/process_setup.h"

namespace hotlist {

// Process set-up on Linux: there is no OLE to initialise; the directory is changed for real.
class LinuxProcessSetup final : public ProcessSetup {
  public:
    void initialiseOle() override {}
    void uninitialiseOle() override {}
    void setCurrentDirectory(const Text& directory) override;
};

}  // namespace hotlist

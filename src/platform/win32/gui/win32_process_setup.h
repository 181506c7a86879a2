#pragma once

#include "app/process_setup.h"

namespace hotlist {

// OLE on the GUI thread and the current directory through the ANSI entry point.
class Win32ProcessSetup final : public ProcessSetup {
  public:
    void initialiseOle() override;
    void uninitialiseOle() override;
    void setCurrentDirectory(const Text& directory) override;
};

}  // namespace hotlist

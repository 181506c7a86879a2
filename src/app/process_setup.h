#pragma once

#include "text/text.h"

namespace hotlist {

// The process-wide set-up of the start sequence: OLE on the GUI thread and the current
// directory.
class ProcessSetup {
  public:
    virtual ~ProcessSetup() = default;
    virtual void initialiseOle() = 0;
    virtual void uninitialiseOle() = 0;
    virtual void setCurrentDirectory(const Text& directory) = 0;
};

}  // namespace hotlist

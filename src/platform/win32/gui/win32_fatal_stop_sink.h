#pragma once

#include "text/fatal_stop.h"

namespace hotlist {

// The fatal stop on Windows: a task-modal error box without owner, then ExitProcess.
class Win32FatalStopSink final : public FatalStopSink {
  public:
    void showErrorBox(const Text& caption, const Text& text) override;
    [[noreturn]] void endProcess(int exitCode) override;
};

}  // namespace hotlist

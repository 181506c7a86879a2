#pragma once

#include "text/code_page_converter.h"
#include "text/fatal_stop.h"

namespace hotlist {

// The fatal stop as a critical box with no owner, then the immediate end of the process.
class QtFatalStopSink final : public FatalStopSink {
  public:
    explicit QtFatalStopSink(CodePageConverter& converter) : converter_(converter) {}
    void showErrorBox(const Text& caption, const Text& text) override;
    [[noreturn]] void endProcess(int exitCode) override;

  private:
    CodePageConverter& converter_;
};

}  // namespace hotlist

#pragma once

#include <optional>

#include "text/text.h"

namespace hotlist {

// Where the fatal stop shows its box and ends the process; the platform layer provides it.
class FatalStopSink {
  public:
    virtual ~FatalStopSink() = default;
    // An error box with the given caption and text, the error icon and no owner window.
    virtual void showErrorBox(const Text& caption, const Text& text) = 0;
    // Ends the process at once with the exit code; no orderly shutdown runs.
    [[noreturn]] virtual void endProcess(int exitCode) = 0;
};

// Installs the sink used by every later fatal stop; null restores the built-in one, which
// writes the text to standard error.
void installFatalStopSink(FatalStopSink* sink);

// The box text: "运行时出错!", the code when there is one, and the message.
Text fatalStopText(std::optional<int> code, const Text& message);

// Shows the error box, then ends the process with exit code -1.
[[noreturn]] void fatalStop(std::optional<int> code, const Text& message);

// The fatal stop for an allocation of `bytes` that could not be made.
[[noreturn]] void outOfMemory(std::size_t bytes);

}  // namespace hotlist

#include "text/fatal_stop.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "text_texts.h"

namespace hotlist {
namespace {

// Used until the platform installs its own: the box text goes to standard error.
class StandardErrorSink final : public FatalStopSink {
  public:
    void showErrorBox(const Text& caption, const Text& text) override {
        std::fprintf(stderr, "%s\n%s", caption.cStr(), text.cStr());
    }
    [[noreturn]] void endProcess(int exitCode) override { std::_Exit(exitCode); }
};

StandardErrorSink standardErrorSink;
FatalStopSink* installedSink = &standardErrorSink;

}  // namespace

void installFatalStopSink(FatalStopSink* sink) {
    installedSink = sink != nullptr ? sink : &standardErrorSink;
}

Text fatalStopText(std::optional<int> code, const Text& message) {
    std::string text = texts::fatalHeading;
    if (code) {
        text += texts::fatalCodeLabel;
        text += std::to_string(*code);
        text += "\r\n\r\n";
    }
    text += texts::fatalMessageLabel;
    text += message.view();
    text += "\r\n";
    return Text(text);
}

void fatalStop(std::optional<int> code, const Text& message) {
    installedSink->showErrorBox(texts::fatalCaption, fatalStopText(code, message));
    installedSink->endProcess(-1);
    // The sink's end is declared noreturn, but a virtual call cannot prove it.
    std::abort();
}

void outOfMemory(std::size_t bytes) {
    std::string message = texts::allocationFailedBefore;
    message += std::to_string(bytes);
    message += texts::allocationFailedAfter;
    fatalStop(std::nullopt, Text(message));
}

}  // namespace hotlist

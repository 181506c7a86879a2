#pragma once

#include "call_log.h"
#include "text/com_library.h"

namespace hotlist {

// Counts CoInitialize and CoUninitialize and, when given a log, records them there too.
class CountingComLibrary : public ComLibrary {
  public:
    explicit CountingComLibrary(CallLog* log = nullptr) : log_(log) {}

    void CoInitialize() override {
        ++initializeCount;
        record("CoInitialize()");
    }
    void CoUninitialize() override {
        ++uninitializeCount;
        record("CoUninitialize()");
    }

    int initializeCount = 0;
    int uninitializeCount = 0;

  private:
    void record(const char* line) {
        if (log_ != nullptr) {
            log_->emplace_back(line);
        }
    }

    CallLog* log_;
};

}  // namespace hotlist

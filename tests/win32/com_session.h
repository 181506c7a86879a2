#pragma once

#include <gtest/gtest.h>

#include "base/win32_com_library.h"
#include "text/com_library.h"

namespace hotlist {

// A test whose body runs with COM initialised on its thread.
class ComTest : public testing::Test {
  protected:
    Win32ComLibrary com_;
    ScopedComInitialization comScope_{com_};
};

// True when the process runs under Wine rather than Windows itself.
bool runningUnderWine();

}  // namespace hotlist

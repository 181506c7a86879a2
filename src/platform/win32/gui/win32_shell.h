#pragma once

#include "app/window_system.h"

namespace hotlist {

// Opens addresses with the shell's "open" verb, owned by a running Internet Explorer window
// when there is one.
class Win32Shell final : public Shell {
  public:
    void openInBrowser(const Text& address) override;
};

}  // namespace hotlist

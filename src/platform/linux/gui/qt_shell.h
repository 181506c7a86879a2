#pragma once

#include "app/window_system.h"
#include "text/code_page_converter.h"

namespace hotlist {

// Opens addresses with the desktop's default browser; failures are silent.
class QtShell final : public Shell {
  public:
    explicit QtShell(CodePageConverter& converter) : converter_(converter) {}
    void openInBrowser(const Text& address) override;

  private:
    CodePageConverter& converter_;
};

}  // namespace hotlist

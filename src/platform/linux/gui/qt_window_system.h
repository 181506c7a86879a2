#pragma once

#include "app/window_system.h"
#include "text/code_page_converter.h"

namespace hotlist {

// The window system over Qt Widgets; needs a QApplication.
class QtWindowSystem final : public WindowSystem {
  public:
    explicit QtWindowSystem(CodePageConverter& converter) : converter_(converter) {}

    ScreenSize primaryScreenSize() override;
    std::unique_ptr<NativeMainWindow> createMainWindow(const MainWindowDefinition& definition,
                                                       MainWindowEvents& events) override;
    void runMessageLoop() override;
    void messageBox(const Text& text, const Text& caption, int style,
                    NativeMainWindow* owner) override;
    void setBusyCursor(bool busy) override;

  private:
    CodePageConverter& converter_;
};

}  // namespace hotlist

#pragma once

#include "app/window_system.h"

namespace hotlist {

// The window system of Win32: common controls, the main window, the thread's message loop
// and task-modal message boxes.
class Win32WindowSystem final : public WindowSystem {
  public:
    Win32WindowSystem();

    ScreenSize primaryScreenSize() override;
    std::unique_ptr<NativeMainWindow> createMainWindow(const MainWindowDefinition& definition,
                                                       MainWindowEvents& events) override;
    void runMessageLoop() override;
    void messageBox(const Text& text, const Text& caption, int style,
                    NativeMainWindow* owner) override;
    void setBusyCursor(bool busy) override;
};

}  // namespace hotlist

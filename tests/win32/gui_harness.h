#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/window_system.h"

namespace hotlist {

// Records every event the main window raises, in order ("button:1", "tick", "click",
// "navigate:<address>", "destroyed").
class RecordingEvents final : public MainWindowEvents {
  public:
    void onButtonClicked(int button) override { log.push_back("button:" + std::to_string(button)); }
    void onTimerTick() override {
        log.push_back("tick");
        if (whenTicked) {
            whenTicked();
        }
    }
    void onListLeftClick() override {
        log.push_back("click");
        if (whenClicked) {
            whenClicked();
        }
    }
    void onBeforeNavigate(const Text& address) override {
        log.push_back("navigate:" + std::string(address.view()));
    }
    void onDestroyed() override { log.push_back("destroyed"); }

    [[nodiscard]] int count(const std::string& entry) const;

    std::vector<std::string> log;
    std::function<void()> whenClicked;  // runs inside the click event
    std::function<void()> whenTicked;   // runs inside the tick event
};

// Dispatches every message already queued for the thread.
void dispatchPending();
// Dispatches the thread's messages for `milliseconds`.
void pumpFor(int milliseconds);
// Dispatches until `done` holds or `timeoutMs` passed; gives the final `done`.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// A real left or right click at a point of `window`'s client area, through the input queue.
void clickAt(HWND window, POINT client, bool right = false);

// A control's rectangle in its parent's client coordinates.
RECT rectInParent(HWND control);

// The wide text of a window or control as code page 936.
Text windowText(HWND window);

// What the screen shows of `window`, frame included, as a 24-bit BMP file; false on failure.
bool saveWindowBitmap(HWND window, const std::string& path);

// The colour of the brush `window` gives its static children; CLR_INVALID when it gives none.
COLORREF staticBackground(HWND window);

// Runs `action` once on every task-modal box (#32770) of this thread as soon as it is open,
// from a thread timer; the box keeps dispatching while it waits.
class BoxWatcher {
  public:
    using Action = std::function<void(HWND box)>;
    explicit BoxWatcher(Action action);
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;
    ~BoxWatcher();

  private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR timer_ = 0;
};

// The open box of this thread, or null.
HWND findThreadBox();

}  // namespace hotlist

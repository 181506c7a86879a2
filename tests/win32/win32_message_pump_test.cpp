#include "base/win32_message_pump.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "text/delay.h"

namespace hotlist {
namespace {

constexpr UINT kPing = WM_APP + 1;

// A message-only window whose handler for kPing is set by the test.
class MessageWindow {
  public:
    MessageWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &MessageWindow::procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "HotlistPumpTest";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "HotlistPumpTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;
    ~MessageWindow() { DestroyWindow(window_); }

    [[nodiscard]] HWND handle() const { return window_; }
    void post() const { PostMessageA(window_, kPing, 0, 0); }

    std::function<void()> onPing;
    int pings = 0;

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == kPing && self != nullptr) {
            ++self->pings;
            if (self->onPing) {
                self->onPing();
            }
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
};

double millisecondsSince(LARGE_INTEGER start) {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER now() {
    LARGE_INTEGER start{};
    QueryPerformanceCounter(&start);
    return start;
}

// Leaves the queue empty of anything a test posted and failed to consume.
void drainQueue() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

class Win32Pump : public testing::Test {
  protected:
    void TearDown() override { drainQueue(); }

    Win32MessagePump pump_;
    MessageWindow window_;
};

// Lower bounds only: the timer never fires early, but a loaded machine may be late.
TEST_F(Win32Pump, PostedMessageIsDispatchedDuringATenMillisecondDelay) {
    ASSERT_NE(window_.handle(), nullptr);
    window_.post();
    const LARGE_INTEGER start = now();
    EXPECT_TRUE(delayWithEvents(pump_, 10));
    EXPECT_EQ(window_.pings, 1);
    EXPECT_GE(millisecondsSince(start), 9.0);
}

TEST_F(Win32Pump, DueTimeOfZeroOrMoreReturnsWithoutWaitingForMessages) {
    for (const std::int64_t due : {std::int64_t{0}, std::int64_t{1}, std::int64_t{50000000}}) {
        window_.post();
        pump_.pumpUntilDue(due);
        pumpWithoutTimer(due);
        EXPECT_EQ(window_.pings, 0) << due;
        drainQueue();
    }
}

TEST_F(Win32Pump, PendingQuitEndsTheWaitAndStaysQueued) {
    PostQuitMessage(7);
    pump_.pumpUntilDue(-600'000'000);  // a minute: only the quit request can end it early
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 7U);
}

TEST_F(Win32Pump, HandlerMayWaitNestedInsideTheOuterWait) {
    int nestedWaits = 0;
    window_.onPing = [&] {
        ++nestedWaits;
        pump_.pumpUntilDue(-300'000);
    };
    window_.post();
    const LARGE_INTEGER start = now();
    pump_.pumpUntilDue(-100'000);
    EXPECT_EQ(nestedWaits, 1);
    EXPECT_GE(millisecondsSince(start), 29.0) << "the outer wait resumes after the nested one";
}

TEST_F(Win32Pump, WaitWithoutTimerIsBoundedAndStillDispatches) {
    window_.post();
    const LARGE_INTEGER start = now();
    pumpWithoutTimer(-200'000);
    EXPECT_EQ(window_.pings, 1);
    EXPECT_GE(millisecondsSince(start), 19.0);

    PostQuitMessage(3);
    pumpWithoutTimer(-600'000'000);
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
}

}  // namespace
}  // namespace hotlist

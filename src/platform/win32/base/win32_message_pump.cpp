#include "base/win32_message_pump.h"

#include <windows.h>

#include <algorithm>

#include "base/unique_handle.h"

namespace hotlist {
namespace {

// Every kind of input except raw input.
constexpr DWORD kWakeMask = 0xFF;

// Dispatches every queued message; false when a quit request is next, which stays queued for
// the outer message loop.
bool dispatchPendingMessages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT) {
            return false;
        }
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            break;
        }
        if (message.message == WM_QUIT) {
            // A quit request slipped in between the two peeks: put it back for the outer loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

UniqueHandle armedTimer(std::int64_t dueTime) {
    UniqueHandle timer(CreateWaitableTimerA(nullptr, FALSE, nullptr));
    LARGE_INTEGER due{};
    due.QuadPart = dueTime;
    if (timer && !SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE)) {
        timer.reset();
    }
    return timer;
}

}  // namespace

// A due time of zero or more is already past, so the timer would be signalled at once.
void Win32MessagePump::pumpUntilDue(std::int64_t dueTime) {
    if (dueTime >= 0) {
        return;
    }
    const UniqueHandle timer = armedTimer(dueTime);
    if (!timer) {
        pumpWithoutTimer(dueTime);
        return;
    }
    HANDLE handle = timer.get();
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, kWakeMask);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) {
            return;
        }
        if (!dispatchPendingMessages()) {
            return;
        }
    }
}

// Waits in slices of at most INFINITE - 1 ms so that very long due times fit a DWORD time-out.
void pumpWithoutTimer(std::int64_t dueTime) {
    if (dueTime >= 0) {
        return;
    }
    // Unsigned negation is defined for every negative value, the most negative included.
    const ULONGLONG hundredNs = 0ULL - static_cast<ULONGLONG>(dueTime);
    const ULONGLONG totalMs = hundredNs / 10000 + (hundredNs % 10000 != 0 ? 1 : 0);
    const ULONGLONG deadline = GetTickCount64() + totalMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return;
        }
        const auto slice = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, INFINITE - 1));
        const DWORD woken = MsgWaitForMultipleObjects(0, nullptr, FALSE, slice, kWakeMask);
        if (woken == WAIT_FAILED) {
            return;
        }
        if (woken != WAIT_TIMEOUT && !dispatchPendingMessages()) {
            return;
        }
    }
}

}  // namespace hotlist

#include "qt_message_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>

namespace hotlist {

namespace {

using Clock = std::chrono::steady_clock;

// Longer waits are cut to a century so that the deadline stays inside the clock's range;
// the endless wait (about ten thousand years) is one of them.
constexpr auto kLongestWait = std::chrono::hours(24 * 365 * 100);

// Without a working timer the wait falls back to short sleeps between event batches.
constexpr auto kFallbackSlice = std::chrono::milliseconds(10);

Clock::time_point deadlineOf(std::int64_t dueTime) {
    constexpr std::int64_t kLongest100ns =
        std::chrono::duration_cast<std::chrono::nanoseconds>(kLongestWait).count() / 100;
    const std::int64_t relative100ns = dueTime < -kLongest100ns ? kLongest100ns : -dueTime;
    return Clock::now() + std::chrono::nanoseconds(relative100ns * 100);
}

int timerMilliseconds(Clock::duration remaining) {
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(remaining).count();
    return static_cast<int>(std::min<std::int64_t>(ms, std::numeric_limits<int>::max()));
}

enum class WaitEnd { TimerFired, LoopLeft, TimerFailed };

// One nested event loop that sleeps until the timer fires or something ends the loop: a
// quit of the application ends every running loop, this one included.
WaitEnd waitInNestedLoop(Clock::duration remaining) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    bool fired = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&fired, &loop] {
        fired = true;
        loop.quit();
    });
    timer.start(timerMilliseconds(remaining));
    if (!timer.isActive()) {
        return WaitEnd::TimerFailed;
    }
    loop.exec();
    return fired ? WaitEnd::TimerFired : WaitEnd::LoopLeft;
}

// Dispatches the events already pending, without waiting for more; LoopLeft when a quit
// was requested meanwhile or before.
WaitEnd dispatchPending() {
    QEventLoop loop;
    bool reached = false;
    QMetaObject::invokeMethod(
        &loop,
        [&reached, &loop] {
            reached = true;
            loop.quit();
        },
        Qt::QueuedConnection);
    loop.exec();
    return reached ? WaitEnd::TimerFired : WaitEnd::LoopLeft;
}

}  // namespace

// A due time of zero or more is already past. A loop left for any reason but the timer means
// a quit was requested; it is left pending for the outer loop. The timer may round, so the
// deadline is checked again after each expiry.
void QtMessagePump::pumpUntilDue(std::int64_t dueTime) {
    if (dueTime >= 0) {
        return;
    }
    const Clock::time_point deadline = deadlineOf(dueTime);
    for (Clock::time_point now = Clock::now(); now < deadline; now = Clock::now()) {
        if (QCoreApplication::instance() == nullptr) {
            std::this_thread::sleep_for(std::min<Clock::duration>(deadline - now, kLongestWait));
            return;
        }
        switch (waitInNestedLoop(deadline - now)) {
            case WaitEnd::TimerFired:
                break;
            case WaitEnd::LoopLeft:
                return;
            case WaitEnd::TimerFailed:
                if (dispatchPending() == WaitEnd::LoopLeft) {
                    return;
                }
                QThread::msleep(static_cast<unsigned long>(
                    std::min<Clock::duration>(deadline - now, kFallbackSlice) /
                    std::chrono::milliseconds(1)));
                break;
        }
    }
}

}  // namespace hotlist

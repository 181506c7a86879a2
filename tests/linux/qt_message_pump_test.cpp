#include "gui/qt_message_pump.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "text/delay.h"

namespace hotlist {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Runs `body` from inside QApplication::exec, the way event handlers run in the program, and
// returns once exec has returned. A hung wait ends the test binary instead of the whole run.
void runInsideMainLoop(const std::function<void()>& body) {
    std::atomic<bool> done = false;
    std::thread watchdog([&done] {
        for (int i = 0; i < 300 && !done; ++i) {
            std::this_thread::sleep_for(milliseconds(100));
        }
        if (!done) {
            std::fputs("the main loop did not end within 30 s\n", stderr);
            _exit(1);
        }
    });
    QTimer::singleShot(0, body);
    QApplication::exec();
    done = true;
    watchdog.join();
}

// A mouse press and release posted to the middle of `button`, delivered by the event loop.
void postClick(QPushButton& button) {
    const QPointF centre(button.width() / 2.0, button.height() / 2.0);
    const QPointF global = button.mapToGlobal(centre);
    QCoreApplication::postEvent(
        &button, new QMouseEvent(QEvent::MouseButtonPress, centre, global, Qt::LeftButton,
                                 Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        &button, new QMouseEvent(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                                 Qt::NoButton, Qt::NoModifier));
}

class QtMessagePumpTest : public ::testing::Test {
  protected:
    QtMessagePump pump;
};

TEST_F(QtMessagePumpTest, DispatchesPostedEventsAndClicksInsideTheDelay) {
    QPushButton button("collect");
    button.resize(120, 40);
    button.show();
    bool insideDelay = false;
    std::vector<std::string> seen;
    QObject::connect(&button, &QPushButton::clicked,
                     [&] { seen.push_back(insideDelay ? "click inside" : "click outside"); });
    QObject receiver;
    QMetaObject::invokeMethod(
        &receiver, [&] { seen.push_back(insideDelay ? "event inside" : "event outside"); },
        Qt::QueuedConnection);
    postClick(button);

    insideDelay = true;
    const Clock::time_point start = Clock::now();
    EXPECT_TRUE(delayWithEvents(pump, 10));
    const Clock::duration elapsed = Clock::now() - start;
    insideDelay = false;

    EXPECT_EQ(seen, (std::vector<std::string>{"event inside", "click inside"}));
    EXPECT_GE(elapsed, milliseconds(10));
}

TEST_F(QtMessagePumpTest, PastDueTimesReturnWithoutDispatching) {
    struct Case {
        const char* name;
        std::optional<std::int32_t> interval;
        std::int64_t unit;
    };
    const std::vector<Case> cases = {
        {"interval 0", 0, 0},
        {"negative interval", -10, 0},
        {"no interval with a non-zero unit", std::nullopt, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QObject receiver;
        bool dispatched = false;
        QMetaObject::invokeMethod(
            &receiver, [&] { dispatched = true; }, Qt::QueuedConnection);
        EXPECT_TRUE(delayWithEvents(pump, c.interval, c.unit));
        EXPECT_FALSE(dispatched);
        QCoreApplication::processEvents();
        EXPECT_TRUE(dispatched);
    }
}

TEST_F(QtMessagePumpTest, NestedDelaysEachWaitTheirOwnTime) {
    struct Case {
        const char* name;
        int outerMs;
        int innerMs;
    };
    const std::vector<Case> cases = {
        {"inner ends first", 60, 10},
        {"outer expires while the inner one waits", 10, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> order;
        QObject receiver;
        QMetaObject::invokeMethod(
            &receiver,
            [&] {
                delayWithEvents(pump, c.innerMs);
                order.emplace_back("inner");
            },
            Qt::QueuedConnection);
        const Clock::time_point start = Clock::now();
        delayWithEvents(pump, c.outerMs);
        order.emplace_back("outer");
        EXPECT_EQ(order, (std::vector<std::string>{"inner", "outer"}));
        EXPECT_GE(Clock::now() - start, milliseconds(std::max(c.outerMs, c.innerMs)));
    }
}

TEST_F(QtMessagePumpTest, QuitDuringTheEndlessWaitEndsItAndReachesTheMainLoop) {
    struct Case {
        const char* name;
        std::function<void(QWidget& window)> requestQuit;
        bool beforeTheDelay;
    };
    const std::vector<Case> cases = {
        {"quit called", [](QWidget&) { QCoreApplication::quit(); }, false},
        {"last window closed", [](QWidget& window) { window.close(); }, false},
        {"quit already pending", [](QWidget&) { QCoreApplication::quit(); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        window.show();
        bool delayReturned = false;
        bool eventAfterQuit = false;
        runInsideMainLoop([&] {
            if (c.beforeTheDelay) {
                c.requestQuit(window);
            } else {
                QTimer::singleShot(20, [&] { c.requestQuit(window); });
            }
            delayWithEvents(pump);
            delayReturned = true;
            // The main loop has been asked to end: it must not run this.
            QTimer::singleShot(0, [&] { eventAfterQuit = true; });
        });
        EXPECT_TRUE(delayReturned);
        EXPECT_FALSE(eventAfterQuit);
        QCoreApplication::processEvents();
    }
}

}  // namespace
}  // namespace hotlist

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

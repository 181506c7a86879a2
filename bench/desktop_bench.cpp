// The article list's cost per row as it grows, and the main window's start-up time, memory
// and idle behaviour, on Qt's offscreen platform.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <fstream>

#include "app/main_window_definition.h"
#include "gui/article_table_view.h"
#include "gui/qt_main_window.h"
#include "text/iconv_code_page_converter.h"

namespace hotlist {
namespace {

class IgnoredEvents final : public MainWindowEvents {
  public:
    void onButtonClicked(int /*button*/) override {}
    void onTimerTick() override {}
    void onListLeftClick() override {}
    void onBeforeNavigate(const Text& /*address*/) override {}
    void onDestroyed() override {}
};

const Text kLink("https://hotlist.example/n/a01x037");
const Text kTitle("\xc9\xee\xd2\xb9\xca\xb3\xcc\xc3\xa3\xba\xd2\xbb\xcd\xeb\xc3\xe6");
const Text kReaders("10\xcd\xf2+");

// One row as a collection run writes it.
void writeRow(ArticleListView& list) {
    const int row = list.appendRow();
    list.setCellText(row, 0, numberToText(row + 1.0));
    list.setCellText(row, 1, kLink);
    list.setCellText(row, 2, kTitle);
    list.setCellText(row, 3, kReaders);
    list.ensureRowVisible(row);
}

double residentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

double cpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void spinEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// One row at a given list size: appendRow, four setCellText and ensureRowVisible, then,
// when asked, the event processing the 10 ms pause gives them (layout, paint).
void BM_RowAtListSize(benchmark::State& state, bool withEventProcessing) {
    IconvCodePageConverter converter;
    ArticleTableView list(converter, mainWindowDefinition({1280, 800}).columns);
    list.resize(352, 487);
    list.show();
    for (int64_t i = 0; i < state.range(0); ++i) {
        writeRow(list);
    }
    QCoreApplication::processEvents();
    for (auto _ : state) {
        writeRow(list);
        if (withEventProcessing) {
            QCoreApplication::processEvents();
        }
    }
    state.counters["rows_at_start"] = static_cast<double>(state.range(0));
}
BENCHMARK_CAPTURE(BM_RowAtListSize, row_operations, false)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(2000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RowAtListSize, with_events, true)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// From nothing to the shown main window with its web view, as the start sequence makes it.
void BM_StartUpToShownWindow(benchmark::State& state) {
    IconvCodePageConverter converter;
    IgnoredEvents events;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QtMainWindow window(converter, mainWindowDefinition({1280, 800}), events);
        window.show();
        QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_StartUpToShownWindow)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

// Resident memory with the window shown, after 100,000 rows, and the CPU time and event-loop
// wake-ups of five idle seconds with the window open.
void BM_MemoryAndIdle(benchmark::State& state) {
    IconvCodePageConverter converter;
    IgnoredEvents events;
    for (auto _ : state) {
        QtMainWindow window(converter, mainWindowDefinition({1280, 800}), events);
        window.show();
        spinEventLoop(500);
        state.counters["rss_shown_MiB"] = residentMiB();

        int wakeUps = 0;
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                         [&wakeUps] { ++wakeUps; });
        const double cpuBefore = cpuMilliseconds();
        spinEventLoop(5000);
        state.counters["idle_cpu_ms_per_5s"] = cpuMilliseconds() - cpuBefore;
        state.counters["idle_wakeups_per_5s"] = wakeUps;
        QObject::disconnect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                            nullptr, nullptr);

        for (int i = 0; i < 100000; ++i) {
            writeRow(window.articleList());
        }
        spinEventLoop(200);
        state.counters["rss_100k_rows_MiB"] = residentMiB();
    }
}
BENCHMARK(BM_MemoryAndIdle)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace hotlist

// The Qt application lives in main, so that it is gone before the exit handlers run: the web
// engine's clean-up needs the thread storage that those handlers tear down.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

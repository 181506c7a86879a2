#include "app/application.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_window_definition.h"
#include "app_fakes.h"
#include "app_texts.h"
#include "exit_status.h"
#include "text/fatal_stop.h"

namespace hotlist {
namespace {

using testing::CallLog;
using ::testing::ElementsAre;

constexpr char kBase[] = "https://agg.test";

std::string page(const char* path) {
    return std::string(kBase) + path;
}

struct Harness {
    Harness() {
        steps.pages[page(kHotArticlesPath)] = {
            {"/n/a1", "T1", "R1"}, {"/n/a2", "T2", "R2"}, {"/n/a3", "T3", "R3"}};
        steps.pages[page(kHotWordsPath)] = {{"/n/w1", "W1", "9"}, {"/n/w2", "W2", "8"}};
        steps.pages[page(kVideosPath)] = {{"/n/v1", "V1", "7"}};
    }

    // Starts the application; the user's actions run inside the message loop.
    int start(std::function<void()> actions = nullptr) {
        windows.userActions = std::move(actions);
        return app.run();
    }
    MainWindowEvents& events() { return *windows.events; }
    testing::FakeList& list() { return windows.list; }
    void destroyWindow() {
        list().destroyed = true;
        events().onDestroyed();
    }

    CallLog log;
    testing::UnusedServices unused;
    testing::NoHttpRequests http;
    testing::NoRegExps regExps;
    testing::FakeWindowSystem windows{log};
    testing::FakeShell shell{log};
    testing::FakeFileSystem files;
    testing::FakeSkinHooks skin{log};
    testing::FakeProcessSetup process{log};
    testing::FakeCollectionSteps steps{log};
    Platform platform{unused, http, regExps, unused, unused, windows, shell, files, skin, process};
    ApplicationSettings settings{kBase, "https://community.test/?_wv=1027&k=AbCd1234", "P", 1234};
    Application app{platform, steps, settings};
};

std::vector<std::string> column(const testing::FakeList& list, int index) {
    std::vector<std::string> cells;
    for (const auto& row : list.rows) {
        cells.emplace_back(row[static_cast<std::size_t>(index)].view());
    }
    return cells;
}

TEST(ApplicationStart, RunsEveryStepInOrderAndTheExitStepOnce) {
    Harness h;
    EXPECT_EQ(h.start(), 0);
    EXPECT_THAT(h.log, ElementsAre("ole", "cd:/opt/hotlist", "locate", "create", "attach",
                                   "browser", "show", "loop", "release", "ole-end"));
    EXPECT_THAT(h.shell.opened, ElementsAre(Text("https://community.test/?_wv=1027&k=AbCd1234")));
    EXPECT_EQ(h.skin.releases, 1);
    EXPECT_EQ(h.windows.createdWith.timerPeriodMs, 1234);
    EXPECT_EQ(h.windows.createdWith.outer, (Geometry{181, 111, 918, 577}));
}

// The injected sink records the box and reports, from inside the dying process, the last
// step taken before the end: nothing after the refused window may have run.
class RecordingFatalSink final : public FatalStopSink {
  public:
    explicit RecordingFatalSink(const CallLog& log) : log_(log) {}
    void showErrorBox(const Text& caption, const Text& text) override {
        caption_ = caption;
        text_ = text;
    }
    [[noreturn]] void endProcess(int exitCode) override {
        const bool boxRight = caption_ == Text("\xb4\xed\xce\xf3") &&
                              text_ == fatalStopText(std::nullopt, app_texts::windowCreateFailed);
        std::fprintf(stderr, "box=%s last=%s", boxRight ? "right" : "wrong", log_.back().c_str());
        std::fflush(stderr);
        std::_Exit(exitCode);
    }

  private:
    const CallLog& log_;
    Text caption_;
    Text text_;
};

TEST(ApplicationStartDeathTest, WindowThatCannotBeMadeTakesTheFatalStopAndSkipsTheExitStep) {
    EXPECT_EXIT(
        {
            Harness h;
            h.windows.refuseWindow = true;
            RecordingFatalSink sink(h.log);
            installFatalStopSink(&sink);
            h.start();
        },
        exitedWithMinusOne, "box=right last=create$");
}

TEST(CollectionRun, EachTriggerFetchesItsOwnPageWithTheBusyCursorAround) {
    struct Case {
        std::function<void(MainWindowEvents&)> trigger;
        const char* path;
    };
    const Case cases[] = {
        {[](MainWindowEvents& e) { e.onButtonClicked(1); }, kHotArticlesPath},
        {[](MainWindowEvents& e) { e.onButtonClicked(2); }, kHotWordsPath},
        {[](MainWindowEvents& e) { e.onButtonClicked(3); }, kVideosPath},
        {[](MainWindowEvents& e) { e.onTimerTick(); }, kVideosPath},
    };
    for (const Case& c : cases) {
        Harness h;
        h.start([&] { c.trigger(h.events()); });
        const std::string fetch = "fetch:" + page(c.path);
        EXPECT_THAT(h.steps.fetched, ElementsAre(Text(page(c.path)))) << c.path;
        const auto at = std::find(h.log.begin(), h.log.end(), fetch);
        ASSERT_NE(at, h.log.end());
        EXPECT_EQ(*(at - 1), "busy");
        EXPECT_EQ(*(at + 1), "idle");
        EXPECT_THAT(h.steps.patterns, ElementsAre(Text("P")));
    }
}

TEST(CollectionRun, WritesIdLinkTitleReadersAndRepeatedRunsContinueTheIds) {
    Harness h;
    h.steps.pages[page(kHotArticlesPath)][1][0] = Text();  // an empty href
    h.start([&] {
        h.events().onButtonClicked(1);
        h.events().onButtonClicked(1);
    });
    EXPECT_THAT(column(h.list(), 0), ElementsAre("1", "2", "3", "4", "5", "6"));
    EXPECT_THAT(column(h.list(), 1),
                ElementsAre("https://agg.test/n/a1", "https://agg.test", "https://agg.test/n/a3",
                            "https://agg.test/n/a1", "https://agg.test", "https://agg.test/n/a3"));
    EXPECT_THAT(column(h.list(), 2), ElementsAre("T1", "T2", "T3", "T1", "T2", "T3"));
    EXPECT_THAT(column(h.list(), 3), ElementsAre("R1", "R2", "R3", "R1", "R2", "R3"));
    EXPECT_EQ(h.list().lastVisibleRow, 5);
    EXPECT_EQ(h.steps.pauses, 6);
    EXPECT_TRUE(h.windows.boxes.empty());
}

TEST(CollectionRun, FailuresShowTheirBoxAndAddNoRow) {
    struct Case {
        const char* name;
        bool accepted;
        const char* path;
        Text text;
    };
    const Case cases[] = {
        {"expression rejected", false, kHotArticlesPath, app_texts::regexCreateFailed},
        {"no match or failed fetch", true, "/n/unknown-page", app_texts::noMatch},
    };
    for (const Case& c : cases) {
        Harness h;
        h.steps.expressionAccepted = c.accepted;
        h.start([&] { h.app.collectionRun(Text(page(c.path))); });
        ASSERT_EQ(h.windows.boxes.size(), 1U) << c.name;
        EXPECT_EQ(h.windows.boxes[0].text, c.text) << c.name;
        EXPECT_EQ(h.windows.boxes[0].caption, Text(app_texts::defaultCaption)) << c.name;
        EXPECT_EQ(h.windows.boxes[0].style, kMessageBoxIconStop) << c.name;
        EXPECT_EQ(h.windows.boxes[0].owner, nullptr) << c.name;
        EXPECT_TRUE(h.list().rows.empty()) << c.name;
        EXPECT_EQ(h.steps.pauses, 0) << c.name;
    }
}

TEST(CollectionRun, MatchesWithoutGroupsGiveOneOwnedBoxAndOneEmptyRowEach) {
    Harness h;
    h.steps.pages[page(kVideosPath)] = {{}, {}};
    h.start([&] { h.events().onButtonClicked(3); });
    ASSERT_EQ(h.windows.boxes.size(), 2U);
    for (const auto& box : h.windows.boxes) {
        EXPECT_EQ(box.text, Text(app_texts::noGroups));
        EXPECT_EQ(box.caption, Text(app_texts::noticeCaption));
        EXPECT_EQ(box.style, kMessageBoxIconInformation);
        EXPECT_EQ(box.owner, h.windows.window);
    }
    ASSERT_EQ(h.list().rows.size(), 2U);
    EXPECT_THAT(column(h.list(), 0), ElementsAre("", ""));
    EXPECT_THAT(column(h.list(), 1), ElementsAre("", ""));
    EXPECT_EQ(h.steps.pauses, 2);
}

TEST(CollectionRun, ARunStartedDuringAPauseLandsBetweenTheOuterRowsWithConsecutiveIds) {
    Harness h;
    h.steps.onPause = [&] { h.events().onButtonClicked(2); };
    h.start([&] { h.events().onButtonClicked(1); });
    EXPECT_THAT(column(h.list(), 0), ElementsAre("1", "2", "3", "4", "5"));
    EXPECT_THAT(column(h.list(), 2), ElementsAre("T1", "W1", "W2", "T2", "T3"));
}

TEST(CollectionRun, ATimerTickDuringABoxRunsNestedAndTheOuterRunGoesOn) {
    Harness h;
    h.steps.pages[page(kHotArticlesPath)] = {{}, {}};
    h.windows.whileBoxOpen = [&] {
        h.windows.whileBoxOpen = nullptr;
        h.events().onTimerTick();
    };
    h.start([&] { h.events().onButtonClicked(1); });
    EXPECT_EQ(h.windows.boxes.size(), 2U);
    EXPECT_THAT(column(h.list(), 2), ElementsAre("", "V1", ""));
    EXPECT_THAT(column(h.list(), 0), ElementsAre("", "2", ""));
}

TEST(CollectionRun, ClosingTheWindowEndsTheRunWithoutTouchingTheList) {
    struct Case {
        const char* name;
        bool groupless;
    };
    for (const Case c : {Case{"during a pause", false}, Case{"during a box", true}}) {
        Harness h;
        if (c.groupless) {
            h.steps.pages[page(kHotArticlesPath)] = {{}, {}, {}};
            h.windows.whileBoxOpen = [&] { h.destroyWindow(); };
        } else {
            h.steps.onPause = [&] { h.destroyWindow(); };
        }
        EXPECT_EQ(h.start([&] { h.events().onButtonClicked(1); }), 0) << c.name;
        EXPECT_EQ(h.list().rows.size(), 1U) << c.name;
        EXPECT_EQ(h.list().touchesAfterDestroy, 0) << c.name;
        EXPECT_LE(h.windows.boxes.size(), 1U) << c.name;
        EXPECT_EQ(h.skin.releases, 1) << c.name;
    }
}

TEST(CollectionRun, ClicksAfterTheWindowIsGoneDoNothing) {
    Harness h;
    h.start([&] {
        h.destroyWindow();
        h.events().onListLeftClick();
    });
    EXPECT_EQ(h.list().touchesAfterDestroy, 0);
    EXPECT_TRUE(h.windows.viewer.addresses.empty());
}

TEST(ArticleViewer, AClickNavigatesToTheSelectedRowsLinkUnchanged) {
    struct Case {
        const char* name;
        int selected;
        const char* expected;
    };
    const Case cases[] = {
        {"third row", 2, "https://agg.test/n/a3"},
        {"no selection", -1, ""},
        {"row left empty by a failed run", 3, ""},
    };
    for (const Case& c : cases) {
        Harness h;
        h.start([&] {
            h.events().onButtonClicked(1);
            h.list().appendRow();
            h.list().selected = c.selected;
            h.events().onListLeftClick();
            h.events().onListLeftClick();
        });
        EXPECT_THAT(h.windows.viewer.addresses, ElementsAre(Text(c.expected), Text(c.expected)))
            << c.name;
    }
}

TEST(MainWindowDefinition, CentresTheOuterFrameTruncatingTowardZero) {
    struct Case {
        ScreenSize screen;
        int left;
        int top;
    };
    const Case cases[] = {
        {{1920, 1080}, 501, 251}, {{1280, 800}, 181, 111}, {{1366, 768}, 224, 95},
        {{917, 576}, 0, 0},       {{800, 600}, -59, 11},   {{640, 480}, -139, -48},
    };
    for (const Case& c : cases) {
        const MainWindowDefinition d = mainWindowDefinition(c.screen);
        EXPECT_EQ(d.outer, (Geometry{c.left, c.top, 918, 577}))
            << c.screen.width << "x" << c.screen.height;
    }
}

TEST(MainWindowDefinition, HoldsTheControlsGeometryNamesAndTexts) {
    const MainWindowDefinition d = mainWindowDefinition({1024, 768});
    EXPECT_EQ(d.title, Text(app_texts::windowTitle));
    EXPECT_EQ(d.clientWidth, 912);
    EXPECT_EQ(d.clientHeight, 543);
    EXPECT_EQ(d.timerPeriodMs, 300000);
    const Text buttonTexts[] = {app_texts::button1Text, app_texts::button2Text,
                                app_texts::button3Text};
    const Text buttonNames[] = {app_texts::button1Name, app_texts::button2Name,
                                app_texts::button3Name};
    const int buttonLefts[] = {16, 136, 256};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(d.buttons[i].text, buttonTexts[i]);
        EXPECT_EQ(d.buttons[i].control.name, buttonNames[i]);
        EXPECT_EQ(d.buttons[i].control.geometry, (Geometry{buttonLefts[i], 5, 80, 32}));
    }
    EXPECT_EQ(d.timer.name, Text(app_texts::timerName));
    EXPECT_EQ(d.timer.geometry, (Geometry{528, 0, 26, 26}));
    EXPECT_EQ(d.statusBar.name, Text(app_texts::statusBarName));
    EXPECT_EQ(d.statusBar.geometry, (Geometry{0, 523, 912, 20}));
    EXPECT_THAT(d.statusPaneRightEdges, ElementsAre(200, 700, 1000));
    EXPECT_EQ(d.statusPaneTexts[0], Text("raziV1.0"));
    EXPECT_EQ(d.statusPaneTexts[1], Text(app_texts::statusPane2));
    EXPECT_EQ(d.articleList.name, Text(app_texts::articleListName));
    EXPECT_EQ(d.articleList.geometry, (Geometry{0, 41, 352, 487}));
    EXPECT_EQ(d.articleViewer.name, Text(app_texts::articleViewerName));
    EXPECT_EQ(d.articleViewer.geometry, (Geometry{354, 3, 558, 525}));
    EXPECT_EQ(d.columns[0].header, Text("id"));
    EXPECT_EQ(d.columns[1].header, Text("\xc8\xc8\xce\xc4\xc1\xac\xbd\xd3"));
    const int widths[] = {50, 100, 100, 100};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(d.columns[i].width, widths[i]);
    }
}

}  // namespace
}  // namespace hotlist

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <thread>

#include "app/application.h"
#include "app/main_window_definition.h"
#include "app/platform_collection_steps.h"
#include "app_texts.h"
#include "desktop_page_server.h"
#include "gui/article_table_view.h"
#include "gui/linux_platform_services.h"
#include "gui/qt_main_window.h"
#include "gui/qt_text.h"
#include "gui/web_article_viewer.h"

namespace hotlist {
namespace {

using testing::DesktopPageServer;
using ::testing::ElementsAre;
using testing::fixturePage;

// Titles and figures of the fixture pages in code page 936.
constexpr char kFirstHotTitle[] =
    "\xc9\xee\xd2\xb9\xca\xb3\xcc\xc3\xa3\xba\xd2\xbb\xcd\xeb\xc3\xe6\xb5\xc4\xce\xc2\xb6\xc8";
constexpr char kTenThousandPlus[] = "10\xcd\xf2+";
constexpr char kHotWordPrefix[] = "\xc8\xc8\xb4\xca";

class RecordingShell final : public Shell {
  public:
    void openInBrowser(const Text& address) override {
        opened.push_back(address);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            anyWindowVisible = anyWindowVisible || top->isVisible();
        }
    }
    std::vector<Text> opened;
    bool anyWindowVisible = false;
};

struct SeenBox {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QWidget* parent;
};

// Answers every message box with OK as soon as it is open, recording what it showed.
class BoxDismisser {
  public:
    BoxDismisser() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->isVisible()) {
                seen.push_back({box->icon(), box->windowTitle(), box->text(), box->parentWidget()});
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start();
    }
    std::vector<SeenBox> seen;

  private:
    QTimer timer_;
};

// The main window's widgets, found by their names.
struct Ui {
    QWidget* window = nullptr;
    std::array<QPushButton*, 3> buttons{};
    ArticleTableView* list = nullptr;
    WebArticleViewer* viewer = nullptr;

    void click(int button) const {
        QTest::mouseClick(buttons[static_cast<std::size_t>(button - 1)], Qt::LeftButton);
    }
    void clickRow(int row) const {
        list->ensureRowVisible(row);
        const QRect cell = list->visualRect(list->model()->index(row, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    [[nodiscard]] int rows() const { return list->model()->rowCount(); }
    [[nodiscard]] std::string cell(int row, int column) const {
        return std::string(list->cellText(row, column).view());
    }
};

// The events a desktop delivers for a double click: the second press is followed by a
// double-click event before its release.
void doubleClick(QWidget* widget, QPoint at) {
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent event(type, local, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    for (int click = 0; click < 2; ++click) {
        send(QEvent::MouseButtonPress, Qt::LeftButton);
        if (click == 1) {
            send(QEvent::MouseButtonDblClick, Qt::LeftButton);
        }
        send(QEvent::MouseButtonRelease, Qt::NoButton);
        if (click == 0) {
            QTest::qWait(300);  // the first click's page has loaded by the second press
        }
    }
}

class DesktopWindowTest : public ::testing::Test {
  protected:
    QString name(const Text& text) { return toQString(services.converter(), text); }

    Ui findUi() {
        Ui ui;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<MainWidget*>(top) != nullptr && top->isVisible()) {
                ui.window = top;
            }
        }
        if (ui.window == nullptr) {
            return ui;
        }
        const Text buttonNames[] = {app_texts::button1Name, app_texts::button2Name,
                                    app_texts::button3Name};
        for (std::size_t i = 0; i < 3; ++i) {
            ui.buttons[i] = ui.window->findChild<QPushButton*>(name(buttonNames[i]));
        }
        ui.list = ui.window->findChild<ArticleTableView*>(name(app_texts::articleListName));
        ui.viewer = ui.window->findChild<WebArticleViewer*>(name(app_texts::articleViewerName));
        return ui;
    }

    ApplicationSettings settingsFor(const std::string& baseUrl, int timerPeriodMs = 300000) {
        ApplicationSettings settings;
        settings.aggregatorBaseUrl = Text(baseUrl);
        settings.communityPageUrl = "https://community.test/?_wv=1027&k=Zx81Qa7p";
        settings.timerPeriodMs = timerPeriodMs;
        return settings;
    }

    // Starts the application and runs the script inside its message loop; then closes the
    // window unless the script did. Returns the start sequence's exit code.
    int runApp(const std::function<void(const Ui&)>& script, const ApplicationSettings& settings) {
        Application application(services.platform(), steps, settings);
        QTimer::singleShot(0, [&] {
            const Ui ui = findUi();
            if (ui.window == nullptr || ui.list == nullptr || ui.viewer == nullptr) {
                ADD_FAILURE() << "the main window or a control cannot be found";
                QApplication::closeAllWindows();
                return;
            }
            script(ui);
            if (ui.window->isVisible()) {
                ui.window->close();
            }
        });
        return application.run();
    }
    int runApp(const std::function<void(const Ui&)>& script) {
        return runApp(script, settingsFor(server.baseUrl()));
    }

    DesktopPageServer server{{{kHotArticlesPath, fixturePage("hotlist_30.html")},
                              {kHotWordsPath, fixturePage("hotlist_words.html")},
                              {kVideosPath, fixturePage("hotlist_videos.html")}}};
    RecordingShell shell;
    LinuxPlatformServices services{&shell};
    PlatformCollectionSteps steps{services.platform()};
    BoxDismisser boxes;
};

std::set<std::string> headerNamesWithoutHost(const testing::ReceivedRequest& request) {
    std::set<std::string> names;
    for (const std::string& line : request.headers) {
        std::string header = line.substr(0, line.find(':'));
        std::transform(header.begin(), header.end(), header.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (header != "host") {
            names.insert(header);
        }
    }
    return names;
}

TEST_F(DesktopWindowTest, StartsCentredWithTheCommunityPageOpenedBeforeTheFirstShow) {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const int code = runApp([&](const Ui& ui) {
        EXPECT_EQ(ui.window->frameGeometry().topLeft(),
                  QPoint((screen.width() - 918) / 2, (screen.height() - 577) / 2));
        EXPECT_EQ(ui.window->windowTitle(), name(app_texts::windowTitle));
        EXPECT_EQ(ui.window->minimumSize(), QSize(912, 543));
        EXPECT_EQ(ui.window->maximumSize(), QSize(912, 543));
        const Qt::WindowFlags flags = ui.window->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_FALSE(ui.window->isMaximized() || ui.window->isMinimized());
        EXPECT_EQ(ui.rows(), 0);
        EXPECT_EQ(ui.list->selectedRowIndex(), -1);
        EXPECT_EQ(ui.list->cellText(-1, 1), Text());
    });
    EXPECT_EQ(code, 0);
    EXPECT_THAT(shell.opened, ElementsAre(Text("https://community.test/?_wv=1027&k=Zx81Qa7p")));
    EXPECT_FALSE(shell.anyWindowVisible);
}

TEST_F(DesktopWindowTest, ControlsSitAtTheirPlacesWithTheirNamesAndTexts) {
    runApp([&](const Ui& ui) {
        const MainWindowDefinition d = mainWindowDefinition({1280, 800});
        auto geometry = [](const Geometry& g) { return QRect(g.left, g.top, g.width, g.height); };
        for (std::size_t i = 0; i < 3; ++i) {
            ASSERT_NE(ui.buttons[i], nullptr);
            EXPECT_EQ(ui.buttons[i]->geometry(), geometry(d.buttons[i].control.geometry));
            EXPECT_EQ(ui.buttons[i]->text(), name(d.buttons[i].text));
        }
        EXPECT_EQ(ui.list->geometry(), QRect(0, 41, 352, 487));
        EXPECT_EQ(ui.viewer->geometry(), QRect(354, 3, 558, 525));
        auto* bar = ui.window->findChild<QWidget*>(name(app_texts::statusBarName));
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->geometry(), QRect(0, 523, 912, 20));
        const QRect panes[] = {{0, 0, 200, 20}, {200, 0, 500, 20}, {700, 0, 300, 20}};
        for (int i = 0; i < 3; ++i) {
            auto* pane = bar->findChild<QLabel*>(QStringLiteral("pane%1").arg(i + 1));
            ASSERT_NE(pane, nullptr);
            EXPECT_EQ(pane->geometry(), panes[i]);
            EXPECT_EQ(pane->text(), name(d.statusPaneTexts[static_cast<std::size_t>(i)]));
        }
        auto* timer = ui.window->findChild<QTimer*>(name(app_texts::timerName));
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 300000);

        const QHeaderView* header = ui.list->horizontalHeader();
        const int widths[] = {50, 100, 100, 100};
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(header->sectionSize(column), widths[column]);
            EXPECT_EQ(ui.list->model()->headerData(column, Qt::Horizontal).toString(),
                      name(d.columns[static_cast<std::size_t>(column)].header));
        }
        EXPECT_FALSE(ui.list->verticalHeader()->isVisible());
        EXPECT_FALSE(ui.list->showGrid());
        EXPECT_FALSE(ui.list->isSortingEnabled());
        EXPECT_EQ(ui.list->selectionMode(), QAbstractItemView::SingleSelection);
        EXPECT_EQ(ui.list->selectionBehavior(), QAbstractItemView::SelectRows);

        std::vector<QWidget*> chain{ui.buttons[0]};
        for (int i = 0; i < 4; ++i) {
            chain.push_back(chain.back()->nextInFocusChain());
            while (chain.back()->focusPolicy() == Qt::NoFocus) {
                chain.back() = chain.back()->nextInFocusChain();
            }
        }
        EXPECT_THAT(chain,
                    ElementsAre(ui.buttons[0], ui.buttons[1], ui.buttons[2],
                                static_cast<QWidget*>(ui.list), static_cast<QWidget*>(ui.viewer)));
    });
}

TEST_F(DesktopWindowTest, EachButtonFetchesItsPageWithTheFourDefaultHeadersAndFillsRows) {
    struct Case {
        int button;
        const char* path;
        int rows;
        const char* firstLinkPath;
    };
    const Case cases[] = {{1, kHotArticlesPath, 30, "/n/a01x037"},
                          {2, kHotWordsPath, 4, "/n/w01"},
                          {3, kVideosPath, 3, "/n/v01"}};
    for (const Case& c : cases) {
        const std::size_t before = server.requests().size();
        runApp([&](const Ui& ui) {
            ui.click(c.button);
            ASSERT_EQ(ui.rows(), c.rows) << c.path;
            for (int row = 0; row < c.rows; ++row) {
                EXPECT_EQ(ui.cell(row, 0), std::to_string(row + 1)) << c.path;
            }
            EXPECT_EQ(ui.cell(0, 1), server.baseUrl() + c.firstLinkPath);
            const QRect last = ui.list->visualRect(ui.list->model()->index(c.rows - 1, 0));
            EXPECT_TRUE(ui.list->viewport()->rect().contains(last))
                << "the list ends scrolled to its last row: " << last.y() << "+" << last.height()
                << " in " << ui.list->viewport()->height();
        });
        const auto requests = server.requests();
        ASSERT_EQ(requests.size(), before + 1) << c.path;
        EXPECT_EQ(requests.back().method, "GET");
        EXPECT_EQ(requests.back().path, c.path);
        EXPECT_EQ(headerNamesWithoutHost(requests.back()),
                  (std::set<std::string>{"accept", "referer", "accept-language", "user-agent"}));
    }
}

TEST_F(DesktopWindowTest, HotArticlesCarryLinkTitleAndReadersAndASecondClickAppends) {
    runApp([&](const Ui& ui) {
        ui.click(1);
        ui.click(1);
        ASSERT_EQ(ui.rows(), 60);
        EXPECT_EQ(ui.cell(30, 0), "31");
        EXPECT_EQ(ui.cell(59, 0), "60");
        for (int row : {0, 30}) {
            EXPECT_EQ(ui.cell(row, 1), server.baseUrl() + "/n/a01x037");
            EXPECT_EQ(ui.cell(row, 2), kFirstHotTitle);
            EXPECT_EQ(ui.cell(row, 3), kTenThousandPlus);
        }
        EXPECT_EQ(ui.cell(6, 1), server.baseUrl()) << "an empty href leaves the base alone";
        EXPECT_EQ(ui.cell(29, 1), server.baseUrl() + "/n/a30x110");
    });
}

TEST_F(DesktopWindowTest, ATimerTickCollectsTheVideosPage) {
    runApp(
        [&](const Ui& ui) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return ui.rows() >= 3; }, 10000));
            EXPECT_EQ(ui.cell(0, 1), server.baseUrl() + "/n/v01");
            for (const auto& request : server.requests()) {
                EXPECT_EQ(request.path, kVideosPath);
            }
        },
        settingsFor(server.baseUrl(), 200));
}

TEST_F(DesktopWindowTest, TicksMissedWhileTheThreadIsBlockedDoNotPileUp) {
    runApp(
        [&](const Ui& ui) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return ui.rows() >= 3; }, 10000));
            ui.window->findChild<QTimer*>(name(app_texts::timerName))->setInterval(400);
            QTest::qWait(100);
            const int fetchesBefore = server.requestCount(kVideosPath);
            std::this_thread::sleep_for(std::chrono::milliseconds(2000));
            QTest::qWait(250);
            EXPECT_EQ(server.requestCount(kVideosPath), fetchesBefore + 1);
        },
        settingsFor(server.baseUrl(), 150));
}

TEST_F(DesktopWindowTest, NoMatchOrFailedFetchShowsTheStopBoxAndAddsNoRow) {
    struct Case {
        const char* name;
        std::string baseUrl;
    };
    server.setPage(kHotWordsPath, fixturePage("hotlist_empty.html"));
    const Case cases[] = {{"page without entries", server.baseUrl()},
                          {"nothing listening", "http://127.0.0.1:1"}};
    for (const Case& c : cases) {
        boxes.seen.clear();
        runApp(
            [&](const Ui& ui) {
                ui.click(2);
                EXPECT_EQ(ui.rows(), 0) << c.name;
            },
            settingsFor(c.baseUrl));
        ASSERT_EQ(boxes.seen.size(), 1U) << c.name;
        EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
        EXPECT_EQ(boxes.seen[0].title, name(app_texts::defaultCaption));
        EXPECT_EQ(boxes.seen[0].text, name(app_texts::noMatch));
        EXPECT_EQ(boxes.seen[0].parent, nullptr);
    }
}

TEST_F(DesktopWindowTest, AnExpressionWithoutGroupsGivesAnOwnedBoxAndAnEmptyRowPerMatch) {
    ApplicationSettings settings = settingsFor(server.baseUrl());
    settings.extractionPattern = R"(<td class="al">)";
    QWidget* window = nullptr;
    bool clickedDuringBox = false;
    runApp(
        [&](const Ui& ui) {
            window = ui.window;
            QTimer probe;
            QObject::connect(&probe, &QTimer::timeout, [&] {
                if (!clickedDuringBox && QApplication::activeModalWidget() != nullptr) {
                    clickedDuringBox = true;
                    QWindow* frame = ui.window->windowHandle();
                    const QPoint centre = ui.buttons[0]->geometry().center();
                    QTest::mouseClick(frame, Qt::LeftButton, {}, centre);
                }
            });
            probe.start(1);
            ui.click(3);
            ASSERT_EQ(ui.rows(), 3);
            for (int row = 0; row < 3; ++row) {
                EXPECT_EQ(ui.cell(row, 0), "");
                EXPECT_EQ(ui.cell(row, 1), "");
            }
        },
        settings);
    ASSERT_EQ(boxes.seen.size(), 3U);
    for (const SeenBox& box : boxes.seen) {
        EXPECT_EQ(box.icon, QMessageBox::Information);
        EXPECT_EQ(box.title, name(app_texts::noticeCaption));
        EXPECT_EQ(box.text, name(app_texts::noGroups));
        EXPECT_EQ(box.parent, window);
    }
    EXPECT_TRUE(clickedDuringBox);
    EXPECT_EQ(server.requestCount(kHotArticlesPath), 0)
        << "the window takes no clicks while a box is open";
}

TEST_F(DesktopWindowTest, AClickDuringAPauseRunsNestedBetweenTheOuterRows) {
    runApp([&](const Ui& ui) {
        QTimer::singleShot(40, [&] { ui.click(2); });
        ui.click(1);
        ASSERT_EQ(ui.rows(), 34);
        std::vector<int> wordRows;
        for (int row = 0; row < 34; ++row) {
            EXPECT_EQ(ui.cell(row, 0), std::to_string(row + 1));
            if (ui.cell(row, 2).starts_with(kHotWordPrefix)) {
                wordRows.push_back(row);
            }
        }
        ASSERT_EQ(wordRows.size(), 4U);
        EXPECT_EQ(wordRows.back() - wordRows.front(), 3) << "the nested rows stay together";
        EXPECT_GT(wordRows.front(), 0);
        EXPECT_LT(wordRows.back(), 33);
    });
}

TEST_F(DesktopWindowTest, ClosingTheWindowDuringAPauseEndsTheRunAndTheProgram) {
    int rowsAtClose = -1;
    int rowsAfterRun = -1;
    const int code = runApp([&](const Ui& ui) {
        QTimer::singleShot(60, [&] {
            rowsAtClose = ui.rows();
            ui.window->close();
        });
        ui.click(1);
        rowsAfterRun = ui.rows();
    });
    EXPECT_EQ(code, 0);
    EXPECT_GT(rowsAtClose, 0);
    EXPECT_LT(rowsAtClose, 30);
    EXPECT_EQ(rowsAfterRun, rowsAtClose);
}

TEST_F(DesktopWindowTest, AClickOnARowLoadsItsLinkAndKeyboardSelectionDoesNot) {
    runApp([&](const Ui& ui) {
        ui.click(2);
        ui.clickRow(2);
        EXPECT_EQ(ui.list->selectedRowIndex(), 2);
        EXPECT_EQ(ui.viewer->address(), Text(server.baseUrl() + "/n/w03"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.requestCount("/n/w03") == 1; }, 20000));

        ui.list->setFocus();
        QTest::keyClick(ui.list, Qt::Key_Down);
        EXPECT_EQ(ui.list->selectedRowIndex(), 3);
        QTest::qWait(1500);
        EXPECT_EQ(server.requestCount("/n/w04"), 0);
        EXPECT_EQ(ui.viewer->address(), Text(server.baseUrl() + "/n/w03"));

        const QHeaderView* header = ui.list->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionPosition(2) + 10, header->height() / 2));
        EXPECT_EQ(ui.cell(0, 1), server.baseUrl() + "/n/w01") << "no sorting";
        EXPECT_EQ(ui.viewer->address(), Text(server.baseUrl() + "/n/w03"));

        ui.clickRow(3);
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.requestCount("/n/w04") == 1; }, 20000));
        ui.clickRow(3);
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.requestCount("/n/w04") == 2; }, 20000))
            << "every click loads the page again";

        const QPoint firstRow = ui.list->visualRect(ui.list->model()->index(0, 1)).center();
        QTest::mouseClick(ui.list->viewport(), Qt::RightButton, {}, firstRow);
        EXPECT_EQ(ui.viewer->address(), Text(server.baseUrl() + "/n/w04")) << "right click";
        doubleClick(ui.list->viewport(), firstRow);
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.requestCount("/n/w01") == 1; }, 20000));
        QTest::qWait(1500);
        EXPECT_EQ(server.requestCount("/n/w01"), 1) << "a double click navigates once";
    });
}

TEST_F(DesktopWindowTest, AClickBelowTheRowsWithNoSelectionPassesTheEmptyAddress) {
    runApp([&](const Ui& ui) {
        ui.click(3);
        ui.clickRow(0);
        ASSERT_EQ(ui.viewer->address(), Text(server.baseUrl() + "/n/v01"));
        ui.list->clearSelection();
        QTest::mouseClick(ui.list->viewport(), Qt::LeftButton, {},
                          QPoint(20, ui.list->viewport()->height() - 5));
        EXPECT_EQ(ui.list->selectedRowIndex(), -1);
        EXPECT_EQ(ui.viewer->address(), Text());
    });
}

TEST_F(DesktopWindowTest, SavesAScreenshotOfTheFilledWindow) {
    server.setPage("/n/a03x111",
                   "<html><body style='font-family:sans-serif'><h2>Article a03x111</h2>"
                   "<p>The page of the third hot article, loaded by the viewer.</p></body></html>");
    runApp([&](const Ui& ui) {
        ui.click(1);
        ui.clickRow(2);
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.requestCount("/n/a03x111") > 0; }, 20000));
        QTest::qWait(1000);
        const QPixmap shot = ui.window->grab();
        EXPECT_EQ(shot.size(), QSize(912, 543));
        QDir().mkpath(QFileInfo(HOTLIST_SCREENSHOT_PATH).absolutePath());
        EXPECT_TRUE(shot.save(HOTLIST_SCREENSHOT_PATH));
    });
}

class ArticleTableViewTest : public ::testing::Test {
  protected:
    IconvCodePageConverter converter;
    ArticleTableView list{converter, mainWindowDefinition({1280, 800}).columns};
};

TEST_F(ArticleTableViewTest, RowsAppendAtTheEndAndCellsReadBackWhole) {
    EXPECT_EQ(list.appendRow(), 0);
    EXPECT_EQ(list.appendRow(), 1);
    EXPECT_EQ(list.appendRow(), 2);
    const Text long600(std::string(300, 'a') + std::string(150, '\xc8') + std::string(150, '\xc8'));
    list.setCellText(1, 2, long600);
    EXPECT_EQ(list.cellText(1, 2).length(), 600);
    EXPECT_EQ(list.cellText(1, 2), long600);
    list.setCellText(2, 3, "x");
    list.setCellText(2, 3, Text());
    EXPECT_EQ(list.cellText(2, 3), Text());
    EXPECT_EQ(list.selectedRowIndex(), -1);
}

TEST_F(ArticleTableViewTest, CellsOutsideTheListAreEmptyAndCannotBeWritten) {
    list.appendRow();
    list.setCellText(0, 0, "kept");
    const std::pair<int, int> outside[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 4}, {1000, 1}};
    for (const auto& [row, column] : outside) {
        list.setCellText(row, column, "lost");
        list.ensureRowVisible(row);
        EXPECT_EQ(list.cellText(row, column), Text()) << row << "," << column;
    }
    EXPECT_EQ(list.model()->rowCount(), 1);
    EXPECT_EQ(list.cellText(0, 0), Text("kept"));
}

TEST_F(ArticleTableViewTest, EnsureRowVisibleBringsTheWholeRowIntoView) {
    list.resize(352, 487);
    list.show();
    for (int i = 0; i < 200; ++i) {
        list.setCellText(list.appendRow(), 0, numberToText(i + 1.0));
    }
    for (int row : {199, 0, 120, 121, 60}) {
        list.ensureRowVisible(row);
        QCoreApplication::processEvents();
        const QRect shown = list.visualRect(list.model()->index(row, 0));
        EXPECT_TRUE(list.viewport()->rect().contains(shown))
            << "row " << row << " at " << shown.y() << "+" << shown.height() << " in "
            << list.viewport()->height() << " value " << list.verticalScrollBar()->value();
    }
}

}  // namespace
}  // namespace hotlist

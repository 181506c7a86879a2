#include "app/application.h"

#include <optional>
#include <utility>

#include "app/main_window_definition.h"
#include "app_texts.h"
#include "text/fatal_stop.h"

namespace hotlist {
namespace {

// OLE for the lifetime of the start sequence, uninitialised last.
class OleSession {
  public:
    explicit OleSession(ProcessSetup& process) : process_(process) { process_.initialiseOle(); }
    ~OleSession() { process_.uninitialiseOle(); }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

  private:
    ProcessSetup& process_;
};

// The exit step: runs when the start sequence returns normally. The fatal stop ends the
// process without unwinding, so it skips this.
class ExitStep {
  public:
    explicit ExitStep(SkinHooks& skin) : skin_(skin) {}
    ~ExitStep() { skin_.releaseSkinLibraryPath(); }
    ExitStep(const ExitStep&) = delete;
    ExitStep& operator=(const ExitStep&) = delete;

  private:
    SkinHooks& skin_;
};

// The busy cursor while the GUI thread is blocked in a fetch.
class BusyCursor {
  public:
    explicit BusyCursor(WindowSystem& windows) : windows_(windows) { windows_.setBusyCursor(true); }
    ~BusyCursor() { windows_.setBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    WindowSystem& windows_;
};

}  // namespace

Application::Application(Platform& platform, CollectionSteps& steps, ApplicationSettings settings)
    : platform_(platform), steps_(steps), settings_(std::move(settings)) {}

Application::~Application() = default;

// The window-created handler runs before the first show, so the skin is in place when the
// window appears.
int Application::run() {
    OleSession ole(platform_.process);
    platform_.process.setCurrentDirectory(runDirectory(platform_.files));
    ExitStep exitStep(platform_.skin);
    platform_.skin.locateSkinLibrary(Text());
    window_ = platform_.windows.createMainWindow(
        mainWindowDefinition(platform_.windows.primaryScreenSize(), settings_.timerPeriodMs),
        *this);
    if (!window_) {
        fatalStop(std::nullopt, app_texts::windowCreateFailed);
    }
    onWindowCreated();
    window_->show();
    platform_.windows.runMessageLoop();
    window_.reset();
    return 0;
}

void Application::onWindowCreated() {
    platform_.skin.attachEmbeddedSkin();
    platform_.shell.openInBrowser(settings_.communityPageUrl);
}

void Application::collectionRun(const Text& pageUrl) {
    Text page;
    {
        BusyCursor busy(platform_.windows);
        page = steps_.fetchPage(pageUrl);
    }
    appendArticles(page);
}

// Every pause and every box dispatches events: a nested run may append rows meanwhile and
// the user may close the window, so the list is only touched while the window lives.
void Application::appendArticles(const Text& page) {
    std::unique_ptr<ArticleMatches> matches =
        steps_.matchArticles(settings_.extractionPattern, page);
    if (!matches || !matches->created()) {
        platform_.windows.messageBox(app_texts::regexCreateFailed, app_texts::defaultCaption,
                                     kMessageBoxIconStop, nullptr);
        return;
    }
    const int count = matches->matchCount();
    if (count == 0) {
        platform_.windows.messageBox(app_texts::noMatch, app_texts::defaultCaption,
                                     kMessageBoxIconStop, nullptr);
        return;
    }
    const int groups = matches->subMatchCount();
    for (int match = 1; match <= count; ++match) {
        if (!windowAlive()) {
            return;
        }
        lastInsertedRow_ = window_->articleList().appendRow();
        if (groups < 1) {
            platform_.windows.messageBox(app_texts::noGroups, app_texts::noticeCaption,
                                         kMessageBoxIconInformation, window_.get());
            if (!windowAlive()) {
                return;
            }
        } else {
            writeRow(lastInsertedRow_, *matches, match);
        }
        steps_.pauseBetweenRows();
    }
}

// Column 0 comes from the index appendRow has just returned, so ids stay equal to the
// rows' positions even when nested runs interleave their rows.
void Application::writeRow(int row, ArticleMatches& matches, int match) {
    ArticleListView& list = window_->articleList();
    list.setCellText(row, 0, numberToText(static_cast<double>(row) + 1.0));
    list.setCellText(row, 1,
                     concatText(settings_.aggregatorBaseUrl, matches.subMatchText(match, 1)));
    list.setCellText(row, 2, matches.subMatchText(match, 2));
    list.setCellText(row, 3, matches.subMatchText(match, 3));
    list.ensureRowVisible(row);
}

void Application::showSelectedArticle() {
    if (!windowAlive()) {
        return;
    }
    ArticleListView& list = window_->articleList();
    const Text link = list.cellText(list.selectedRowIndex(), 1);
    window_->articleViewer().navigate(link);
}

Text Application::pageUrl(const char* path) const {
    return concatText(settings_.aggregatorBaseUrl, path);
}

void Application::onButtonClicked(int button) {
    switch (button) {
        case 1:
            collectionRun(pageUrl(kHotArticlesPath));
            break;
        case 2:
            collectionRun(pageUrl(kHotWordsPath));
            break;
        case 3:
            collectionRun(pageUrl(kVideosPath));
            break;
        default:
            break;
    }
}

void Application::onTimerTick() {
    collectionRun(pageUrl(kVideosPath));
}

void Application::onListLeftClick() {
    showSelectedArticle();
}

void Application::onBeforeNavigate(const Text& /*address*/) {}

void Application::onDestroyed() {
    windowDestroyed_ = true;
}

}  // namespace hotlist

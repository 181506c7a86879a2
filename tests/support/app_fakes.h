#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/collection_steps.h"
#include "app/platform.h"
#include "call_log.h"

namespace hotlist {

// Shows texts in failure messages as their bytes rather than as an object dump.
inline void PrintTo(const Text& text, std::ostream* out) {
    *out << '"' << text.view() << '"';
}

}  // namespace hotlist

namespace hotlist::testing {

// The fakes log what they did, in order, as short words ("create", "show", "box" ...).
using hotlist::CallLog;

class FakeList final : public ArticleListView {
  public:
    int appendRow() override {
        noteTouch();
        rows.push_back({});
        return static_cast<int>(rows.size()) - 1;
    }
    void setCellText(int row, int column, const Text& text) override {
        noteTouch();
        if (row >= 0 && row < static_cast<int>(rows.size()) && column >= 0 && column < 4) {
            rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
        }
    }
    void ensureRowVisible(int row) override {
        noteTouch();
        lastVisibleRow = row;
    }
    int selectedRowIndex() override {
        noteTouch();
        return selected;
    }
    Text cellText(int row, int column) override {
        if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 || column > 3) {
            return {};
        }
        return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }

    std::vector<std::array<Text, 4>> rows;
    int selected = -1;
    int lastVisibleRow = -1;
    // Set when the test destroys the window; every later call counts as a fault.
    bool destroyed = false;
    int touchesAfterDestroy = 0;

  private:
    void noteTouch() {
        if (destroyed) {
            ++touchesAfterDestroy;
        }
    }
};

class FakeViewer final : public HtmlView {
  public:
    void navigate(const Text& address) override { addresses.push_back(address); }
    std::vector<Text> addresses;
};

// The list and viewer belong to the window system, so tests can read them after the
// application has destroyed its window.
class FakeMainWindow final : public NativeMainWindow {
  public:
    FakeMainWindow(CallLog& log, FakeList& list, FakeViewer& viewer)
        : log_(log), list_(list), viewer_(viewer) {}
    ArticleListView& articleList() override { return list_; }
    HtmlView& articleViewer() override { return viewer_; }
    void show() override { log_.push_back("show"); }

  private:
    CallLog& log_;
    FakeList& list_;
    FakeViewer& viewer_;
};

struct ShownBox {
    Text text;
    Text caption;
    int style = 0;
    NativeMainWindow* owner = nullptr;
};

// The window system of the tests: the message loop and each box run scripted user actions.
class FakeWindowSystem final : public WindowSystem {
  public:
    explicit FakeWindowSystem(CallLog& log) : log_(log) {}

    ScreenSize primaryScreenSize() override { return screen; }
    std::unique_ptr<NativeMainWindow> createMainWindow(const MainWindowDefinition& definition,
                                                       MainWindowEvents& windowEvents) override {
        log_.push_back("create");
        createdWith = definition;
        if (refuseWindow) {
            return nullptr;
        }
        events = &windowEvents;
        auto made = std::make_unique<FakeMainWindow>(log_, list, viewer);
        window = made.get();
        return made;
    }
    void runMessageLoop() override {
        log_.push_back("loop");
        if (userActions) {
            userActions();
        }
    }
    void messageBox(const Text& text, const Text& caption, int style,
                    NativeMainWindow* owner) override {
        log_.push_back("box");
        boxes.push_back({text, caption, style, owner});
        if (whileBoxOpen) {
            whileBoxOpen();
        }
    }
    void setBusyCursor(bool busy) override { log_.push_back(busy ? "busy" : "idle"); }

    ScreenSize screen{1280, 800};
    bool refuseWindow = false;
    MainWindowDefinition createdWith;
    MainWindowEvents* events = nullptr;
    // Only for comparing with a box's owner: the application destroys the window.
    NativeMainWindow* window = nullptr;
    FakeList list;
    FakeViewer viewer;
    std::function<void()> userActions;
    std::function<void()> whileBoxOpen;
    std::vector<ShownBox> boxes;

  private:
    CallLog& log_;
};

class FakeShell final : public Shell {
  public:
    explicit FakeShell(CallLog& log) : log_(log) {}
    void openInBrowser(const Text& address) override {
        log_.push_back("browser");
        opened.push_back(address);
    }
    std::vector<Text> opened;

  private:
    CallLog& log_;
};

class FakeSkinHooks final : public SkinHooks {
  public:
    explicit FakeSkinHooks(CallLog& log) : log_(log) {}
    void locateSkinLibrary(const Text& path) override {
        log_.push_back(path.empty() ? "locate" : "locate:" + std::string(path.view()));
    }
    bool attachEmbeddedSkin() override {
        log_.push_back("attach");
        return true;
    }
    void releaseSkinLibraryPath() override {
        log_.push_back("release");
        ++releases;
    }
    int releases = 0;

  private:
    CallLog& log_;
};

class FakeProcessSetup final : public ProcessSetup {
  public:
    explicit FakeProcessSetup(CallLog& log) : log_(log) {}
    void initialiseOle() override { log_.push_back("ole"); }
    void uninitialiseOle() override { log_.push_back("ole-end"); }
    void setCurrentDirectory(const Text& directory) override {
        log_.push_back("cd:" + std::string(directory.view()));
    }

  private:
    CallLog& log_;
};

class FakeFileSystem final : public FileSystem {
  public:
    bool findFirstFile(const Text& /*pattern*/) override { return false; }
    Text executablePath() override { return "/opt/hotlist/hotlist"; }
    [[nodiscard]] char pathSeparator() const override { return '/'; }
};

// Platform services the application core only hands on; none of them is called here.
class UnusedServices final : public ComLibrary, public CodePageConverter, public MessagePump {
  public:
    void CoInitialize() override {}
    void CoUninitialize() override {}
    int MultiByteToWideChar(unsigned /*codePage*/, const char* /*input*/, char16_t* /*output*/,
                            int /*outputUnits*/) override {
        return 0;
    }
    int WideCharToMultiByte(unsigned /*codePage*/, const char16_t* /*input*/, char* /*output*/,
                            int /*outputBytes*/) override {
        return 0;
    }
    void pumpUntilDue(std::int64_t /*dueTime*/) override {}
};

class NoHttpRequests final : public HttpRequestFactory {
  public:
    std::shared_ptr<HttpRequestObject> create() override { return nullptr; }
};

class NoRegExps final : public RegExpFactory {
  public:
    std::unique_ptr<RegExpObject> create() override { return nullptr; }
};

// Matches given as rows of group texts; `created` false stands for a rejected expression.
class FakeMatches final : public ArticleMatches {
  public:
    FakeMatches(bool created, std::vector<std::vector<Text>> matches)
        : created_(created), matches_(std::move(matches)) {}
    [[nodiscard]] bool created() const override { return created_; }
    int matchCount() override { return static_cast<int>(matches_.size()); }
    int subMatchCount() override {
        return matches_.empty() ? 0 : static_cast<int>(matches_.front().size());
    }
    Text subMatchText(int match, int group) override {
        const auto& groups = matches_.at(static_cast<std::size_t>(match - 1));
        if (group < 1 || group > static_cast<int>(groups.size())) {
            return {};
        }
        return groups[static_cast<std::size_t>(group - 1)];
    }

  private:
    bool created_;
    std::vector<std::vector<Text>> matches_;
};

// Pages by URL, each given directly as its matches; the pause runs a scripted action.
class FakeCollectionSteps final : public CollectionSteps {
  public:
    explicit FakeCollectionSteps(CallLog& log) : log_(log) {}
    Text fetchPage(const Text& url) override {
        log_.push_back("fetch:" + std::string(url.view()));
        fetched.push_back(url);
        return url;
    }
    std::unique_ptr<ArticleMatches> matchArticles(const Text& pattern, const Text& page) override {
        patterns.push_back(pattern);
        const auto found = pages.find(std::string(page.view()));
        if (found == pages.end()) {
            return std::make_unique<FakeMatches>(expressionAccepted,
                                                 std::vector<std::vector<Text>>{});
        }
        return std::make_unique<FakeMatches>(expressionAccepted, found->second);
    }
    void pauseBetweenRows() override {
        ++pauses;
        if (onPause) {
            auto action = std::move(onPause);
            onPause = nullptr;
            action();
        }
    }

    std::map<std::string, std::vector<std::vector<Text>>> pages;
    bool expressionAccepted = true;
    std::vector<Text> fetched;
    std::vector<Text> patterns;
    int pauses = 0;
    // Runs once, inside the next pause.
    std::function<void()> onPause;

  private:
    CallLog& log_;
};

}  // namespace hotlist::testing

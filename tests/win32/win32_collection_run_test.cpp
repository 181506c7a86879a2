#include <windows.h>
// The system headers below build on windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/platform_collection_steps.h"
#include "file_bytes.h"
#include "gui/win32_main_window.h"
#include "gui/win32_platform_services.h"
#include "gui_harness.h"
#include "loopback_exchange.h"

namespace hotlist {
namespace {

// Passes everything to the real window system and keeps an eye on the main window: its
// events are recorded on the way to the application.
class ObservedWindowSystem final : public WindowSystem, public MainWindowEvents {
  public:
    explicit ObservedWindowSystem(WindowSystem& inner) : inner_(inner) {}

    ScreenSize primaryScreenSize() override { return inner_.primaryScreenSize(); }
    std::unique_ptr<NativeMainWindow> createMainWindow(const MainWindowDefinition& definition,
                                                       MainWindowEvents& events) override {
        application_ = &events;
        auto window = inner_.createMainWindow(definition, *this);
        window_ = dynamic_cast<Win32MainWindow*>(window.get());
        return window;
    }
    void runMessageLoop() override { inner_.runMessageLoop(); }
    void messageBox(const Text& text, const Text& caption, int style,
                    NativeMainWindow* owner) override {
        boxes.push_back(std::string(text.view()));
        inner_.messageBox(text, caption, style, owner);
    }

    void onButtonClicked(int button) override { application_->onButtonClicked(button); }
    void onTimerTick() override { application_->onTimerTick(); }
    void onListLeftClick() override { application_->onListLeftClick(); }
    void onBeforeNavigate(const Text& address) override {
        navigations.push_back(std::string(address.view()));
        application_->onBeforeNavigate(address);
    }
    void onDestroyed() override {
        window_ = nullptr;
        application_->onDestroyed();
    }

    [[nodiscard]] Win32MainWindow* window() const { return window_; }

    std::vector<std::string> navigations;
    std::vector<std::string> boxes;

  private:
    WindowSystem& inner_;
    MainWindowEvents* application_ = nullptr;
    Win32MainWindow* window_ = nullptr;
};

class RecordingShell final : public Shell {
  public:
    void openInBrowser(const Text& address) override {
        HWND main = FindWindowW(L"HotlistMainWindow", nullptr);
        opened.push_back({std::string(address.view()), main != nullptr && IsWindowVisible(main)});
    }
    struct Opened {
        std::string address;
        bool windowVisible;
    };
    std::vector<Opened> opened;
};

// Steps of a scripted session, each run from a thread timer once its condition holds; the
// timer keeps firing inside the run's pauses, so a step never waits for the run to end.
class Script {
  public:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    explicit Script(std::vector<Step> steps) : steps_(std::move(steps)) {
        current() = this;
        timer_ = SetTimer(nullptr, 0, 30, &Script::onTimer);
        deadline_ = GetTickCount64() + 60000;
    }
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;
    ~Script() {
        KillTimer(nullptr, timer_);
        current() = nullptr;
    }
    [[nodiscard]] bool finished() const { return next_ == steps_.size(); }

  private:
    static Script*& current() {
        static Script* script = nullptr;
        return script;
    }
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
        Script* script = current();
        if (script == nullptr || script->busy_) {
            return;
        }
        script->busy_ = true;
        script->advance();
        script->busy_ = false;
    }
    void advance() {
        if (GetTickCount64() > deadline_) {
            PostMessageW(FindWindowW(L"HotlistMainWindow", nullptr), WM_CLOSE, 0, 0);
            return;
        }
        if (!finished() && steps_[next_].ready()) {
            steps_[next_++].act();
        }
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool busy_ = false;
    UINT_PTR timer_ = 0;
    ULONGLONG deadline_ = 0;
};

std::vector<std::string> fixtureLinks(const std::string& file) {
    const std::string text = fileBytes(std::filesystem::path(HOTLIST_FIXTURE_DIR) / file);
    const std::regex link(R"re(<td class="al"><a href="([^"]*)")re", std::regex::icase);
    std::vector<std::string> links;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), link);
         match != std::sregex_iterator(); ++match) {
        links.push_back((*match)[1].str());
    }
    return links;
}

int rowCount(Win32MainWindow* window) {
    return window == nullptr
               ? 0
               : static_cast<int>(SendMessageW(window->list().handle(), LVM_GETITEMCOUNT, 0, 0));
}

// The program as shipped, minus the browser and the aggregator: a button collects the
// fixture page from the loopback server, a click shows a row, closing ends the run.
TEST(CollectionRunTest, ButtonFillsRowsFromThePageAndAClickNavigatesToTheRowsLink) {
    const LoopbackPorts ports = readLoopbackPorts(fixturePortsFile());
    if (ports.http == 0) {
        GTEST_SKIP() << "the loopback servers fixture is not running";
    }
    const std::vector<std::string> links = fixtureLinks("hotlist_30.html");
    ASSERT_FALSE(links.empty());
    const int expectedRows = static_cast<int>(links.size());

    RecordingShell shell;
    Win32PlatformServices services(&shell);
    ObservedWindowSystem windows(services.platform().windows);
    Platform& base = services.platform();
    Platform platform{base.com, base.http,  base.regExps, base.codePages, base.pump,
                      windows,  base.shell, base.files,   base.skin,      base.process};
    ApplicationSettings settings;
    const std::string baseUrl = loopbackUrl("http", ports.http, "");
    settings.aggregatorBaseUrl = Text(baseUrl);
    settings.communityPageUrl = "https://127.0.0.1/?_wv=1027&k=abcdefgh";
    PlatformCollectionSteps steps(platform);
    Application application(platform, steps, settings);

    std::vector<std::array<Text, 4>> rows;
    int selectedAtClick = -2;
    bool screenshotSaved = false;
    auto window = [&] { return windows.window(); };
    Script script({
        {[&] { return window() != nullptr && IsWindowVisible(window()->handle()); },
         [&] { PostMessageW(GetDlgItem(window()->handle(), 1), BM_CLICK, 0, 0); }},
        {[&] { return rowCount(window()) >= 3; },
         [&] {
             SetForegroundWindow(window()->handle());
             RECT bounds{};
             bounds.left = LVIR_LABEL;
             SendMessageW(window()->list().handle(), LVM_GETITEMRECT, 2,
                          reinterpret_cast<LPARAM>(&bounds));
             clickAt(window()->list().handle(),
                     {bounds.left + 10, (bounds.top + bounds.bottom) / 2});
         }},
        {[&] { return !windows.navigations.empty() && rowCount(window()) >= expectedRows; },
         [&] {
             selectedAtClick = window()->list().selectedRowIndex();
             for (int row = 0; row < rowCount(window()); ++row) {
                 std::array<Text, 4> cells;
                 for (int column = 0; column < 4; ++column) {
                     cells[static_cast<std::size_t>(column)] =
                         window()->list().cellText(row, column);
                 }
                 rows.push_back(cells);
             }
             std::filesystem::create_directories(
                 std::filesystem::path(HOTLIST_SCREENSHOT_PATH).parent_path());
             screenshotSaved = saveWindowBitmap(window()->handle(), HOTLIST_SCREENSHOT_PATH);
             PostMessageW(window()->handle(), WM_CLOSE, 0, 0);
         }},
    });

    EXPECT_EQ(application.run(), 0);
    ASSERT_TRUE(script.finished()) << "rows " << rows.size();
    EXPECT_TRUE(windows.boxes.empty()) << windows.boxes.front();

    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].address, "https://127.0.0.1/?_wv=1027&k=abcdefgh");
    EXPECT_FALSE(shell.opened[0].windowVisible) << "the page opens before the first show";

    ASSERT_EQ(static_cast<int>(rows.size()), expectedRows);
    for (int row = 0; row < expectedRows; ++row) {
        SCOPED_TRACE(row);
        const auto& cells = rows[static_cast<std::size_t>(row)];
        EXPECT_EQ(cells[0], Text(std::to_string(row + 1)));
        EXPECT_EQ(cells[1], Text(baseUrl + links[static_cast<std::size_t>(row)]));
        EXPECT_FALSE(cells[2].empty());
        EXPECT_FALSE(cells[3].empty());
    }
    EXPECT_EQ(selectedAtClick, 2);
    ASSERT_FALSE(windows.navigations.empty());
    EXPECT_EQ(windows.navigations.front(), std::string(rows[2][1].view()));
    EXPECT_TRUE(screenshotSaved);
}

}  // namespace
}  // namespace hotlist

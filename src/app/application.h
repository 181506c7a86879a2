#pragma once

#include <memory>

#include "app/collection_steps.h"
#include "app/constants.h"
#include "app/platform.h"
#include "app/window_system.h"

namespace hotlist {

// What the program builds in; tests point the addresses at their own server.
struct ApplicationSettings {
    Text aggregatorBaseUrl = hotlist::aggregatorBaseUrl();
    Text communityPageUrl = hotlist::communityPageUrl();
    Text extractionPattern = kExtractionPattern;
    int timerPeriodMs = kCollectionPeriodMs;
};

// The application shell: start sequence, collection runs and the article viewer.
class Application final : public MainWindowEvents {
  public:
    Application(Platform& platform, CollectionSteps& steps, ApplicationSettings settings = {});
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application() override;

    // The start sequence up to the end of the message loop; returns the exit code 0.
    int run();

    // Fetches the page and appends one row per article.
    void collectionRun(const Text& pageUrl);
    // Extracts the articles of a code page 936 page into the list.
    void appendArticles(const Text& page);
    // Shows the selected row's link in the viewer.
    void showSelectedArticle();

    void onButtonClicked(int button) override;
    void onTimerTick() override;
    void onListLeftClick() override;
    void onBeforeNavigate(const Text& address) override;
    void onDestroyed() override;

  private:
    void onWindowCreated();
    [[nodiscard]] bool windowAlive() const { return window_ != nullptr && !windowDestroyed_; }
    void writeRow(int row, ArticleMatches& matches, int match);
    Text pageUrl(const char* path) const;

    Platform& platform_;
    CollectionSteps& steps_;
    ApplicationSettings settings_;
    std::unique_ptr<NativeMainWindow> window_;
    bool windowDestroyed_ = false;
    int lastInsertedRow_ = 0;
};

}  // namespace hotlist

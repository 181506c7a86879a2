#pragma once

#include "app/collection_steps.h"
#include "app/platform.h"

namespace hotlist {

// The collection steps over the program's own routines: WebRequest, the code page
// conversion, RegexObject and delayWithEvents.
class PlatformCollectionSteps final : public CollectionSteps {
  public:
    explicit PlatformCollectionSteps(Platform& platform) : platform_(platform) {}

    Text fetchPage(const Text& url) override;
    std::unique_ptr<ArticleMatches> matchArticles(const Text& pattern, const Text& page) override;
    void pauseBetweenRows() override;

  private:
    Platform& platform_;
};

}  // namespace hotlist

#include "app/platform_collection_steps.h"

#include "text/code_page_conversion.h"
#include "text/delay.h"
#include "text/regex_object.h"
#include "web/web_request.h"

namespace hotlist {
namespace {

inline constexpr int kRowPauseMs = 10;

// One RegexObject per run: it holds COM and the match collection until the run ends.
class RegexArticleMatches final : public ArticleMatches {
  public:
    RegexArticleMatches(Platform& platform, const Text& pattern, const Text& page)
        : regex_(platform.regExps, platform.com) {
        created_ = regex_.create(pattern, page, /*caseSensitive=*/false, /*multiline=*/false,
                                 /*global=*/true, /*replaceQuoteMarker=*/true);
    }
    [[nodiscard]] bool created() const override { return created_; }
    int matchCount() override { return regex_.matchCount(); }
    int subMatchCount() override { return regex_.subMatchCount(); }
    Text subMatchText(int match, int group) override { return regex_.subMatchText(match, group); }

  private:
    RegexObject regex_;
    bool created_ = false;
};

}  // namespace

Text PlatformCollectionSteps::fetchPage(const Text& url) {
    const Bytes body = WebRequest(platform_.http, platform_.com, url, WebRequestOptions{});
    return utf8ToLocal(platform_.codePages, bytesToText(body));
}

std::unique_ptr<ArticleMatches> PlatformCollectionSteps::matchArticles(const Text& pattern,
                                                                       const Text& page) {
    return std::make_unique<RegexArticleMatches>(platform_, pattern, page);
}

void PlatformCollectionSteps::pauseBetweenRows() {
    delayWithEvents(platform_.pump, kRowPauseMs);
}

}  // namespace hotlist

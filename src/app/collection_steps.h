#pragma once

#include <memory>

#include "text/text.h"

namespace hotlist {

// The matches of one expression over one page; matches and groups are numbered from 1.
class ArticleMatches {
  public:
    virtual ~ArticleMatches() = default;
    // False when the expression could not be set up or run.
    [[nodiscard]] virtual bool created() const = 0;
    virtual int matchCount() = 0;
    // The groups of the first match; 0 when there is no match.
    virtual int subMatchCount() = 0;
    virtual Text subMatchText(int match, int group) = 0;
};

// The outside work a collection run calls on: fetch, match and the pause between rows.
class CollectionSteps {
  public:
    virtual ~CollectionSteps() = default;
    // GET of the page, its body taken as UTF-8 and converted to code page 936; empty on
    // failure.
    virtual Text fetchPage(const Text& url) = 0;
    // The expression run once over the page, case-insensitive and global.
    virtual std::unique_ptr<ArticleMatches> matchArticles(const Text& pattern,
                                                          const Text& page) = 0;
    // The short pause after each row, dispatching the window's events meanwhile.
    virtual void pauseBetweenRows() = 0;
};

}  // namespace hotlist

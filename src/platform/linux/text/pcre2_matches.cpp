#include "pcre2_matches.h"

#include <string_view>
#include <utility>

#include "pcre2_handles.h"
#include "wide_text.h"

namespace hotlist {

namespace {

// The text of entry `slot` (0 the whole match, then the groups) of one match.
Text slotText(const MatchTable& table, CodePageConverter& converter, int match, int slot) {
    const std::size_t base =
        2 * (static_cast<std::size_t>(match) * (static_cast<std::size_t>(table.groupCount) + 1) +
             static_cast<std::size_t>(slot));
    const std::size_t start = table.pairs[base];
    const std::size_t end = table.pairs[base + 1];
    if (start == PCRE2_UNSET || end <= start) {
        return {};
    }
    return wideToGbk(converter, std::u16string_view(table.subject).substr(start, end - start));
}

class Pcre2SubMatches : public RegExpSubMatches {
  public:
    Pcre2SubMatches(std::shared_ptr<const MatchTable> table, CodePageConverter& converter,
                    int match)
        : table_(std::move(table)), converter_(converter), match_(match) {}

    int Count() override { return table_->groupCount; }

    Text Item(int index0) override {
        if (index0 < 0 || index0 >= table_->groupCount) {
            return {};
        }
        return slotText(*table_, converter_, match_, index0 + 1);
    }

  private:
    std::shared_ptr<const MatchTable> table_;
    CodePageConverter& converter_;
    int match_;
};

class Pcre2Match : public RegExpMatch {
  public:
    Pcre2Match(std::shared_ptr<const MatchTable> table, CodePageConverter& converter, int match)
        : table_(std::move(table)), converter_(converter), match_(match) {}

    Text Value() override { return slotText(*table_, converter_, match_, 0); }

    std::unique_ptr<RegExpSubMatches> SubMatches() override {
        return std::make_unique<Pcre2SubMatches>(table_, converter_, match_);
    }

  private:
    std::shared_ptr<const MatchTable> table_;
    CodePageConverter& converter_;
    int match_;
};

}  // namespace

Pcre2MatchCollection::Pcre2MatchCollection(std::shared_ptr<const MatchTable> table,
                                           CodePageConverter& converter)
    : table_(std::move(table)), converter_(converter) {}

int Pcre2MatchCollection::Count() {
    return table_->matchCount();
}

std::unique_ptr<RegExpMatch> Pcre2MatchCollection::Item(int index0) {
    if (index0 < 0 || index0 >= table_->matchCount()) {
        return nullptr;
    }
    return std::make_unique<Pcre2Match>(table_, converter_, index0);
}

}  // namespace hotlist

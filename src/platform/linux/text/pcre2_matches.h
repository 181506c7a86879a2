#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "text/code_page_converter.h"
#include "text/regex_engine.h"

namespace hotlist {

// What one search found: the UTF-16 subject and, per match, the offset pairs of the whole
// match and of every group. Texts go back to code page 936 only when they are read.
struct MatchTable {
    std::u16string subject;
    int groupCount = 0;
    std::vector<std::size_t> pairs;

    [[nodiscard]] int matchCount() const {
        return static_cast<int>(pairs.size() / (2 * (static_cast<std::size_t>(groupCount) + 1)));
    }
};

// The match collection over one search's table; independent of the object that searched.
class Pcre2MatchCollection : public RegExpMatchCollection {
  public:
    Pcre2MatchCollection(std::shared_ptr<const MatchTable> table, CodePageConverter& converter);
    int Count() override;
    std::unique_ptr<RegExpMatch> Item(int index0) override;

  private:
    std::shared_ptr<const MatchTable> table_;
    CodePageConverter& converter_;
};

}  // namespace hotlist

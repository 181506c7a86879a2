#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

#include "pcre2_handles.h"

namespace hotlist {

// One compiled expression in the scripting dialect, with the match state its searches reuse.
class Pcre2Pattern {
  public:
    // Null when the expression does not compile.
    static std::unique_ptr<Pcre2Pattern> compile(std::u16string_view expression, bool ignoreCase,
                                                 bool multiline);

    [[nodiscard]] int groupCount() const { return groupCount_; }

    // Calls `onMatch` with the offset pairs (whole match, then each group) of every match
    // from left to right, or of the first only when not global. A search that runs into the
    // backtracking limit ends there, keeping the matches already reported.
    void search(std::u16string_view subject, bool global,
                const std::function<void(const std::size_t* pairs)>& onMatch);

  private:
    Pcre2Pattern() = default;

    Pcre2Code code_;
    Pcre2MatchData matchData_;
    Pcre2MatchContext matchContext_;
    Pcre2JitStack jitStack_;
    int groupCount_ = 0;
};

}  // namespace hotlist

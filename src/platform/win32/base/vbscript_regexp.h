#pragma once

#include <memory>

#include "text/regex_engine.h"

namespace hotlist {

// Regular-expression objects of the scripting engine (ProgID VBScript.RegExp), driven late-bound.
// COM must be initialised on the calling thread.
class VbscriptRegExpFactory final : public RegExpFactory {
  public:
    std::unique_ptr<RegExpObject> create() override;
};

}  // namespace hotlist

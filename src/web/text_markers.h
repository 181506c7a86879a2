#pragma once

#include "text/text.h"

namespace hotlist {

// The bytes before the separator; empty when it is absent. A start of 0 or above searches
// forwards from there (0 as 1); -1 searches backwards through the whole text, and -k for
// k >= 2 backwards ignoring the last k bytes. ignoreCase folds ASCII letters only.
Text textBefore(const Text& text, const Text& separator, int start = 0, bool ignoreCase = false);

// The bytes between the first `left` at or after start and the next `right`; empty when
// either is missing. In both markers the quote marker (texts::quoteMarker) stands for a
// double quote.
Text textBetween(const Text& text, const Text& left, const Text& right, int start = 0,
                 bool ignoreCase = false);

}  // namespace hotlist

#pragma once

#include "text/text.h"

namespace hotlist {

// The pieces of the text, each kept at its first occurrence only, joined by the separator.
// A non-zero mode splits at the separator; mode 0 splits into characters.
Text joinUnique(const Text& text, const Text& separator, int mode);

// Replaces `characters` with the text's characters (a double-byte character and CR LF are
// one piece each, a final lone byte is a piece of its own) and returns their count.
int splitCharacters(const Text& text, TextArray& characters);

// The 1-based index of the first element equal to the item, or -1.
int indexOfItem(const TextArray& items, const Text& item);

}  // namespace hotlist

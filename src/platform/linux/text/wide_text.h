#pragma once

#include <string>
#include <string_view>

#include "text/code_page_converter.h"
#include "text/text.h"

namespace hotlist {

// A code page 936 text as UTF-16; empty when the converter fails.
std::u16string gbkToWide(CodePageConverter& converter, const Text& text);

// UTF-16 back to code page 936; a unit without a code page 936 form becomes the converter's
// stand-in. Empty when the converter fails.
Text wideToGbk(CodePageConverter& converter, std::u16string_view wide);

}  // namespace hotlist

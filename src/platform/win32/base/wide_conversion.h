#pragma once

#include <string>

#include "text/text.h"

namespace hotlist {

// Conversions between texts in `codePage` and UTF-16, with the system's converters (flags 0).
std::wstring wideFromText(const Text& text, unsigned codePage);
// Stops at the first zero unit; a negative length reads up to it.
Text textFromWide(const wchar_t* wide, int length, unsigned codePage);

}  // namespace hotlist

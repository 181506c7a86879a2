#pragma once

#include <string>

#include "base/wide_conversion.h"

namespace hotlist {

// The program's texts are code page 936 whatever the system's ANSI code page is, so the
// window system is driven through the wide entry points with an explicit conversion.
inline constexpr unsigned kTextCodePage = 936;

inline std::wstring wideFromCodePageText(const Text& text) {
    return wideFromText(text, kTextCodePage);
}
// Stops at the first zero unit; a negative length reads up to it.
inline Text textFromWideUnits(const wchar_t* wide, int length = -1) {
    return textFromWide(wide, length, kTextCodePage);
}

}  // namespace hotlist

#pragma once

#include <cstddef>
#include <string_view>

namespace hotlist {

// Decodes UTF-8 to UTF-16, each maximal ill-formed subpart becoming one U+FFFD. Writes at
// most `capacity` units to `output` (nothing when it is null) and returns the units needed.
std::size_t utf8ToUtf16(std::string_view input, char16_t* output, std::size_t capacity);

// Encodes UTF-16 as UTF-8, a lone surrogate becoming U+FFFD. Writes at most `capacity` bytes
// to `output` (nothing when it is null) and returns the bytes needed.
std::size_t utf16ToUtf8(std::u16string_view input, char* output, std::size_t capacity);

}  // namespace hotlist

#pragma once

#include <cstddef>
#include <string_view>

namespace hotlist::walk {

// Bytes of the character starting at `at`: 1 below 0x80, else 2, or 1 for a lead byte with
// nothing after it (a lone lead byte, which ends every walk).
inline std::size_t charWidth(std::string_view text, std::size_t at) {
    if (static_cast<unsigned char>(text[at]) < 0x80 || at + 1 >= text.size()) {
        return 1;
    }
    return 2;
}

inline bool isLoneLeadByte(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 == text.size();
}

// Maps A-Z to a-z and leaves every other byte; never depends on a locale.
inline unsigned char foldAsciiLetter(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + 0x20) : byte;
}

// True when the bytes of `text` at `at` equal `sought`; the caller guarantees that they
// exist and that `sought` is not empty.
inline bool matchesAt(std::string_view text, std::size_t at, std::string_view sought,
                      bool ignoreCase) {
    if (!ignoreCase) {
        // The first byte rules out most places before a full comparison is made.
        return text[at] == sought.front() && text.compare(at, sought.size(), sought) == 0;
    }
    for (std::size_t i = 0; i < sought.size(); ++i) {
        if (foldAsciiLetter(static_cast<unsigned char>(text[at + i])) !=
            foldAsciiLetter(static_cast<unsigned char>(sought[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace hotlist::walk

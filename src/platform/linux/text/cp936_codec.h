#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/iconv_handle.h"

namespace hotlist {

// Code page 936 <-> UTF-16 as the Windows converters do it with flags 0: glibc's CP936 plus
// the private-use mapping of the user-defined areas, "?" for whatever has no mapping.
class Cp936Codec {
  public:
    Cp936Codec();

    // False when this iconv has no CP936; the codec then converts nothing.
    [[nodiscard]] bool available() const { return decoder_ != nullptr; }

    // Writes at most `capacity` units (none when `output` is null); returns the units needed.
    std::size_t decode(std::string_view input, char16_t* output, std::size_t capacity);

    // Writes at most `capacity` bytes (none when `output` is null); returns the bytes needed.
    std::size_t encode(std::u16string_view input, char* output, std::size_t capacity);

  private:
    std::optional<char16_t> decodeWithIconv(std::string_view bytes);
    const std::vector<std::uint16_t>& encodeTable();

    IconvHandle decoder_;
    std::u16string scratch_;
    // Code page 936 form of each UTF-16 unit: 0 none, below 0x100 one byte, else lead << 8 | trail.
    std::vector<std::uint16_t> encodeTable_;
};

}  // namespace hotlist

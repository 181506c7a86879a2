#include "text/code_page_conversion.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "text/allocation_guard.h"
#include "text/fatal_stop.h"

namespace hotlist {

namespace {

// strlen: the bytes before the first zero byte.
std::size_t byteStringLength(const char* bytes) {
    return std::char_traits<char>::length(bytes);
}

// lstrlenW: the code units before the first zero unit.
std::size_t wideStringLength(const char16_t* units) {
    return std::char_traits<char16_t>::length(units);
}

// The units as UTF-16LE bytes: low byte first.
Bytes littleEndianBytes(const std::vector<char16_t>& units) {
    std::vector<std::uint8_t> bytes(units.size() * 2);
    for (std::size_t i = 0; i < units.size(); ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(units[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(units[i] >> 8);
    }
    return Bytes(std::move(bytes));
}

// The wide bytes as units followed by a zero unit. An odd last byte is taken as a unit of its
// own with a zero high byte, so that the terminator is always a whole unit inside the copy.
std::u16string terminatedUnits(const Bytes& wide) {
    const std::size_t length = static_cast<std::size_t>(wide.length());
    const std::uint8_t* bytes = wide.data();
    std::u16string units((length + 1) / 2, u'\0');
    for (std::size_t i = 0; i < length / 2; ++i) {
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    if (length % 2 != 0) {
        units.back() = bytes[length - 1];
    }
    return units;
}

}  // namespace

// The converter reads up to a zero byte, so it gets a copy that ends with one; it is asked
// for the size first and then fills a buffer of exactly that many units, terminator included.
Bytes multiByteToWide(CodePageConverter& converter, const Bytes& bytes, unsigned codePage) {
    const std::string terminated(bytes.view());  // std::string keeps a zero byte after its data
    if (byteStringLength(terminated.c_str()) == 0) {
        return {};
    }
    const int units = converter.MultiByteToWideChar(codePage, terminated.c_str(), nullptr, 0);
    if (units <= 0) {
        return {};
    }
    // 2n bytes must still fit a Bytes length; a larger block is memory the program cannot get.
    const std::int64_t size = std::int64_t{units} * 2;
    if (size > std::numeric_limits<std::int32_t>::max()) {
        outOfMemory(static_cast<std::size_t>(size));
    }
    auto output = guardAllocation(static_cast<std::size_t>(size), [&] {
        return std::vector<char16_t>(static_cast<std::size_t>(units));
    });
    converter.MultiByteToWideChar(codePage, terminated.c_str(), output.data(), units);
    return littleEndianBytes(output);
}

// Same two-call pattern in the other direction; the result stops at the first zero byte of
// the output, which drops the terminator and anything after a zero unit in the input.
Bytes wideToMultiByte(CodePageConverter& converter, const Bytes& wide, unsigned codePage) {
    const std::u16string terminated = terminatedUnits(wide);
    if (wideStringLength(terminated.c_str()) == 0) {
        return {};
    }
    const int size = converter.WideCharToMultiByte(codePage, terminated.c_str(), nullptr, 0);
    if (size <= 0) {
        return {};
    }
    auto output = guardAllocation(static_cast<std::size_t>(size), [&] {
        return std::vector<std::uint8_t>(static_cast<std::size_t>(size));
    });
    converter.WideCharToMultiByte(codePage, terminated.c_str(),
                                  reinterpret_cast<char*>(output.data()), size);
    // Bounded by the buffer, in case a converter wrote no terminator.
    output.erase(std::find(output.begin(), output.end(), std::uint8_t{0}), output.end());
    return Bytes(std::move(output));
}

Bytes textToWide(CodePageConverter& converter, const Text& text, unsigned codePage) {
    return multiByteToWide(converter, textToBytes(text), codePage);
}

Text wideToText(CodePageConverter& converter, const Bytes& wide, unsigned codePage) {
    return bytesToText(wideToMultiByte(converter, wide, codePage));
}

Text wideToLocal(CodePageConverter& converter, const Bytes& wide) {
    return wideToText(converter, wide, kCodePageGbk);
}

Text utf8ToLocal(CodePageConverter& converter, const Text& text) {
    return wideToLocal(converter, textToWide(converter, text, kCodePageUtf8));
}

}  // namespace hotlist

#include <charconv>
#include <string_view>

#include "text/allocation_guard.h"
#include "text/text.h"

namespace hotlist {

// Written as "%.13g" writes it in the C locale, whatever locale the process has set.
Text numberToText(double value) {
    char digits[32];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 13);
    return Text(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

Bytes textToBytes(const Text& text) {
    return guardAllocation(text.view().size(), [&] { return Bytes(text.view()); });
}

// The bytes up to the first zero byte.
Text bytesToText(const Bytes& bytes) {
    const std::string_view view = bytes.view();
    const std::string_view before = view.substr(0, view.find('\0'));
    return guardAllocation(before.size(), [&] { return Text(before); });
}

}  // namespace hotlist

#include <cstddef>
#include <string>
#include <string_view>

#include "text/allocation_guard.h"
#include "text/text.h"

namespace hotlist {
namespace {

// The bytes [offset, offset + count) of `text`, cut off at its end; the caller keeps
// offset within the text.
Text byteSlice(const Text& text, std::size_t offset, int count) {
    const std::string_view slice = text.view().substr(offset, static_cast<std::size_t>(count));
    return guardAllocation(slice.size(), [&] { return Text(slice); });
}

}  // namespace

int textLength(const Text& text) {
    return text.length();
}

Text textLeft(const Text& text, int n) {
    return n <= 0 ? Text() : byteSlice(text, 0, n);
}

Text textRight(const Text& text, int n) {
    if (n <= 0) {
        return {};
    }
    const int length = text.length();
    return n >= length ? text : byteSlice(text, static_cast<std::size_t>(length - n), n);
}

// Unlike bytesMid, a start below 1 is not moved to 1: it gives the empty text.
Text textMid(const Text& text, int start, int n) {
    if (start < 1 || start > text.length() || n <= 0) {
        return {};
    }
    return byteSlice(text, static_cast<std::size_t>(start) - 1, n);
}

// The byte as a signed 8-bit value, so 0x80..0xFF give -128..-1.
int charCode(const Text& text, int position) {
    if (position < 1 || position > text.length()) {
        return 0;
    }
    return static_cast<signed char>(text.byteAt(position - 1));
}

Text charFromCode(int code) {
    const char byte = static_cast<char>(static_cast<unsigned char>(code & 0xFF));
    return Text(std::string_view(&byte, 1));
}

Text blankText(int n) {
    if (n <= 0) {
        return {};
    }
    const auto count = static_cast<std::size_t>(n);
    return guardAllocation(count, [&] { return Text(std::string(count, ' ')); });
}

}  // namespace hotlist

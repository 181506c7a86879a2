#include "web/unique_items.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace hotlist {

namespace {

constexpr std::uint8_t kFirstLeadByte = 0x81;
constexpr std::uint8_t kCarriageReturn = 0x0D;
constexpr std::uint8_t kLineFeed = 0x0A;

// The length of the character starting at `at`.
std::size_t characterLength(std::string_view bytes, std::size_t at) {
    if (at + 1 >= bytes.size()) {
        return 1;  // the last byte always stands alone
    }
    const auto byte = static_cast<std::uint8_t>(bytes[at]);
    const auto next = static_cast<std::uint8_t>(bytes[at + 1]);
    if (byte >= kFirstLeadByte || (byte == kCarriageReturn && next == kLineFeed)) {
        return 2;
    }
    return 1;
}

}  // namespace

Text joinUnique(const Text& text, const Text& separator, int mode) {
    TextArray pieces;
    if (mode != 0) {
        pieces = splitText(text, separator);
    } else {
        splitCharacters(text, pieces);
    }
    TextArray seen;
    Text joined;
    for (int i = 1; i <= elementCount(pieces); ++i) {
        const Text& piece = pieces.at(i);
        if (indexOfItem(seen, piece) == -1) {
            appendElement(seen, piece);
            joined = concatText(joined, piece, separator);
        }
    }
    return textLeft(joined, textLength(joined) - textLength(separator));
}

int splitCharacters(const Text& text, TextArray& characters) {
    const std::string_view bytes = text.view();
    characters = TextArray();
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t size = characterLength(bytes, at);
        appendElement(characters, Text(bytes.substr(at, size)));
        at += size;
    }
    return elementCount(characters);
}

int indexOfItem(const TextArray& items, const Text& item) {
    for (int i = 1; i <= elementCount(items); ++i) {
        if (compareText(items.at(i), item) == 0) {
            return i;
        }
    }
    return -1;
}

}  // namespace hotlist

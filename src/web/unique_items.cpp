#include "web/unique_items.h"

#include <cstdint>

namespace hotlist {

namespace {

constexpr std::uint8_t kFirstLeadByte = 0x81;
constexpr std::uint8_t kCarriageReturn = 0x0D;
constexpr std::uint8_t kLineFeed = 0x0A;

// The length of the character starting at `index0` of `length` bytes.
int characterLength(const std::uint8_t* bytes, int index0, int length) {
    if (index0 + 1 >= length) {
        return 1;  // the last byte always stands alone
    }
    const std::uint8_t byte = bytes[index0];
    if (byte >= kFirstLeadByte || (byte == kCarriageReturn && bytes[index0 + 1] == kLineFeed)) {
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
    const Bytes bytes = textToBytes(text);
    const int length = bytesLength(bytes);
    characters = TextArray();
    for (int index0 = 0; index0 < length;) {
        const int size = characterLength(bytes.data(), index0, length);
        appendElement(characters, bytesToText(bytesMid(bytes, index0 + 1, size)));
        index0 += size;
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

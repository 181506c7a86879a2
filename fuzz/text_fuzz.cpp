// Feeds arbitrary bytes to the text operations and checks what must hold for any input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "text/text.h"

namespace {

using hotlist::Text;
using hotlist::fuzz::require;
using hotlist::fuzz::requireNoZeroByte;

unsigned char fold(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte;
}

bool matchesAt(std::string_view text, std::size_t at, std::string_view sought, bool ignoreCase) {
    if (at + sought.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < sought.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[at + i]);
        const auto b = static_cast<unsigned char>(sought[i]);
        if (ignoreCase ? fold(a) != fold(b) : a != b) {
            return false;
        }
    }
    return true;
}

// Character starts of a walk from `first`: a byte of 0x80 or above takes the next one along.
std::vector<std::size_t> characterStarts(std::string_view text, std::size_t first) {
    std::vector<std::size_t> starts;
    for (std::size_t at = first; at < text.size();) {
        starts.push_back(at);
        at += static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size() ? 2 : 1;
    }
    return starts;
}

bool endsInLoneLeadByte(std::string_view text, std::size_t first) {
    const std::vector<std::size_t> starts = characterStarts(text, first);
    return !starts.empty() && starts.back() == text.size() - 1 &&
           static_cast<unsigned char>(text.back()) >= 0x80;
}

void checkFindText(const Text& text, const Text& sought, int start, bool ignoreCase) {
    const int found = hotlist::findText(text, sought, start, ignoreCase);
    const std::size_t first = start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
    if (sought.empty()) {
        require(found == (first < text.view().size() ? 1 : -1));
        return;
    }
    std::size_t expected = 0;
    if (first < text.view().size()) {
        for (std::size_t at : characterStarts(text.view(), first)) {
            if (matchesAt(text.view(), at, sought.view(), ignoreCase)) {
                expected = at + 1;
                break;
            }
        }
    }
    require(found == (expected == 0 ? -1 : static_cast<int>(expected)));
}

void checkFindTextReverse(const Text& text, const Text& sought, int start, bool ignoreCase) {
    const int found = hotlist::findTextReverse(text, sought, start, ignoreCase);
    std::string_view range = text.view();
    if (start != hotlist::kFromEnd) {
        const std::size_t before = start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
        range = range.substr(0, before);
    }
    if (sought.empty()) {
        require(found == (range.empty() ? -1 : 1));
        return;
    }
    int expected = -1;
    for (std::size_t at : characterStarts(text.view(), 0)) {
        if (at + sought.view().size() <= range.size() &&
            matchesAt(range, at, sought.view(), ignoreCase)) {
            expected = static_cast<int>(at) + 1;
        }
    }
    require(found == expected);
}

void checkSplit(const Text& text, const Text& separator) {
    const hotlist::TextArray pieces = hotlist::splitText(text, separator);
    std::string joined;
    for (int i = 1; i <= hotlist::elementCount(pieces); ++i) {
        requireNoZeroByte(pieces.at(i));
        if (i > 1) {
            joined += separator.view();
        }
        joined += pieces.at(i).view();
    }
    require(text.empty() == (hotlist::elementCount(pieces) == 0));
    require(joined == text.view() || joined + std::string(separator.view()) == text.view());
}

// True when the replacing walk, which jumps over each match, stops at a final lone lead byte
// that a one-byte sought text does not match: that byte is dropped.
bool replaceDropsLoneLeadByte(std::string_view text, std::string_view sought) {
    if (sought.size() != 1) {
        return false;
    }
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == sought.front()) {
            ++at;
        } else if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
        } else if (at + 1 == text.size()) {
            return true;
        } else {
            at += 2;
        }
    }
    return false;
}

void checkReplaceByItself(const Text& text, const Text& sought) {
    const Text same = hotlist::replaceSubtext(text, sought, sought, true);
    requireNoZeroByte(same);
    std::string_view expected = text.view();
    if (replaceDropsLoneLeadByte(expected, sought.view())) {
        expected.remove_suffix(1);
    }
    require(same.view() == expected);
}

void checkTrim(const Text& text) {
    const Text trimmed = hotlist::trimSpaces(text);
    requireNoZeroByte(trimmed);
    require(trimmed.length() <= text.length());
    const Text again = hotlist::trimSpaces(trimmed);
    require(again == hotlist::trimSpaces(again));
    if (!endsInLoneLeadByte(text.view(), 0)) {
        require(again == trimmed);
    }
}

void checkTransforms(const Text& text, const Text& other, int a, int b) {
    const Text upper = hotlist::toUpperCase(text);
    requireNoZeroByte(upper);
    require(upper.length() == text.length());
    requireNoZeroByte(hotlist::replaceSubtext(text, other, "x", false));
    requireNoZeroByte(hotlist::replaceSubtext(text, other, "", true));
    requireNoZeroByte(hotlist::concatText(text, other, text));
    require(hotlist::compareText(text, other) == -hotlist::compareText(other, text));
    require((hotlist::compareText(text, other) == 0) == (text == other));

    const Text mid = hotlist::textMid(text, a, b);
    require(mid.length() <= text.length());
    require(text.view().find(mid.view()) != std::string_view::npos);
    require(hotlist::textLeft(text, a).length() <= text.length());
    require(hotlist::textRight(text, b).length() <= text.length());
    require(hotlist::charCode(text, a) >= -128 && hotlist::charCode(text, a) <= 127);
    requireNoZeroByte(hotlist::charFromCode(a));
}

void checkBytes(const std::string& raw, int a, int b, double real) {
    const hotlist::Bytes bytes(raw);
    require(hotlist::bytesLength(bytes) == static_cast<int>(raw.size()));
    const hotlist::Bytes mid = hotlist::bytesMid(bytes, a, b);
    require(mid.length() <= bytes.length());
    const hotlist::Bytes joined = hotlist::concatBytes({&bytes, &mid});
    require(joined.length() == bytes.length() + mid.length());
    const Text text = hotlist::bytesToText(bytes);
    requireNoZeroByte(text);
    require(hotlist::compareBytes(hotlist::textToBytes(text), hotlist::Bytes(text.view())));
    requireNoZeroByte(hotlist::numberToText(real));
    static_cast<void>(hotlist::truncateToInteger(real));
    static_cast<void>(hotlist::shiftLeft(a, b));
    static_cast<void>(hotlist::shiftRight(a, b));
    if (b != 0) {
        static_cast<void>(hotlist::remainder(real, static_cast<double>(b)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int a = input.ConsumeIntegral<int>();
    const int b = input.ConsumeIntegralInRange<int>(-4, 64);
    const bool ignoreCase = input.ConsumeBool();
    const double real = input.ConsumeFloatingPoint<double>();
    const std::string soughtBytes = input.ConsumeRandomLengthString(8);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const Text text(rest);
    const Text sought(soughtBytes);
    requireNoZeroByte(text);

    const int start = a % (text.length() + 3);
    checkFindText(text, sought, start, ignoreCase);
    checkFindTextReverse(text, sought, start, ignoreCase);
    checkFindTextReverse(text, sought, hotlist::kFromEnd, ignoreCase);
    checkSplit(text, sought);
    checkReplaceByItself(text, sought);
    checkTrim(text);
    checkTransforms(text, sought, start, b);
    checkBytes(rest, start, b, real);
    return 0;
}

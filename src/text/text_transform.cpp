#include <cstddef>
#include <string>
#include <string_view>

#include "text/allocation_guard.h"
#include "text/text.h"
#include "text/text_walk.h"
#include "text_texts.h"

namespace hotlist {
namespace {

constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

// Bytes of the space or full-width space starting at `at`; 0 for any other character.
std::size_t spaceWidth(std::string_view text, std::size_t at) {
    if (text[at] == ' ') {
        return 1;
    }
    return text.substr(at, 2) == kFullWidthSpace ? 2 : 0;
}

}  // namespace

// Cuts leading and trailing runs of spaces and full-width spaces. A lone lead byte at the
// end cuts the text where it stands, so spaces just before it stay.
Text trimSpaces(const Text& text) {
    const std::string_view bytes = text.view();
    std::size_t first = 0;
    while (first < bytes.size() && spaceWidth(bytes, first) != 0) {
        first += spaceWidth(bytes, first);
    }
    std::size_t end = bytes.size();
    std::size_t runStart = bytes.size();
    for (std::size_t at = first; at < bytes.size();) {
        if (walk::isLoneLeadByte(bytes, at)) {
            runStart = bytes.size();
            end = at;
            break;
        }
        const std::size_t space = spaceWidth(bytes, at);
        if (space == 0) {
            runStart = bytes.size();
        } else if (runStart == bytes.size()) {
            runStart = at;
        }
        at += space != 0 ? space : walk::charWidth(bytes, at);
    }
    if (runStart < end) {
        end = runStart;
    }
    return guardAllocation(end - first, [&] { return Text(bytes.substr(first, end - first)); });
}

// Upper-cases single-byte a-z only; a byte of 0x80 or above carries its next byte along
// unchanged, whatever that byte is.
Text toUpperCase(const Text& text) {
    const std::string_view bytes = text.view();
    return guardAllocation(bytes.size(), [&] {
        std::string upper(bytes);
        for (std::size_t at = 0; at < upper.size(); at += walk::charWidth(bytes, at)) {
            if (upper[at] >= 'a' && upper[at] <= 'z') {
                upper[at] = static_cast<char>(upper[at] - 0x20);
            }
        }
        return Text(std::move(upper));
    });
}

// Replaces every occurrence left to right without overlap; an inserted replacement is never
// searched again. With a one-byte sought text a final lone lead byte that does not match is
// dropped; with a longer one it is copied with the remaining bytes.
Text replaceSubtext(const Text& text, const Text& sought, const Text& replacement,
                    bool caseSensitive) {
    const std::string_view bytes = text.view();
    const std::string_view pattern = sought.view();
    if (bytes.empty() || pattern.empty()) {
        return text;
    }
    std::string result;
    // Unmatched characters are copied in runs, from `copied` up to the current place.
    std::size_t copied = 0;
    auto append = [&](std::string_view part) {
        guardAllocation(result.size() + part.size(), [&] { result.append(part); });
    };
    std::size_t at = 0;
    while (bytes.size() - at >= pattern.size()) {
        if (walk::matchesAt(bytes, at, pattern, !caseSensitive)) {
            append(bytes.substr(copied, at - copied));
            append(replacement.view());
            at += pattern.size();
            copied = at;
        } else if (walk::isLoneLeadByte(bytes, at)) {
            append(bytes.substr(copied, at - copied));
            return Text(std::move(result));
        } else {
            at += walk::charWidth(bytes, at);
        }
    }
    append(bytes.substr(copied));
    return Text(std::move(result));
}

Text withQuotes(const Text& text) {
    return replaceSubtext(text, texts::quoteMarker, "\"", true);
}

// Each operand counts up to its first zero byte, as a text does.
Text concatText(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) {
        total += part.substr(0, part.find('\0')).size();
    }
    return guardAllocation(total, [&] {
        std::string result;
        result.reserve(total);
        for (std::string_view part : parts) {
            result.append(part.substr(0, part.find('\0')));
        }
        return Text(std::move(result));
    });
}

}  // namespace hotlist

#include "text/utf8_codec.h"

#include <cstdint>
#include <cstring>

#include "text/output_sink.h"

namespace hotlist {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool isAsciiWord(const unsigned char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return (word & 0x8080808080808080ULL) == 0;
}

// A well-formed sequence's lead byte fixes how many continuation bytes follow and the range
// of the first one; that range is what rules out overlongs, surrogates and values past U+10FFFF.
struct LeadByte {
    int continuations;
    unsigned firstLow;
    unsigned firstHigh;
    char32_t bits;
};

bool classifyLead(unsigned char lead, LeadByte& info) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        info = {1, 0x80u, 0xBFu, lead & 0x1Fu};
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        info = {2, lead == 0xE0 ? 0xA0u : 0x80u, lead == 0xED ? 0x9Fu : 0xBFu, lead & 0x0Fu};
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        info = {3, lead == 0xF0 ? 0x90u : 0x80u, lead == 0xF4 ? 0x8Fu : 0xBFu, lead & 0x07u};
    } else {
        return false;
    }
    return true;
}

// The common case of Chinese text: a three-byte sequence whose lead puts no extra limit on
// its continuation bytes (E0 and ED do), so two continuation bytes make it well formed.
bool isPlainThreeByteSequence(const unsigned char* p, const unsigned char* end) {
    return end - p >= 3 && p[0] >= 0xE1 && p[0] <= 0xEF && p[0] != 0xED && (p[1] & 0xC0) == 0x80 &&
           (p[2] & 0xC0) == 0x80;
}

void putCodePoint(char32_t codePoint, OutputSink<char16_t>& sink) {
    if (codePoint < 0x10000) {
        sink.put(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    sink.put(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    sink.put(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

// Decodes one non-ASCII sequence starting at `p`; returns where the next one starts. An
// incomplete or invalid sequence gives one replacement for its longest valid prefix.
const unsigned char* decodeSequence(const unsigned char* p, const unsigned char* end,
                                    OutputSink<char16_t>& sink) {
    LeadByte lead;
    if (!classifyLead(*p, lead)) {
        sink.put(kReplacement);
        return p + 1;
    }
    ++p;
    if (p == end || *p < lead.firstLow || *p > lead.firstHigh) {
        sink.put(kReplacement);
        return p;
    }
    char32_t codePoint = (lead.bits << 6) | (*p++ & 0x3Fu);
    for (int i = 1; i < lead.continuations; ++i, ++p) {
        if (p == end || (*p & 0xC0) != 0x80) {
            sink.put(kReplacement);
            return p;
        }
        codePoint = (codePoint << 6) | (*p & 0x3Fu);
    }
    putCodePoint(codePoint, sink);
    return p;
}

void putUtf8(char32_t codePoint, OutputSink<char>& sink) {
    if (codePoint < 0x80) {
        sink.put(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        sink.put(static_cast<char>(0xC0 | (codePoint >> 6)));
        sink.put(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        sink.put(static_cast<char>(0xE0 | (codePoint >> 12)));
        sink.put(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        sink.put(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        sink.put(static_cast<char>(0xF0 | (codePoint >> 18)));
        sink.put(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        sink.put(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        sink.put(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::size_t utf8ToUtf16(std::string_view input, char16_t* output, std::size_t capacity) {
    OutputSink<char16_t> sink(output, capacity);
    const auto* p = reinterpret_cast<const unsigned char*>(input.data());
    const auto* end = p + input.size();
    while (p != end) {
        // Markup is mostly ASCII: take it eight bytes at a time.
        while (end - p >= 8 && isAsciiWord(p)) {
            for (int i = 0; i < 8; ++i) {
                sink.put(p[i]);
            }
            p += 8;
        }
        if (p == end) {
            break;
        }
        if (*p < 0x80) {
            sink.put(*p++);
        } else if (isPlainThreeByteSequence(p, end)) {
            sink.put(static_cast<char16_t>(((p[0] & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) |
                                           (p[2] & 0x3Fu)));
            p += 3;
        } else {
            p = decodeSequence(p, end, sink);
        }
    }
    return sink.count();
}

std::size_t utf16ToUtf8(std::u16string_view input, char* output, std::size_t capacity) {
    OutputSink<char> sink(output, capacity);
    for (std::size_t i = 0; i < input.size(); ++i) {
        const char16_t unit = input[i];
        if (isHighSurrogate(unit) && i + 1 < input.size() && isLowSurrogate(input[i + 1])) {
            putUtf8(0x10000 + ((unit - 0xD800u) << 10) + (input[++i] - 0xDC00u), sink);
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            putUtf8(kReplacement, sink);
        } else {
            putUtf8(unit, sink);
        }
    }
    return sink.count();
}

}  // namespace hotlist

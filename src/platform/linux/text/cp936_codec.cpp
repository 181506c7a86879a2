#include "text/cp936_codec.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include "text/output_sink.h"

namespace hotlist {

// iconv writes UTF-16LE bytes straight into char16_t storage.
static_assert(std::endian::native == std::endian::little);

namespace {

// A sequence without a character, and a character without a sequence, become a question
// mark, the stand-in Windows uses for most of them (it has a few others).
constexpr char16_t kReplacement = u'?';
constexpr char kUnmappable = '?';

bool isLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
bool isTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

void resetState(iconv_t handle) {
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
}

// The private-use character Windows gives a user-defined double-byte code, if it is one.
std::optional<char16_t> userDefinedCharacter(unsigned char lead, unsigned char trail) {
    if (trail >= 0xA1 && trail <= 0xFE) {
        if (lead >= 0xAA && lead <= 0xAF) {
            return static_cast<char16_t>(0xE000 + (lead - 0xAA) * 94 + (trail - 0xA1));
        }
        if (lead >= 0xF8 && lead <= 0xFE) {
            return static_cast<char16_t>(0xE234 + (lead - 0xF8) * 94 + (trail - 0xA1));
        }
    }
    if (lead >= 0xA1 && lead <= 0xA7 && trail >= 0x40 && trail <= 0xA0 && trail != 0x7F) {
        return static_cast<char16_t>(0xE4C6 + (lead - 0xA1) * 96 + (trail - 0x40) -
                                     (trail > 0x7F ? 1 : 0));
    }
    return std::nullopt;
}

}  // namespace

Cp936Codec::Cp936Codec() : decoder_(openIconv("UTF-16LE", "CP936")) {}

// iconv converts runs it accepts in one go and stops at a sequence it refuses; that sequence
// becomes its private-use character or a replacement and the conversion carries on after it.
// A byte that cannot start a pair is replaced on its own, so a following ASCII byte survives.
std::size_t Cp936Codec::decode(std::string_view input, char16_t* output, std::size_t capacity) {
    if (!available()) {
        return 0;
    }
    scratch_.resize(input.size());  // every sequence gives one unit at most
    resetState(decoder_.get());
    char* in = const_cast<char*>(input.data());  // iconv's signature; it does not write there
    std::size_t inLeft = input.size();
    auto* out = reinterpret_cast<char*>(scratch_.data());
    std::size_t outLeft = scratch_.size() * sizeof(char16_t);
    while (inLeft > 0 && iconv(decoder_.get(), &in, &inLeft, &out, &outLeft) == std::size_t(-1)) {
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        const auto lead = static_cast<unsigned char>(in[0]);
        const auto trail = static_cast<unsigned char>(inLeft > 1 ? in[1] : 0);
        char16_t unit = kReplacement;
        std::size_t consumed = 1;
        if (isLeadByte(lead) && isTrailByte(trail)) {
            unit = userDefinedCharacter(lead, trail).value_or(kReplacement);
            consumed = 2;
        }
        std::memcpy(out, &unit, sizeof unit);
        out += sizeof unit;
        outLeft -= sizeof unit;
        in += consumed;
        inLeft -= consumed;
        resetState(decoder_.get());
    }
    const std::size_t units = scratch_.size() - outLeft / sizeof(char16_t);
    if (output != nullptr) {
        std::memcpy(output, scratch_.data(), std::min(units, capacity) * sizeof(char16_t));
    }
    return units;
}

std::size_t Cp936Codec::encode(std::u16string_view input, char* output, std::size_t capacity) {
    const std::vector<std::uint16_t>& table = encodeTable();
    OutputSink<char> sink(output, capacity);
    for (const char16_t unit : input) {
        const std::uint16_t code = table[unit];
        if (code == 0) {
            sink.put(kUnmappable);
        } else if (code < 0x100) {
            sink.put(static_cast<char>(code));
        } else {
            sink.put(static_cast<char>(code >> 8));
            sink.put(static_cast<char>(code & 0xFF));
        }
    }
    return sink.count();
}

std::optional<char16_t> Cp936Codec::decodeWithIconv(std::string_view bytes) {
    resetState(decoder_.get());
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char16_t units[2] = {};
    auto* out = reinterpret_cast<char*>(units);
    std::size_t outLeft = sizeof units;
    if (iconv(decoder_.get(), &in, &inLeft, &out, &outLeft) == std::size_t(-1) || inLeft != 0 ||
        outLeft != sizeof units - sizeof(char16_t)) {
        return std::nullopt;
    }
    return units[0];
}

// Built on first use by decoding every single byte and every double-byte code once, so that
// encoding is one lookup per unit and every decodable code comes back to the same bytes.
const std::vector<std::uint16_t>& Cp936Codec::encodeTable() {
    if (!encodeTable_.empty()) {
        return encodeTable_;
    }
    encodeTable_.assign(0x10000, 0);
    if (!available()) {
        return encodeTable_;
    }
    const auto learn = [&](std::optional<char16_t> unit, std::uint16_t code) {
        if (unit && encodeTable_[*unit] == 0) {
            encodeTable_[*unit] = code;
        }
    };
    for (unsigned byte = 1; byte <= 0xFF; ++byte) {
        const char single = static_cast<char>(byte);
        learn(decodeWithIconv({&single, 1}), static_cast<std::uint16_t>(byte));
    }
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            std::optional<char16_t> unit = decodeWithIconv({pair, 2});
            if (!unit) {
                unit = userDefinedCharacter(static_cast<unsigned char>(lead),
                                            static_cast<unsigned char>(trail));
            }
            learn(unit, static_cast<std::uint16_t>(lead << 8 | trail));
        }
    }
    return encodeTable_;
}

}  // namespace hotlist

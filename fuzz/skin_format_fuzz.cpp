// Feeds arbitrary bytes to the skin reader, raw and with a repaired header so that the
// records themselves are reached, and checks what must hold for any input.
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz_checks.h"
#include "skin/skin_format.h"

namespace {

namespace skinformat = hotlist::skinformat;

using hotlist::fuzz::require;

void putU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A refused skin reports nothing; an accepted one only values its checks allow.
void check(const skinformat::ParsedSkin& parsed) {
    if (parsed.error != skinformat::SkinError::none) {
        require(parsed.skin.name.empty());
        return;
    }
    require(!parsed.skin.name.empty() && parsed.skin.name.size() <= 64);
    for (const auto& font : parsed.skin.fonts) {
        require(!font || (font->pointSize >= 6 && font->pointSize <= 72 && !font->family.empty()));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check(skinformat::parseSkin(std::span(data, size)));

    std::vector<std::uint8_t> repaired = {'.', 'S', 'H', 'E', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    repaired.insert(repaired.end(), data, data + size);
    putU32(repaired, 8, static_cast<std::uint32_t>(repaired.size()));
    putU32(repaired, 12, skinformat::crc32(std::span(repaired).subspan(skinformat::kHeaderSize)));
    const skinformat::ParsedSkin parsed = skinformat::parseSkin(repaired);
    require(parsed.error == skinformat::SkinError::none ||
            parsed.error == skinformat::SkinError::badRecord ||
            parsed.error == skinformat::SkinError::missingName);
    check(parsed);
    return 0;
}

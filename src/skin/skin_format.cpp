#include "skin/skin_format.h"

#include <cstring>

namespace hotlist::skinformat {
namespace {

inline constexpr std::size_t kMaxNameLength = 64;
inline constexpr std::size_t kMaxFamilyLength = 63;
inline constexpr int kMinPointSize = 6;
inline constexpr int kMaxPointSize = 72;
inline constexpr int kMaxMetric = 64;

std::uint16_t readU16(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

std::uint32_t readU32(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint32_t>(data[at]) | (static_cast<std::uint32_t>(data[at + 1]) << 8) |
           (static_cast<std::uint32_t>(data[at + 2]) << 16) |
           (static_cast<std::uint32_t>(data[at + 3]) << 24);
}

std::string utf8Text(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool hasZeroByte(std::span<const std::uint8_t> bytes) {
    for (std::uint8_t byte : bytes) {
        if (byte == 0) {
            return true;
        }
    }
    return false;
}

// Each reader checks one record's payload and fills the skin; a role may appear only once.
bool readName(std::span<const std::uint8_t> payload, Skin& skin) {
    if (payload.empty() || payload.size() > kMaxNameLength || hasZeroByte(payload) ||
        !skin.name.empty()) {
        return false;
    }
    skin.name = utf8Text(payload);
    return true;
}

bool readColour(std::span<const std::uint8_t> payload, Skin& skin) {
    if (payload.size() != 4 || payload[0] >= kColourRoleCount ||
        skin.colours[payload[0]].has_value()) {
        return false;
    }
    skin.colours[payload[0]] = Rgb{payload[1], payload[2], payload[3]};
    return true;
}

bool readFont(std::span<const std::uint8_t> payload, Skin& skin) {
    if (payload.size() < 5 || payload.size() > 4 + kMaxFamilyLength ||
        payload[0] >= kFontRoleCount || skin.fonts[payload[0]].has_value()) {
        return false;
    }
    const int pointSize = payload[1];
    const int weight = readU16(payload, 2);
    const std::span<const std::uint8_t> family = payload.subspan(4);
    if (pointSize < kMinPointSize || pointSize > kMaxPointSize || weight < 100 || weight > 900 ||
        hasZeroByte(family)) {
        return false;
    }
    skin.fonts[payload[0]] = FontSpec{utf8Text(family), pointSize, weight};
    return true;
}

bool readMetric(std::span<const std::uint8_t> payload, Skin& skin) {
    if (payload.size() != 3 || payload[0] >= kMetricCount || skin.metrics[payload[0]].has_value()) {
        return false;
    }
    const int value = readU16(payload, 1);
    if (value > kMaxMetric) {
        return false;
    }
    skin.metrics[payload[0]] = value;
    return true;
}

bool allZero(std::span<const std::uint8_t> payload) {
    for (std::uint8_t byte : payload) {
        if (byte != 0) {
            return false;
        }
    }
    return true;
}

// Records tile the body exactly; padding, when present, is the last record.
SkinError readRecords(std::span<const std::uint8_t> body, Skin& skin) {
    std::size_t at = 0;
    while (at < body.size()) {
        if (body.size() - at < kRecordHeaderSize) {
            return SkinError::badRecord;
        }
        const auto type = static_cast<RecordType>(readU16(body, at));
        const std::size_t size = readU16(body, at + 2);
        at += kRecordHeaderSize;
        if (body.size() - at < size) {
            return SkinError::badRecord;
        }
        const std::span<const std::uint8_t> payload = body.subspan(at, size);
        at += size;
        bool valid = false;
        switch (type) {
            case RecordType::name:
                valid = readName(payload, skin);
                break;
            case RecordType::colour:
                valid = readColour(payload, skin);
                break;
            case RecordType::font:
                valid = readFont(payload, skin);
                break;
            case RecordType::metric:
                valid = readMetric(payload, skin);
                break;
            case RecordType::padding:
                valid = at == body.size() && allZero(payload);
                break;
        }
        if (!valid) {
            return SkinError::badRecord;
        }
    }
    return skin.name.empty() ? SkinError::missingName : SkinError::none;
}

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> data) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (std::uint8_t byte : data) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
        }
    }
    return crc ^ 0xFFFFFFFFU;
}

ParsedSkin parseSkin(std::span<const std::uint8_t> data) {
    ParsedSkin result;
    if (data.size() < kHeaderSize) {
        result.error = data.size() >= 4 && std::memcmp(data.data(), kMagic, 4) != 0
                           ? SkinError::badMagic
                           : SkinError::tooShort;
        return result;
    }
    if (std::memcmp(data.data(), kMagic, 4) != 0) {
        result.error = SkinError::badMagic;
    } else if (readU16(data, 4) != kVersion || readU16(data, 6) != 0) {
        result.error = SkinError::badVersion;
    } else if (readU32(data, 8) != data.size()) {
        result.error = readU32(data, 8) > data.size() ? SkinError::tooShort : SkinError::badLength;
    } else if (readU32(data, 12) != crc32(data.subspan(kHeaderSize))) {
        result.error = SkinError::badChecksum;
    } else {
        result.error = readRecords(data.subspan(kHeaderSize), result.skin);
    }
    if (result.error != SkinError::none) {
        result.skin = Skin{};
    }
    return result;
}

ParsedSkin parseSkin(const unsigned char* data, std::int32_t length) {
    if (data == nullptr || length <= 0) {
        return {SkinError::tooShort, {}};
    }
    return parseSkin(std::span(data, static_cast<std::size_t>(length)));
}

}  // namespace hotlist::skinformat

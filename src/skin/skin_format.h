#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Our skin file format (docs/skin-format.md), read by the skin libraries of both platforms.
namespace hotlist::skinformat {

inline constexpr char kMagic[] = ".SHE";
inline constexpr std::uint16_t kVersion = 1;
inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kRecordHeaderSize = 4;

enum class RecordType : std::uint16_t {
    name = 0x0001,
    colour = 0x0002,
    font = 0x0003,
    metric = 0x0004,
    padding = 0x00FF,
};

enum class ColourRole : std::uint8_t {
    windowBackground,
    windowText,
    buttonFace,
    buttonText,
    buttonBorder,
    buttonHover,
    buttonPressed,
    listBackground,
    listText,
    listAlternate,
    selectionBackground,
    selectionText,
    headerBackground,
    headerText,
    statusBackground,
    statusText,
    frame,
    count,
};

enum class FontRole : std::uint8_t { window, button, header, status, count };

enum class Metric : std::uint8_t { buttonRadius, borderWidth, headerHeight, rowPadding, count };

inline constexpr std::size_t kColourRoleCount = static_cast<std::size_t>(ColourRole::count);
inline constexpr std::size_t kFontRoleCount = static_cast<std::size_t>(FontRole::count);
inline constexpr std::size_t kMetricCount = static_cast<std::size_t>(Metric::count);

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct FontSpec {
    std::string family;  // UTF-8
    int pointSize = 0;
    int weight = 0;  // 100 (thin) to 900 (black), 400 regular
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct Skin {
    std::string name;  // UTF-8
    std::array<std::optional<Rgb>, kColourRoleCount> colours{};
    std::array<std::optional<FontSpec>, kFontRoleCount> fonts{};
    std::array<std::optional<int>, kMetricCount> metrics{};

    [[nodiscard]] std::optional<Rgb> colour(ColourRole role) const {
        return colours[static_cast<std::size_t>(role)];
    }
    [[nodiscard]] const std::optional<FontSpec>& font(FontRole role) const {
        return fonts[static_cast<std::size_t>(role)];
    }
    [[nodiscard]] std::optional<int> metric(Metric which) const {
        return metrics[static_cast<std::size_t>(which)];
    }
};

// Why a skin was refused; the values are also what SkinH_AttachRes returns.
enum class SkinError : int {
    none = 0,
    tooShort = 1,
    badMagic = 2,
    badVersion = 3,
    badLength = 4,
    badChecksum = 5,
    badRecord = 6,
    missingName = 7,
};

struct ParsedSkin {
    SkinError error = SkinError::none;
    Skin skin;  // meaningful only when error is none
};

// Validates the whole skin before reporting anything from it.
ParsedSkin parseSkin(std::span<const std::uint8_t> data);
// The same for a skin handed over as an address and a length, as the library export takes it;
// a null address or a length below 1 is too short.
ParsedSkin parseSkin(const unsigned char* data, std::int32_t length);

// CRC-32 as in zlib and PNG (reflected polynomial 0xEDB88320).
std::uint32_t crc32(std::span<const std::uint8_t> data);

}  // namespace hotlist::skinformat

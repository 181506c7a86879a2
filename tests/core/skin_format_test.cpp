#include "skin/skin_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/embedded_skin.h"

namespace hotlist::skinformat {
namespace {

using ByteVector = std::vector<std::uint8_t>;

void putU16(ByteVector& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFU));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void putU32(ByteVector& out, std::uint32_t value) {
    putU16(out, value & 0xFFFFU);
    putU16(out, value >> 16);
}

ByteVector record(unsigned type, const ByteVector& payload) {
    ByteVector out;
    putU16(out, type);
    putU16(out, static_cast<unsigned>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

ByteVector nameRecord(const std::string& name) {
    return record(0x0001, ByteVector(name.begin(), name.end()));
}

// A whole skin file around the records, with a correct length and checksum.
ByteVector skinFile(const std::vector<ByteVector>& records) {
    ByteVector body;
    for (const ByteVector& r : records) {
        body.insert(body.end(), r.begin(), r.end());
    }
    ByteVector out = {'.', 'S', 'H', 'E'};
    putU16(out, kVersion);
    putU16(out, 0);
    putU32(out, static_cast<std::uint32_t>(kHeaderSize + body.size()));
    putU32(out, crc32(body));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

ByteVector bytesOf(const Bytes& bytes) {
    return {bytes.data(), bytes.data() + bytes.length()};
}

TEST(SkinFormat, ChecksumIsTheStandardCrc32) {
    const std::string check = "123456789";
    EXPECT_EQ(crc32(ByteVector(check.begin(), check.end())), 0xCBF43926U);
    EXPECT_EQ(crc32(ByteVector{}), 0U);
}

TEST(SkinFormat, EmbeddedSkinIsAValidCompleteSkinOf6101Bytes) {
    const Bytes skin = embeddedSkin();
    ASSERT_EQ(skin.length(), 6101);
    EXPECT_EQ(skin.view().substr(0, 4), ".SHE");

    const ParsedSkin parsed = parseSkin(bytesOf(skin));
    ASSERT_EQ(parsed.error, SkinError::none);
    EXPECT_EQ(parsed.skin.name, "Celadon");
    for (std::size_t role = 0; role < kColourRoleCount; ++role) {
        EXPECT_TRUE(parsed.skin.colours[role].has_value()) << "colour role " << role;
    }
    for (std::size_t role = 0; role < kFontRoleCount; ++role) {
        EXPECT_TRUE(parsed.skin.fonts[role].has_value()) << "font role " << role;
    }
    EXPECT_EQ(parsed.skin.colour(ColourRole::windowBackground), (Rgb{0xe4, 0xed, 0xe6}));
    EXPECT_EQ(parsed.skin.metric(Metric::headerHeight), 24);
}

TEST(SkinFormat, ReadsEveryRecordKind) {
    const ParsedSkin parsed = parseSkin(skinFile({
        nameRecord("Test"),
        record(0x0002, {static_cast<std::uint8_t>(ColourRole::statusText), 0x12, 0x34, 0x56}),
        record(0x0003,
               {static_cast<std::uint8_t>(FontRole::header), 11, 0xBC, 0x02, 'S', 'a', 'n', 's'}),
        record(0x0004, {static_cast<std::uint8_t>(Metric::buttonRadius), 6, 0}),
        record(0x00FF, ByteVector(10, 0)),
    }));
    ASSERT_EQ(parsed.error, SkinError::none);
    EXPECT_EQ(parsed.skin.name, "Test");
    EXPECT_EQ(parsed.skin.colour(ColourRole::statusText), (Rgb{0x12, 0x34, 0x56}));
    EXPECT_FALSE(parsed.skin.colour(ColourRole::windowText).has_value());
    EXPECT_EQ(parsed.skin.font(FontRole::header), (FontSpec{"Sans", 11, 700}));
    EXPECT_EQ(parsed.skin.metric(Metric::buttonRadius), 6);
}

ByteVector withByte(ByteVector data, std::size_t at, std::uint8_t value) {
    data.at(at) = value;
    return data;
}

TEST(SkinFormat, RefusesDamagedFilesAsAWhole) {
    const ByteVector good = bytesOf(embeddedSkin());
    const ByteVector header16(good.begin(), good.begin() + 16);
    ByteVector longer = good;
    longer.push_back(0);
    struct Case {
        const char* name;
        ByteVector data;
        SkinError expected;
    };
    const std::vector<Case> cases = {
        {"empty", {}, SkinError::tooShort},
        {"three bytes of magic", {'.', 'S', 'H'}, SkinError::tooShort},
        {"header alone", header16, SkinError::tooShort},
        {"truncated", ByteVector(good.begin(), good.begin() + 100), SkinError::tooShort},
        {"one byte short", ByteVector(good.begin(), good.end() - 1), SkinError::tooShort},
        {"one byte too many", longer, SkinError::badLength},
        {"wrong magic", withByte(good, 1, 'X'), SkinError::badMagic},
        {"short and wrong magic", {'M', 'Z', 0x90, 0}, SkinError::badMagic},
        {"newer version", withByte(good, 4, 2), SkinError::badVersion},
        {"reserved header field in use", withByte(good, 6, 1), SkinError::badVersion},
        {"damaged body", withByte(good, 40, static_cast<std::uint8_t>(good[40] ^ 0x01U)),
         SkinError::badChecksum},
        {"damaged checksum", withByte(good, 12, static_cast<std::uint8_t>(good[12] ^ 0x80U)),
         SkinError::badChecksum},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedSkin parsed = parseSkin(c.data);
        EXPECT_EQ(parsed.error, c.expected);
        EXPECT_TRUE(parsed.skin.name.empty()) << "nothing of a refused skin is reported";
    }
}

TEST(SkinFormat, RefusesMalformedRecordsEvenWithACorrectChecksum) {
    const ByteVector red = {0, 0xFF, 0, 0};
    struct Case {
        const char* name;
        std::vector<ByteVector> records;
        SkinError expected;
    };
    const std::vector<Case> cases = {
        {"no records at all", {}, SkinError::missingName},
        {"no name", {record(0x0002, red)}, SkinError::missingName},
        {"unknown record type", {nameRecord("a"), record(0x0042, {1})}, SkinError::badRecord},
        {"record longer than the file",
         {nameRecord("a"), ByteVector{2, 0, 9, 0, 1, 2}},
         SkinError::badRecord},
        {"partial record header", {nameRecord("a"), ByteVector{2, 0}}, SkinError::badRecord},
        {"empty name", {nameRecord("")}, SkinError::badRecord},
        {"two names", {nameRecord("a"), nameRecord("b")}, SkinError::badRecord},
        {"colour of an unknown role",
         {nameRecord("a"), record(0x0002, {200, 1, 2, 3})},
         SkinError::badRecord},
        {"colour twice",
         {nameRecord("a"), record(0x0002, red), record(0x0002, red)},
         SkinError::badRecord},
        {"colour of the wrong size",
         {nameRecord("a"), record(0x0002, {0, 1, 2})},
         SkinError::badRecord},
        {"font too small",
         {nameRecord("a"), record(0x0003, {0, 2, 0x90, 0x01, 'S'})},
         SkinError::badRecord},
        {"font without a family",
         {nameRecord("a"), record(0x0003, {0, 9, 0x90, 0x01})},
         SkinError::badRecord},
        {"font weight out of range",
         {nameRecord("a"), record(0x0003, {0, 9, 0x00, 0x10, 'S'})},
         SkinError::badRecord},
        {"metric out of range",
         {nameRecord("a"), record(0x0004, {0, 0xFF, 0})},
         SkinError::badRecord},
        {"padding before the end", {record(0x00FF, {0}), nameRecord("a")}, SkinError::badRecord},
        {"padding that is not zero",
         {nameRecord("a"), record(0x00FF, {0, 7})},
         SkinError::badRecord},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseSkin(skinFile(c.records)).error, c.expected);
    }
}

}  // namespace
}  // namespace hotlist::skinformat

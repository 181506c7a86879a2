#include "text/code_page_conversion.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace hotlist {
namespace {

using namespace std::string_view_literals;

// A converter whose mapping is trivial (byte n <-> unit n, low byte only on the way back), so
// the tests see what the chain hands over and what it makes of the answers.
class FakeConverter : public CodePageConverter {
  public:
    struct Call {
        unsigned codePage;
        std::u16string input;  // bytes widened one to one on the multi-byte side
        bool withOutput;
        int size;
        friend bool operator==(const Call&, const Call&) = default;
    };

    int MultiByteToWideChar(unsigned codePage, const char* input, char16_t* output,
                            int outputUnits) override {
        std::u16string units;
        for (const char* p = input; *p != '\0'; ++p) {
            units.push_back(static_cast<unsigned char>(*p));
        }
        toWide.push_back({codePage, units, output != nullptr, outputUnits});
        if (refused.contains(codePage)) {
            return 0;
        }
        units.push_back(u'\0');
        return answer(units, output, outputUnits);
    }

    int WideCharToMultiByte(unsigned codePage, const char16_t* input, char* output,
                            int outputBytes) override {
        const std::u16string units(input);
        toMultiByte.push_back({codePage, units, output != nullptr, outputBytes});
        if (refused.contains(codePage)) {
            return 0;
        }
        std::u16string bytes;
        for (const char16_t unit : units) {
            bytes.push_back(unit & 0xFF);
        }
        if (writesTerminator) {
            bytes.push_back(u'\0');
        }
        return answer(bytes, output, outputBytes);
    }

    std::set<unsigned> refused;
    bool writesTerminator = true;
    std::vector<Call> toWide;
    std::vector<Call> toMultiByte;

  private:
    template <typename Unit>
    static int answer(const std::u16string& result, Unit* output, int size) {
        if (output == nullptr) {
            return static_cast<int>(result.size());
        }
        if (static_cast<std::size_t>(size) < result.size()) {
            return 0;
        }
        for (std::size_t i = 0; i < result.size(); ++i) {
            output[i] = static_cast<Unit>(result[i]);
        }
        return static_cast<int>(result.size());
    }
};

Bytes bytes(std::string_view data) {
    return Bytes(data);
}

TEST(MultiByteToWide, AsksForTheSizeThenFillsExactlyThatManyUnitsKeepingTheTerminator) {
    FakeConverter converter;
    EXPECT_EQ(multiByteToWide(converter, bytes("ab"), 936), bytes("a\0b\0\0\0"sv));
    const std::vector<FakeConverter::Call> expected = {{936, u"ab", false, 0},
                                                       {936, u"ab", true, 3}};
    EXPECT_EQ(converter.toWide, expected);
}

TEST(MultiByteToWide, StopsAtTheFirstZeroByte) {
    FakeConverter converter;
    EXPECT_EQ(multiByteToWide(converter, bytes("a\0b"sv), 65001), bytes("a\0\0\0"sv));
    EXPECT_EQ(converter.toWide.back().input, u"a");
}

TEST(WideToMultiByte, AsksForTheSizeThenFillsAndDropsTheTerminator) {
    FakeConverter converter;
    EXPECT_EQ(wideToMultiByte(converter, bytes("a\0b\0"sv), 936), bytes("ab"));
    const std::vector<FakeConverter::Call> expected = {{936, u"ab", false, 0},
                                                       {936, u"ab", true, 3}};
    EXPECT_EQ(converter.toMultiByte, expected);
}

TEST(WideToMultiByte, ResultEndsAtTheFirstZeroByte) {
    struct Case {
        const char* name;
        std::string_view wide;
        std::string_view expected;
    };
    const Case cases[] = {
        {"zero unit in the middle", "a\0\0\0b\0"sv, "a"},
        {"converter output holding a zero byte",
         "a\0\0\x01"
         "b\0"sv,
         "a"},
        {"odd trailing byte read as a unit of its own", "a\0b"sv, "ab"},
    };
    for (const Case& c : cases) {
        FakeConverter converter;
        EXPECT_EQ(wideToMultiByte(converter, bytes(c.wide), 936), bytes(c.expected)) << c.name;
    }
}

TEST(WideToMultiByte, StaysInsideTheBufferWhenTheConverterWritesNoTerminator) {
    FakeConverter converter;
    converter.writesTerminator = false;
    EXPECT_EQ(wideToMultiByte(converter, bytes("a\0b\0"sv), 936), bytes("ab"));
}

TEST(CodePageConversion, EmptyOrZeroLedInputGivesEmptyWithoutAskingTheConverter) {
    FakeConverter converter;
    EXPECT_TRUE(multiByteToWide(converter, Bytes(), 65001).empty());
    EXPECT_TRUE(multiByteToWide(converter, bytes("\0a"sv), 65001).empty());
    EXPECT_TRUE(textToWide(converter, Text()).empty());
    EXPECT_TRUE(wideToMultiByte(converter, Bytes(), 936).empty());
    EXPECT_TRUE(wideToMultiByte(converter, bytes("\0\0a\0"sv), 936).empty());
    EXPECT_TRUE(wideToText(converter, Bytes()).empty());
    EXPECT_TRUE(utf8ToLocal(converter, Text()).empty());
    EXPECT_TRUE(converter.toWide.empty());
    EXPECT_TRUE(converter.toMultiByte.empty());
}

TEST(CodePageConversion, RefusedCodePageGivesEmptyResultsWithoutFillCall) {
    FakeConverter converter;
    converter.refused = {65001, 936};
    EXPECT_TRUE(multiByteToWide(converter, bytes("ab"), 65001).empty());
    EXPECT_TRUE(wideToMultiByte(converter, bytes("a\0"sv), 936).empty());
    EXPECT_TRUE(utf8ToLocal(converter, "ab").empty());
    for (const auto* calls : {&converter.toWide, &converter.toMultiByte}) {
        for (const FakeConverter::Call& call : *calls) {
            EXPECT_FALSE(call.withOutput);
        }
    }
}

TEST(CodePageConversion, ChainUsesUtf8InAndCodePage936OutAndDefaultsToUtf8AndAnsi) {
    FakeConverter converter;
    EXPECT_EQ(utf8ToLocal(converter, "hi"), Text("hi"));
    EXPECT_EQ(converter.toWide.front().codePage, kCodePageUtf8);
    EXPECT_EQ(converter.toMultiByte.front().codePage, kCodePageGbk);

    converter.toWide.clear();
    converter.toMultiByte.clear();
    EXPECT_EQ(wideToText(converter, textToWide(converter, "x")), Text("x"));
    EXPECT_EQ(converter.toWide.front().codePage, kCodePageUtf8);
    EXPECT_EQ(converter.toMultiByte.front().codePage, kCodePageAnsi);
}

}  // namespace
}  // namespace hotlist

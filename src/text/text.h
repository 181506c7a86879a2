#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace hotlist {

// A code page 936 byte string that never holds a zero byte. Absent and empty are one value.
class Text {
  public:
    Text() = default;
    // Takes the bytes up to the first zero byte; a null pointer is the empty text.
    Text(const char* cString);  // NOLINT(google-explicit-constructor): literals read as texts
    // Takes the bytes up to the first zero byte of `bytes`.
    explicit Text(std::string_view bytes);
    // Takes over `bytes`, cut at their first zero byte.
    explicit Text(std::string&& bytes);

    [[nodiscard]] std::string_view view() const { return bytes_; }
    explicit operator std::string_view() const { return bytes_; }
    // Zero-terminated bytes, valid while the text lives.
    [[nodiscard]] const char* cStr() const { return bytes_.c_str(); }
    [[nodiscard]] int length() const { return static_cast<int>(bytes_.size()); }
    [[nodiscard]] bool empty() const { return bytes_.empty(); }
    [[nodiscard]] unsigned char byteAt(int index0) const {
        return static_cast<unsigned char>(bytes_[static_cast<std::size_t>(index0)]);
    }

    friend bool operator==(const Text&, const Text&) = default;

  private:
    std::string bytes_;
};

// A length and that many bytes, zero bytes allowed. Absent and empty are one value.
class Bytes {
  public:
    Bytes() = default;
    explicit Bytes(std::string_view bytes);
    explicit Bytes(std::vector<std::uint8_t> bytes);

    [[nodiscard]] const std::uint8_t* data() const { return bytes_.data(); }
    [[nodiscard]] std::uint8_t* data() { return bytes_.data(); }
    [[nodiscard]] int length() const { return static_cast<int>(bytes_.size()); }
    [[nodiscard]] bool empty() const { return bytes_.empty(); }
    [[nodiscard]] std::string_view view() const {
        return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
    }

    friend bool operator==(const Bytes&, const Bytes&) = default;

  private:
    std::vector<std::uint8_t> bytes_;
};

// Texts addressed 1..elementCount; any other index ends the program through the fatal stop.
class TextArray {
  public:
    TextArray() = default;
    explicit TextArray(std::vector<Text> elements) : elements_(std::move(elements)) {}

    [[nodiscard]] const Text& at(int index) const;
    Text& at(int index);
    [[nodiscard]] int count() const { return static_cast<int>(elements_.size()); }
    void append(Text element) { elements_.push_back(std::move(element)); }

    [[nodiscard]] const std::vector<Text>& elements() const { return elements_; }

    friend bool operator==(const TextArray&, const TextArray&) = default;

  private:
    std::vector<Text> elements_;
};

// Length and extraction (byte based; may cut a double-byte character).
int textLength(const Text& text);
Text textLeft(const Text& text, int n);
Text textRight(const Text& text, int n);
Text textMid(const Text& text, int start, int n);
int charCode(const Text& text, int position = 1);
Text charFromCode(int code);
Text blankText(int n);

// Search (character walk; 1-based positions, -1 when nothing is found).
// A start of 0 stands for "omitted" in findText; findTextReverse takes -1 for "omitted".
int findText(const Text& text, const Text& sought, int start = 0, bool ignoreCase = false);
inline constexpr int kFromEnd = -1;
int findTextReverse(const Text& text, const Text& sought, int start = kFromEnd,
                    bool ignoreCase = false);

// Transformation.
Text trimSpaces(const Text& text);
Text toUpperCase(const Text& text);
Text replaceSubtext(const Text& text, const Text& sought, const Text& replacement,
                    bool caseSensitive);
// Every quote marker (texts::quoteMarker), which stands for a double quote inside a
// literal, replaced by the double quote itself.
Text withQuotes(const Text& text);
TextArray splitText(const Text& text, const Text& separator);
Text concatText(std::initializer_list<std::string_view> parts);
template <typename... Parts>
Text concatText(const Parts&... parts) {
    return concatText({std::string_view(parts)...});
}

// Comparison.
int compareText(const Text& a, const Text& b);
bool compareBytes(const Bytes& a, const Bytes& b);

// Conversion.
Text numberToText(double value);
Bytes textToBytes(const Text& text);
Text bytesToText(const Bytes& bytes);
std::int32_t truncateToInteger(double value);
std::uint8_t toByte(std::int32_t value);

// Bytes.
int bytesLength(const Bytes& bytes);
Bytes blankBytes(int n);
Bytes bytesMid(const Bytes& bytes, int start, int n);
Bytes concatBytes(std::initializer_list<const Bytes*> parts);
Bytes bytesFromPointer(const void* address, int n);

// Integer and real operations.
double remainder(double a, double b);
std::int32_t shiftLeft(std::int32_t value, int k);
std::int32_t shiftRight(std::int32_t value, int k);
std::int32_t bitAnd(std::int32_t a, std::int32_t b);

// Arrays.
int elementCount(const TextArray& array);
void appendElement(TextArray& array, const Text& text);

}  // namespace hotlist

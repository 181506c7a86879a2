#include "text/iconv_code_page_converter.h"

#include <climits>
#include <cstddef>
#include <string_view>

#include "text/utf8_codec.h"

namespace hotlist {

namespace {

bool isGbk(unsigned codePage) {
    return codePage == kCodePageGbk || codePage == kCodePageAnsi;
}

// Windows semantics for the buffer arguments: size 0 asks for the size whatever the pointer;
// a buffer that does not hold the whole result, terminator included, fails the call.
template <typename Unit>
int finish(std::size_t needed, Unit* output, int outputSize) {
    const std::size_t withTerminator = needed + 1;
    if (withTerminator > INT_MAX) {
        return 0;
    }
    if (outputSize == 0) {
        return static_cast<int>(withTerminator);
    }
    if (withTerminator > static_cast<std::size_t>(outputSize)) {
        return 0;
    }
    output[needed] = Unit{0};
    return static_cast<int>(withTerminator);
}

bool validBuffer(const void* input, const void* output, int outputSize) {
    return input != nullptr && outputSize >= 0 && (outputSize == 0 || output != nullptr);
}

}  // namespace

int IconvCodePageConverter::MultiByteToWideChar(unsigned codePage, const char* input,
                                                char16_t* output, int outputUnits) {
    if (!validBuffer(input, output, outputUnits)) {
        return 0;
    }
    const std::string_view bytes(input);
    char16_t* target = outputUnits == 0 ? nullptr : output;
    const auto capacity = static_cast<std::size_t>(outputUnits);
    if (codePage == kCodePageUtf8) {
        return finish(utf8ToUtf16(bytes, target, capacity), output, outputUnits);
    }
    if (isGbk(codePage) && gbk_.available()) {
        return finish(gbk_.decode(bytes, target, capacity), output, outputUnits);
    }
    return 0;
}

int IconvCodePageConverter::WideCharToMultiByte(unsigned codePage, const char16_t* input,
                                                char* output, int outputBytes) {
    if (!validBuffer(input, output, outputBytes)) {
        return 0;
    }
    const std::u16string_view units(input);
    char* target = outputBytes == 0 ? nullptr : output;
    const auto capacity = static_cast<std::size_t>(outputBytes);
    if (codePage == kCodePageUtf8) {
        return finish(utf16ToUtf8(units, target, capacity), output, outputBytes);
    }
    if (isGbk(codePage) && gbk_.available()) {
        return finish(gbk_.encode(units, target, capacity), output, outputBytes);
    }
    return 0;
}

}  // namespace hotlist

// Feeds arbitrary header blocks and addresses to the header block routines and checks what
// must hold for any input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_checks.h"
#include "text/text.h"
#include "web/header_block.h"

namespace {

using hotlist::Text;
using hotlist::fuzz::require;
using hotlist::fuzz::requireNoZeroByte;

// Whether the text ends in a CR LF that a character walk sees as two characters; a CR taken
// along by a lead byte before it does not count.
bool endsInLineBreak(std::string_view bytes) {
    if (bytes.size() < 2 || bytes.substr(bytes.size() - 2) != "\r\n") {
        return false;
    }
    std::size_t at = 0;
    while (at < bytes.size() - 2) {
        at += static_cast<unsigned char>(bytes[at]) >= 0x80 ? 2 : 1;
    }
    return at == bytes.size() - 2;
}

void checkNormalised(const Text& block) {
    const Text normalised = hotlist::normaliseHeaderBlock(block);
    requireNoZeroByte(normalised);
    require(hotlist::normaliseHeaderBlock(normalised) == normalised);
    require(normalised.length() <= block.length());
    const hotlist::TextArray lines = hotlist::splitText(normalised, "\r\n");
    for (const Text& line : lines.elements()) {
        require(!line.empty());
        require(hotlist::findText(line, ":") != -1);
    }
    require(!endsInLineBreak(normalised.view()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int method = input.ConsumeIntegralInRange(-1, 8);
    const Text url(input.ConsumeRandomLengthString(128));
    const Text block(input.ConsumeRemainingBytesAsString());

    checkNormalised(block);
    const Text withDefaults = hotlist::addDefaultHeaders(block, url, method);
    require(withDefaults.view().substr(0, block.view().size()) == block.view());
    checkNormalised(withDefaults);
    return 0;
}

// Feeds arbitrary cookie strings and response headers to the cookie routines and checks what
// must hold for any input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "text/text.h"
#include "web/cookie_strings.h"
#include "web/unique_items.h"

namespace {

using hotlist::Text;
using hotlist::fuzz::require;
using hotlist::fuzz::requireNoZeroByte;

bool endsWith(const Text& text, std::string_view tail) {
    return text.view().size() >= tail.size() &&
           text.view().substr(text.view().size() - tail.size()) == tail;
}

void checkMerge(const Text& sentBefore, const Text& returnedBefore) {
    Text sent = sentBefore;
    Text returned = returnedBefore;
    const Text merged = hotlist::mergeCookies(sent, returned);
    requireNoZeroByte(merged);
    requireNoZeroByte(returned);
    require(sent == merged);
    const hotlist::TextArray items = hotlist::splitText(merged, "; ");
    for (const Text& item : items.elements()) {
        require(!endsWith(item, "=deleted"));
    }
}

// Applying joinUnique to its own result changes nothing, except that a result ending in the
// separator (its last kept piece was empty) loses that separator once, as splitting makes
// no empty last piece.
void checkJoinUnique(const Text& text, const Text& separator, int mode) {
    const Text once = hotlist::joinUnique(text, separator, mode);
    requireNoZeroByte(once);
    const Text twice = hotlist::joinUnique(once, separator, mode);
    if (!separator.empty() && endsWith(once, separator.view())) {
        require(hotlist::joinUnique(twice, separator, mode) == twice);
    } else {
        require(twice == once);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Text sent(input.ConsumeRandomLengthString(256));
    const Text returned(input.ConsumeRandomLengthString(256));
    const Text headers(input.ConsumeRemainingBytesAsString());

    const Text collected = hotlist::collectReturnedCookies(headers);
    requireNoZeroByte(collected);
    checkMerge(sent, returned);
    checkMerge(sent, collected);
    checkJoinUnique(headers, "; ", 1);
    checkJoinUnique(sent, returned, 1);
    // In character mode a lone CR and a lone LF brought together by dropping the pieces
    // between them read as one CR LF the next time, so that check runs without CR.
    std::string withoutCr(headers.view());
    std::erase(withoutCr, '\r');
    checkJoinUnique(Text(withoutCr), "", 0);
    return 0;
}

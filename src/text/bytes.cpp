#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "text/allocation_guard.h"
#include "text/text.h"

namespace hotlist {

int bytesLength(const Bytes& bytes) {
    return bytes.length();
}

Bytes blankBytes(int n) {
    if (n <= 0) {
        return {};
    }
    const auto count = static_cast<std::size_t>(n);
    return guardAllocation(count, [&] { return Bytes(std::vector<std::uint8_t>(count, 0)); });
}

// Unlike textMid, a start below 1 counts as 1; a negative count counts as 0.
Bytes bytesMid(const Bytes& bytes, int start, int n) {
    const std::size_t offset = start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
    if (offset >= bytes.view().size() || n <= 0) {
        return {};
    }
    const std::string_view slice = bytes.view().substr(offset, static_cast<std::size_t>(n));
    return guardAllocation(slice.size(), [&] { return Bytes(slice); });
}

// A null operand is an absent value and adds nothing.
Bytes concatBytes(std::initializer_list<const Bytes*> parts) {
    std::size_t total = 0;
    for (const Bytes* part : parts) {
        total += part != nullptr ? part->view().size() : 0;
    }
    return guardAllocation(total, [&] {
        std::vector<std::uint8_t> joined;
        joined.reserve(total);
        for (const Bytes* part : parts) {
            if (part != nullptr) {
                joined.insert(joined.end(), part->data(), part->data() + part->length());
            }
        }
        return Bytes(std::move(joined));
    });
}

// A null address or a count of 0 or below gives the empty value.
Bytes bytesFromPointer(const void* address, int n) {
    if (address == nullptr || n <= 0) {
        return {};
    }
    const auto count = static_cast<std::size_t>(n);
    return guardAllocation(
        count, [&] { return Bytes(std::string_view(static_cast<const char*>(address), count)); });
}

}  // namespace hotlist

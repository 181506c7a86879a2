#include "web/base64.h"

#include <string>

namespace hotlist {

Text base64Encode(const Bytes& data) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    const int n = data.length();
    if (n == 0) {
        return {};
    }
    std::string out;
    out.reserve(static_cast<std::size_t>((n + 2) / 3 * 4));
    const std::uint8_t* p = data.data();
    for (int i = 0; i < n; i += 3) {
        // Missing bytes of the last group count as zero; their characters become "=" below.
        const std::uint32_t group = (std::uint32_t{p[i]} << 16) |
                                    (i + 1 < n ? std::uint32_t{p[i + 1]} << 8 : 0U) |
                                    (i + 2 < n ? std::uint32_t{p[i + 2]} : 0U);
        for (int shift = 18; shift >= 0; shift -= 6) {
            out += kAlphabet[(group >> shift) & 0x3FU];
        }
    }
    const int padding = (3 - n % 3) % 3;
    out.replace(out.size() - static_cast<std::size_t>(padding), static_cast<std::size_t>(padding),
                static_cast<std::size_t>(padding), '=');
    return Text(out);
}

}  // namespace hotlist

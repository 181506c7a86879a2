#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hotlist {

// Calls made on fakes, one text line each, in the order they happened. Several fakes can
// share one log so that tests see the order across them.
using CallLog = std::vector<std::string>;

// The bytes between double quotes, so that spaces at either end stay visible.
inline std::string inQuotes(std::string_view bytes) {
    return "\"" + std::string(bytes) + "\"";
}

}  // namespace hotlist

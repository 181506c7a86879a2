#pragma once

#include <cstddef>
#include <new>

#include "text/fatal_stop.h"

namespace hotlist {

// Runs `make`, turning an exhausted allocation into the fatal stop that names `bytes`, the
// size of the result being made.
template <typename Make>
auto guardAllocation(std::size_t bytes, Make make) -> decltype(make()) {
    try {
        return make();
    } catch (const std::bad_alloc&) {
        outOfMemory(bytes);
    }
}

}  // namespace hotlist

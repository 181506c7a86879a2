#pragma once

#include <cstdint>

namespace hotlist {

// Calls the __stdcall function at `function` with `count` 32-bit arguments and returns its
// 32-bit result, comparing the stack pointer before and after: a callee that does not remove
// exactly its declared arguments ends the program through the fatal stop. Only i686 has
// this hazard; x86_64 has one calling convention and calls its callees plainly.
#if defined(__i386__)
std::uint32_t callStdcallChecked(const void* function, const std::uint32_t* arguments,
                                 std::uint32_t count);
#endif

}  // namespace hotlist

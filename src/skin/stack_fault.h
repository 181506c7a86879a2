#pragma once

namespace hotlist {

// The code of the fatal stop after a library call that left the stack unbalanced.
inline constexpr int kUnbalancedStackCode = 6;

// Stops the program after a call into an outside library left the stack unbalanced.
[[noreturn]] void stopOnUnbalancedStack();

}  // namespace hotlist

#include "base/stdcall_check.h"

#include "skin/stack_fault.h"

namespace hotlist {

#if defined(__i386__)

// edi keeps the stack pointer from before the pushes and esi the argument array; a callee
// that honours the convention preserves both, and the stack pointer is put back from edi
// whatever the callee did, so the fatal stop runs on a sound stack.
std::uint32_t callStdcallChecked(const void* function, const std::uint32_t* arguments,
                                 std::uint32_t count) {
    std::uint32_t result = 0;
    std::uint32_t balanced = 0;
    __asm__ volatile(
        "movl %%esp, %%edi\n\t"
        "testl %%ecx, %%ecx\n\t"
        "jz 2f\n"
        "1:\n\t"
        "pushl -4(%%esi,%%ecx,4)\n\t"
        "decl %%ecx\n\t"
        "jnz 1b\n"
        "2:\n\t"
        "call *%%eax\n\t"
        "xorl %%edx, %%edx\n\t"
        "cmpl %%esp, %%edi\n\t"
        "sete %%dl\n\t"
        "movl %%edi, %%esp\n\t"
        : "=a"(result), "=d"(balanced), "+c"(count), "+S"(arguments)
        : "0"(function)
        : "edi", "memory", "cc");
    if (balanced == 0) {
        stopOnUnbalancedStack();
    }
    return result;
}

#endif

}  // namespace hotlist

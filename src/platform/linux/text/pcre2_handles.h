#pragma once

#ifndef PCRE2_CODE_UNIT_WIDTH
#define PCRE2_CODE_UNIT_WIDTH 16
#endif
#include <pcre2.h>

#include <memory>

namespace hotlist {

// Owners of the PCRE2 (16-bit) objects; each frees its object with the library's own call.
struct Pcre2CodeFree {
    void operator()(pcre2_code_16* code) const { pcre2_code_free_16(code); }
};
struct Pcre2MatchDataFree {
    void operator()(pcre2_match_data_16* data) const { pcre2_match_data_free_16(data); }
};
struct Pcre2MatchContextFree {
    void operator()(pcre2_match_context_16* context) const { pcre2_match_context_free_16(context); }
};
struct Pcre2CompileContextFree {
    void operator()(pcre2_compile_context_16* context) const {
        pcre2_compile_context_free_16(context);
    }
};
struct Pcre2JitStackFree {
    void operator()(pcre2_jit_stack_16* stack) const { pcre2_jit_stack_free_16(stack); }
};

using Pcre2Code = std::unique_ptr<pcre2_code_16, Pcre2CodeFree>;
using Pcre2MatchData = std::unique_ptr<pcre2_match_data_16, Pcre2MatchDataFree>;
using Pcre2MatchContext = std::unique_ptr<pcre2_match_context_16, Pcre2MatchContextFree>;
using Pcre2CompileContext = std::unique_ptr<pcre2_compile_context_16, Pcre2CompileContextFree>;
using Pcre2JitStack = std::unique_ptr<pcre2_jit_stack_16, Pcre2JitStackFree>;

}  // namespace hotlist

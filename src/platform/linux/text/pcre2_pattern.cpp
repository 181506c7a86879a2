#include "pcre2_pattern.h"

#include <algorithm>
#include <limits>
#include <string>

#include "ecma_dialect.h"

namespace hotlist {

namespace {

// Options that bring PCRE2 close to the scripting engine's ECMAScript-like dialect. UTF mode
// stays off: a code page 936 text never yields a surrogate, so every unit is one character,
// and case folding then covers ASCII letters only, as the system expects.
constexpr std::uint32_t kDialectOptions = PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF |
                                          PCRE2_ALLOW_EMPTY_CLASS | PCRE2_DOLLAR_ENDONLY |
                                          PCRE2_ALT_CIRCUMFLEX;

// The backtracking guard of one search call: it grows with the subject, so that a lazy
// `[\s\S]*?` may run across a page of any size, while an expression whose backtracking
// explodes stops after a time proportional to the subject.
constexpr std::uint32_t kMinimumMatchLimit = 10'000'000;
constexpr std::size_t kMatchLimitPerUnit = 16;
constexpr std::size_t kJitStackStart = 32 * 1024;
constexpr std::size_t kJitStackMax = 1024 * 1024;

Pcre2Code compileCode(const std::u16string& expression, bool ignoreCase, bool multiline) {
    const Pcre2CompileContext context(pcre2_compile_context_create_16(nullptr));
    if (context == nullptr) {
        return nullptr;
    }
    pcre2_set_newline_16(context.get(), PCRE2_NEWLINE_ANYCRLF);
    pcre2_set_compile_extra_options_16(context.get(), PCRE2_EXTRA_BAD_ESCAPE_IS_LITERAL);
    std::uint32_t options = kDialectOptions;
    if (ignoreCase) {
        options |= PCRE2_CASELESS;
    }
    if (multiline) {
        options |= PCRE2_MULTILINE;
    }
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    return Pcre2Code(pcre2_compile_16(reinterpret_cast<PCRE2_SPTR16>(expression.data()),
                                      expression.size(), options, &errorCode, &errorOffset,
                                      context.get()));
}

}  // namespace

// JIT is an optimisation only: when it is unavailable the interpreter runs the same code.
std::unique_ptr<Pcre2Pattern> Pcre2Pattern::compile(std::u16string_view expression, bool ignoreCase,
                                                    bool multiline) {
    std::unique_ptr<Pcre2Pattern> pattern(new Pcre2Pattern());
    pattern->code_ = compileCode(dotExcludesOnlyLineFeed(expression), ignoreCase, multiline);
    if (pattern->code_ == nullptr) {
        return nullptr;
    }
    pcre2_jit_compile_16(pattern->code_.get(), PCRE2_JIT_COMPLETE);
    std::uint32_t captureCount = 0;
    pcre2_pattern_info_16(pattern->code_.get(), PCRE2_INFO_CAPTURECOUNT, &captureCount);
    pattern->groupCount_ = static_cast<int>(captureCount);
    pattern->matchData_.reset(
        pcre2_match_data_create_from_pattern_16(pattern->code_.get(), nullptr));
    pattern->matchContext_.reset(pcre2_match_context_create_16(nullptr));
    if (pattern->matchData_ == nullptr || pattern->matchContext_ == nullptr) {
        return nullptr;
    }
    pattern->jitStack_.reset(pcre2_jit_stack_create_16(kJitStackStart, kJitStackMax, nullptr));
    if (pattern->jitStack_ != nullptr) {
        pcre2_jit_stack_assign_16(pattern->matchContext_.get(), nullptr, pattern->jitStack_.get());
    }
    return pattern;
}

// After an empty match the next search starts one unit further on, so `a*` over "baac"
// finds four matches; any failure, a limit included, ends the search.
void Pcre2Pattern::search(std::u16string_view subject, bool global,
                          const std::function<void(const std::size_t* pairs)>& onMatch) {
    // An empty view may carry no storage; the library wants a pointer all the same.
    static constexpr char16_t kNothing[] = u"";
    const auto* units =
        reinterpret_cast<PCRE2_SPTR16>(subject.data() != nullptr ? subject.data() : kNothing);
    const std::size_t scaled = std::min<std::size_t>(subject.size() * kMatchLimitPerUnit,
                                                     std::numeric_limits<std::uint32_t>::max());
    pcre2_set_match_limit_16(matchContext_.get(),
                             std::max(kMinimumMatchLimit, static_cast<std::uint32_t>(scaled)));
    std::size_t start = 0;
    while (start <= subject.size()) {
        const int result = pcre2_match_16(code_.get(), units, subject.size(), start, 0,
                                          matchData_.get(), matchContext_.get());
        if (result < 0) {
            return;
        }
        const PCRE2_SIZE* pairs = pcre2_get_ovector_pointer_16(matchData_.get());
        onMatch(pairs);
        if (!global) {
            return;
        }
        start = pairs[1] > pairs[0] ? pairs[1] : pairs[0] + 1;
    }
}

}  // namespace hotlist

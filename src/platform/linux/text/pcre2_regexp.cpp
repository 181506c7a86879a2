#include "pcre2_regexp.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ecma_dialect.h"
#include "pcre2_matches.h"
#include "wide_text.h"

namespace hotlist {

Pcre2RegExp::Pcre2RegExp(CodePageConverter& converter) : converter_(converter) {}

bool Pcre2RegExp::putIgnoreCase(bool value) {
    compiledIsCurrent_ = compiledIsCurrent_ && ignoreCase_ == value;
    ignoreCase_ = value;
    return true;
}

bool Pcre2RegExp::putMultiline(bool value) {
    compiledIsCurrent_ = compiledIsCurrent_ && multiline_ == value;
    multiline_ = value;
    return true;
}

bool Pcre2RegExp::putGlobal(bool value) {
    global_ = value;
    return true;
}

// Like the platform object, any text is accepted here; an invalid one fails the search.
bool Pcre2RegExp::putPattern(const Text& pattern) {
    compiledIsCurrent_ = compiledIsCurrent_ && pattern_ == pattern;
    pattern_ = pattern;
    return true;
}

Text Pcre2RegExp::getPattern() {
    return pattern_;
}

Pcre2Pattern* Pcre2RegExp::compiled() {
    if (!compiledIsCurrent_) {
        compiled_ = Pcre2Pattern::compile(gbkToWide(converter_, pattern_), ignoreCase_, multiline_);
        compiledIsCurrent_ = true;
    }
    return compiled_.get();
}

// The subject is converted once; the collection keeps the match offsets and converts a
// match or group back only when it is read.
std::unique_ptr<RegExpMatchCollection> Pcre2RegExp::Execute(const Text& subject) {
    Pcre2Pattern* pattern = compiled();
    if (pattern == nullptr) {
        return nullptr;
    }
    auto table = std::make_shared<MatchTable>();
    table->subject = gbkToWide(converter_, subject);
    table->groupCount = pattern->groupCount();
    const std::size_t pairCount = 2 * (static_cast<std::size_t>(table->groupCount) + 1);
    pattern->search(table->subject, global_, [&table, pairCount](const std::size_t* pairs) {
        table->pairs.insert(table->pairs.end(), pairs, pairs + pairCount);
    });
    return std::make_unique<Pcre2MatchCollection>(std::move(table), converter_);
}

// An invalid pattern makes the platform call fail, which reads as the empty text.
Text Pcre2RegExp::Replace(const Text& subject, const Text& replacement) {
    Pcre2Pattern* pattern = compiled();
    if (pattern == nullptr) {
        return {};
    }
    const std::u16string wideSubject = gbkToWide(converter_, subject);
    const std::u16string wideReplacement = gbkToWide(converter_, replacement);
    std::u16string out;
    std::size_t copiedUpTo = 0;
    const int groupCount = pattern->groupCount();
    pattern->search(wideSubject, global_, [&](const std::size_t* pairs) {
        if (pairs[0] >= copiedUpTo) {
            out.append(wideSubject, copiedUpTo, pairs[0] - copiedUpTo);
        }
        appendExpandedReplacement(out, wideReplacement, wideSubject,
                                  MatchOffsets{pairs, groupCount, PCRE2_UNSET});
        copiedUpTo = std::max(copiedUpTo, pairs[1]);
    });
    out.append(wideSubject, copiedUpTo);
    return wideToGbk(converter_, out);
}

std::unique_ptr<RegExpObject> Pcre2RegExpFactory::create() {
    return std::make_unique<Pcre2RegExp>(converter_);
}

}  // namespace hotlist

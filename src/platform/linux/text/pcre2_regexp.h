#pragma once

#include <memory>

#include "pcre2_pattern.h"
#include "text/code_page_converter.h"
#include "text/regex_engine.h"

namespace hotlist {

// The scripting RegExp object over PCRE2: texts cross as UTF-16 through the converter.
class Pcre2RegExp : public RegExpObject {
  public:
    explicit Pcre2RegExp(CodePageConverter& converter);

    bool putIgnoreCase(bool value) override;
    bool putMultiline(bool value) override;
    bool putGlobal(bool value) override;
    bool putPattern(const Text& pattern) override;
    Text getPattern() override;
    std::unique_ptr<RegExpMatchCollection> Execute(const Text& subject) override;
    Text Replace(const Text& subject, const Text& replacement) override;

  private:
    // The compiled form of the current pattern and settings; null when it does not compile.
    Pcre2Pattern* compiled();

    CodePageConverter& converter_;
    Text pattern_;
    bool ignoreCase_ = false;
    bool multiline_ = false;
    bool global_ = false;
    std::unique_ptr<Pcre2Pattern> compiled_;
    bool compiledIsCurrent_ = false;
};

// Makes Pcre2RegExp objects that share one converter.
class Pcre2RegExpFactory : public RegExpFactory {
  public:
    explicit Pcre2RegExpFactory(CodePageConverter& converter) : converter_(converter) {}
    std::unique_ptr<RegExpObject> create() override;

  private:
    CodePageConverter& converter_;
};

}  // namespace hotlist

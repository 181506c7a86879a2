#pragma once

#include <memory>

#include "text/text.h"

namespace hotlist {

// The platform regular-expression object, shaped as the scripting RegExp object the system
// drives. Texts cross as code page 936. A failed write has no effect and a failed read gives
// the empty value; nothing here throws.
class RegExpSubMatches {
  public:
    virtual ~RegExpSubMatches() = default;
    virtual int Count() = 0;
    // The group's text, empty for a group that took no part or an index out of range.
    virtual Text Item(int index0) = 0;
};

class RegExpMatch {
  public:
    virtual ~RegExpMatch() = default;
    virtual Text Value() = 0;
    // Null when the groups cannot be read.
    virtual std::unique_ptr<RegExpSubMatches> SubMatches() = 0;
};

class RegExpMatchCollection {
  public:
    virtual ~RegExpMatchCollection() = default;
    virtual int Count() = 0;
    // Null for an index out of range.
    virtual std::unique_ptr<RegExpMatch> Item(int index0) = 0;
};

class RegExpObject {
  public:
    virtual ~RegExpObject() = default;
    virtual bool putIgnoreCase(bool value) = 0;
    virtual bool putMultiline(bool value) = 0;
    virtual bool putGlobal(bool value) = 0;
    virtual bool putPattern(const Text& pattern) = 0;
    virtual Text getPattern() = 0;
    // Null when the pattern is invalid or the search cannot run.
    virtual std::unique_ptr<RegExpMatchCollection> Execute(const Text& subject) = 0;
    virtual Text Replace(const Text& subject, const Text& replacement) = 0;
};

// Creates platform RegExp objects; null when none can be made.
class RegExpFactory {
  public:
    virtual ~RegExpFactory() = default;
    virtual std::unique_ptr<RegExpObject> create() = 0;
};

}  // namespace hotlist

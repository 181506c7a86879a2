#pragma once

#include <memory>

#include "text/com_library.h"
#include "text/regex_engine.h"
#include "text/text.h"

namespace hotlist {

// One regular expression run over one subject; matches and groups are read by 1-based number.
class RegexObject final {
  public:
    // Initialises COM on the calling thread; balanced once by the destructor.
    RegexObject(RegExpFactory& factory, ComLibrary& com);
    ~RegexObject();
    RegexObject(const RegexObject&) = delete;
    RegexObject& operator=(const RegexObject&) = delete;
    RegexObject(RegexObject&&) = delete;
    RegexObject& operator=(RegexObject&&) = delete;

    // Sets up a fresh platform object and runs it over `subject`; true when it produced a
    // match collection, even an empty one.
    bool create(const Text& pattern, const Text& subject, bool caseSensitive = false,
                bool multiline = true, bool global = true, bool replaceQuoteMarker = false);
    // The expression set on the platform object; empty before any create.
    Text pattern();
    // The stored subject with the last create's matches replaced.
    Text replace(const Text& replacement);
    // Number of matches of the last create; 0 without a collection.
    int matchCount();
    // Text of match n (from 1); empty when out of range.
    Text matchText(int n);
    // Text of group m (from 1) of match n (from 1); empty when out of range or unset.
    Text subMatchText(int n, int m);
    // Number of capture groups, read from the first match; 0 when there is none.
    int subMatchCount();

  private:
    std::unique_ptr<RegExpObject> regex_;
    std::unique_ptr<RegExpMatchCollection> matches_;
    Text subject_;
    RegExpFactory& factory_;
    ComLibrary& com_;
};

}  // namespace hotlist

#include "text/regex_object.h"

namespace hotlist {

RegexObject::RegexObject(RegExpFactory& factory, ComLibrary& com) : factory_(factory), com_(com) {
    com_.CoInitialize();
}

// Every platform object is released before COM is uninitialised.
RegexObject::~RegexObject() {
    regex_.reset();
    matches_.reset();
    subject_ = Text();
    com_.CoUninitialize();
}

// Nothing from an earlier create carries over: the object, its settings and the collection
// are all replaced. A missing object leaves every later call without effect.
bool RegexObject::create(const Text& pattern, const Text& subject, bool caseSensitive,
                         bool multiline, bool global, bool replaceQuoteMarker) {
    regex_.reset();
    matches_.reset();
    regex_ = factory_.create();
    const Text expression = replaceQuoteMarker ? withQuotes(pattern) : pattern;
    subject_ = subject;
    if (regex_ == nullptr) {
        return false;
    }
    regex_->putIgnoreCase(!caseSensitive);
    regex_->putMultiline(multiline);
    regex_->putGlobal(global);
    regex_->putPattern(expression);
    matches_ = regex_->Execute(subject_);
    return matches_ != nullptr;
}

Text RegexObject::pattern() {
    return regex_ == nullptr ? Text() : regex_->getPattern();
}

Text RegexObject::replace(const Text& replacement) {
    return regex_ == nullptr ? Text() : regex_->Replace(subject_, replacement);
}

int RegexObject::matchCount() {
    return matches_ == nullptr ? 0 : matches_->Count();
}

Text RegexObject::matchText(int n) {
    if (matches_ == nullptr || n < 1) {
        return {};
    }
    const std::unique_ptr<RegExpMatch> match = matches_->Item(n - 1);
    return match == nullptr ? Text() : match->Value();
}

Text RegexObject::subMatchText(int n, int m) {
    if (matches_ == nullptr || n < 1 || m < 1) {
        return {};
    }
    const std::unique_ptr<RegExpMatch> match = matches_->Item(n - 1);
    if (match == nullptr) {
        return {};
    }
    const std::unique_ptr<RegExpSubMatches> groups = match->SubMatches();
    return groups == nullptr ? Text() : groups->Item(m - 1);
}

int RegexObject::subMatchCount() {
    if (matches_ == nullptr) {
        return 0;
    }
    const std::unique_ptr<RegExpMatch> first = matches_->Item(0);
    if (first == nullptr) {
        return 0;
    }
    const std::unique_ptr<RegExpSubMatches> groups = first->SubMatches();
    return groups == nullptr ? 0 : groups->Count();
}

}  // namespace hotlist

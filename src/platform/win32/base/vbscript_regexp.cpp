#include "base/vbscript_regexp.h"

#include <memory>
#include <optional>
#include <utility>

#include "base/com_text.h"
#include "base/dispatch.h"

namespace hotlist {
namespace {

Text readText(IDispatch* object, const wchar_t* name,
              std::initializer_list<const UniqueVariant*> arguments = {}) {
    const auto value = invoke(object, name, DispatchCall::propertyGet, arguments);
    return value ? textFromVariant(value->get()) : Text();
}

int readCount(IDispatch* object) {
    const auto value = invoke(object, L"Count", DispatchCall::propertyGet);
    return value ? truncateToInteger(numberFromVariant(value->get())) : 0;
}

// The object a call gave back, in its wrapper; null when the call failed or gave no object.
template <typename Wrapper>
std::unique_ptr<Wrapper> wrapObject(const std::optional<UniqueVariant>& value) {
    ComPtr<IDispatch> object = value ? dispatchFromVariant(value->get()) : ComPtr<IDispatch>();
    if (!object) {
        return nullptr;
    }
    return std::make_unique<Wrapper>(std::move(object));
}

bool write(IDispatch* object, const wchar_t* name, const UniqueVariant& value) {
    return invoke(object, name, DispatchCall::propertyPut, {&value}).has_value();
}

class VbscriptSubMatches final : public RegExpSubMatches {
  public:
    explicit VbscriptSubMatches(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    int Count() override { return readCount(object_.get()); }
    // A group that took no part reads as VT_EMPTY, which is the empty text.
    Text Item(int index0) override {
        const UniqueVariant index = variantFromInt(index0);
        return readText(object_.get(), L"Item", {&index});
    }

  private:
    ComPtr<IDispatch> object_;
};

class VbscriptMatch final : public RegExpMatch {
  public:
    explicit VbscriptMatch(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    Text Value() override { return readText(object_.get(), L"Value"); }
    std::unique_ptr<RegExpSubMatches> SubMatches() override {
        return wrapObject<VbscriptSubMatches>(
            invoke(object_.get(), L"SubMatches", DispatchCall::propertyGet));
    }

  private:
    ComPtr<IDispatch> object_;
};

class VbscriptMatchCollection final : public RegExpMatchCollection {
  public:
    explicit VbscriptMatchCollection(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    int Count() override { return readCount(object_.get()); }
    std::unique_ptr<RegExpMatch> Item(int index0) override {
        const UniqueVariant index = variantFromInt(index0);
        return wrapObject<VbscriptMatch>(
            invoke(object_.get(), L"Item", DispatchCall::propertyGet, {&index}));
    }

  private:
    ComPtr<IDispatch> object_;
};

class VbscriptRegExp final : public RegExpObject {
  public:
    explicit VbscriptRegExp(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    bool putIgnoreCase(bool value) override { return putFlag(L"IgnoreCase", value); }
    bool putMultiline(bool value) override { return putFlag(L"Multiline", value); }
    bool putGlobal(bool value) override { return putFlag(L"Global", value); }
    bool putPattern(const Text& pattern) override {
        return write(object_.get(), L"Pattern", variantFromText(pattern));
    }
    Text getPattern() override { return readText(object_.get(), L"Pattern"); }

    std::unique_ptr<RegExpMatchCollection> Execute(const Text& subject) override {
        const UniqueVariant argument = variantFromText(subject);
        return wrapObject<VbscriptMatchCollection>(
            invoke(object_.get(), L"Execute", DispatchCall::method, {&argument}));
    }

    Text Replace(const Text& subject, const Text& replacement) override {
        const UniqueVariant source = variantFromText(subject);
        const UniqueVariant with = variantFromText(replacement);
        const auto value =
            invoke(object_.get(), L"Replace", DispatchCall::method, {&source, &with});
        return value ? textFromVariant(value->get()) : Text();
    }

  private:
    bool putFlag(const wchar_t* name, bool value) {
        return write(object_.get(), name, variantFromBool(value));
    }

    ComPtr<IDispatch> object_;
};

}  // namespace

std::unique_ptr<RegExpObject> VbscriptRegExpFactory::create() {
    ComPtr<IDispatch> object = createObject(L"VBScript.RegExp");
    if (!object) {
        return nullptr;
    }
    return std::make_unique<VbscriptRegExp>(std::move(object));
}

}  // namespace hotlist

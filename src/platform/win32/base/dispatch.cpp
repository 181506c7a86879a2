#include "base/dispatch.h"

#include <vector>

namespace hotlist {
namespace {

WORD invokeFlags(DispatchCall call) {
    switch (call) {
        case DispatchCall::method:
            return DISPATCH_METHOD;
        case DispatchCall::propertyGet:
            // Collections expose Item and Count as properties or methods depending on the
            // object; asking for both finds either.
            return DISPATCH_PROPERTYGET | DISPATCH_METHOD;
        case DispatchCall::propertyPut:
            break;
    }
    return DISPATCH_PROPERTYPUT;
}

std::optional<DISPID> memberId(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    auto* names = const_cast<LPOLESTR>(name);  // the API is not const-correct; it only reads
    if (FAILED(object->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id))) {
        return std::nullopt;
    }
    return id;
}

}  // namespace

// Invoke takes the arguments last to first; the VARIANTs are shallow copies that the caller's
// owners keep alive and free, since Invoke never takes ownership of its arguments.
std::optional<UniqueVariant> invoke(IDispatch* object, const wchar_t* name, DispatchCall call,
                                    std::initializer_list<const UniqueVariant*> arguments) {
    if (object == nullptr) {
        return std::nullopt;
    }
    const std::optional<DISPID> id = memberId(object, name);
    if (!id) {
        return std::nullopt;
    }
    std::vector<VARIANT> reversed;
    reversed.reserve(arguments.size());
    for (auto it = arguments.end(); it != arguments.begin();) {
        reversed.push_back((*--it)->get());
    }
    DISPID propertyPut = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{};
    parameters.rgvarg = reversed.data();
    parameters.cArgs = static_cast<UINT>(reversed.size());
    if (call == DispatchCall::propertyPut) {
        parameters.rgdispidNamedArgs = &propertyPut;
        parameters.cNamedArgs = 1;
    }
    UniqueVariant result;
    VARIANT* resultSlot = call == DispatchCall::propertyPut ? nullptr : result.put();
    const HRESULT outcome = object->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, invokeFlags(call),
                                           &parameters, resultSlot, nullptr, nullptr);
    if (FAILED(outcome)) {
        return std::nullopt;
    }
    return result;
}

ComPtr<IDispatch> createObject(const wchar_t* progId) {
    CLSID classId{};
    ComPtr<IDispatch> object;
    if (FAILED(CLSIDFromProgID(progId, &classId))) {
        return object;
    }
    if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IDispatch, object.putVoid()))) {
        object.reset();
    }
    return object;
}

}  // namespace hotlist

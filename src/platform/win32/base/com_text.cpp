#include "base/com_text.h"

#include <cstring>
#include <string>

#include "base/wide_conversion.h"

namespace hotlist {
namespace {

// VariantChangeType only reads its source; its declaration is not const-correct.
HRESULT changeType(UniqueVariant& target, const VARIANT& source, VARTYPE type) {
    return VariantChangeType(target.put(), const_cast<VARIANT*>(&source), 0, type);
}

}  // namespace

UniqueBstr bstrFromText(const Text& text) {
    const std::wstring wide = wideFromText(text, CP_ACP);
    return UniqueBstr(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
}

UniqueVariant variantFromText(const Text& text) {
    UniqueVariant result;
    UniqueBstr string = bstrFromText(text);
    if (string.get() != nullptr) {
        VARIANT* slot = result.put();
        V_VT(slot) = VT_BSTR;
        V_BSTR(slot) = string.release();
    }
    return result;
}

UniqueVariant variantFromInt(int value) {
    UniqueVariant result;
    VARIANT* slot = result.put();
    V_VT(slot) = VT_I4;
    V_I4(slot) = value;
    return result;
}

UniqueVariant variantFromBool(bool value) {
    UniqueVariant result;
    VARIANT* slot = result.put();
    V_VT(slot) = VT_BOOL;
    V_BOOL(slot) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return result;
}

UniqueVariant variantFromBytes(const Bytes& bytes) {
    UniqueVariant result;
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.length()));
    if (array == nullptr) {
        return result;
    }
    void* data = nullptr;
    if (bytes.length() > 0 && SUCCEEDED(SafeArrayAccessData(array, &data))) {
        std::memcpy(data, bytes.data(), static_cast<std::size_t>(bytes.length()));
        SafeArrayUnaccessData(array);
    }
    VARIANT* slot = result.put();
    V_VT(slot) = VT_ARRAY | VT_UI1;
    V_ARRAY(slot) = array;
    return result;
}

Text textFromVariant(const VARIANT& value) {
    if (V_VT(&value) == VT_BSTR) {
        return textFromWide(V_BSTR(&value), static_cast<int>(SysStringLen(V_BSTR(&value))), CP_ACP);
    }
    if (V_VT(&value) == VT_EMPTY || V_VT(&value) == VT_NULL) {
        return {};
    }
    UniqueVariant converted;
    if (FAILED(changeType(converted, value, VT_BSTR))) {
        return {};
    }
    return textFromVariant(converted.get());
}

double numberFromVariant(const VARIANT& value) {
    UniqueVariant converted;
    if (FAILED(changeType(converted, value, VT_R8))) {
        return 0;
    }
    return V_R8(&converted.get());
}

Bytes bytesFromVariant(const VARIANT& value) {
    if (V_VT(&value) != (VT_ARRAY | VT_UI1) || V_ARRAY(&value) == nullptr) {
        return {};
    }
    SAFEARRAY* array = V_ARRAY(&value);
    LONG lower = 0;
    LONG upper = -1;
    if (SafeArrayGetDim(array) != 1 || FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)) || upper < lower) {
        return {};
    }
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data))) {
        return {};
    }
    const auto* first = static_cast<const char*>(data);
    Bytes result(std::string_view(first, static_cast<std::size_t>(upper - lower) + 1));
    SafeArrayUnaccessData(array);
    return result;
}

ComPtr<IDispatch> dispatchFromVariant(const VARIANT& value) {
    IUnknown* unknown = nullptr;
    if (V_VT(&value) == VT_DISPATCH) {
        unknown = V_DISPATCH(&value);
    } else if (V_VT(&value) == VT_UNKNOWN) {
        unknown = V_UNKNOWN(&value);
    }
    ComPtr<IDispatch> result;
    if (unknown != nullptr) {
        unknown->QueryInterface(IID_IDispatch, result.putVoid());
    }
    return result;
}

}  // namespace hotlist

#include "gui/browser_event_sink.h"

#include <windows.h>
// The system headers below build on windows.h.
#include <exdisp.h>
#include <exdispid.h>

#include "gui/wide_text.h"

namespace hotlist {
namespace {

// BeforeNavigate2(pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel): the
// arguments arrive last first, so the address is the sixth from the end.
constexpr UINT kBeforeNavigateArguments = 7;
constexpr UINT kAddressArgument = 5;

Text addressOf(const VARIANT& argument) {
    const VARIANT* value = &argument;
    if (V_VT(value) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(value) != nullptr) {
        value = V_VARIANTREF(value);
    }
    if (V_VT(value) == VT_BSTR) {
        return textFromWideUnits(V_BSTR(value), static_cast<int>(SysStringLen(V_BSTR(value))));
    }
    if (V_VT(value) == (VT_BYREF | VT_BSTR) && V_BSTRREF(value) != nullptr) {
        return textFromWideUnits(*V_BSTRREF(value),
                                 static_cast<int>(SysStringLen(*V_BSTRREF(value))));
    }
    return {};
}

}  // namespace

STDMETHODIMP BrowserEventSink::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
        *object = static_cast<IDispatch*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP BrowserEventSink::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

STDMETHODIMP BrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP BrowserEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters,
                                      VARIANT*, EXCEPINFO*, UINT*) {
    if (member != DISPID_BEFORENAVIGATE2 || events_ == nullptr || parameters == nullptr ||
        parameters->cArgs < kBeforeNavigateArguments) {
        return S_OK;
    }
    events_->onBeforeNavigate(addressOf(parameters->rgvarg[kAddressArgument]));
    return S_OK;
}

}  // namespace hotlist

#include "gui/web_browser_site.h"

namespace hotlist {

STDMETHODIMP WebBrowserSite::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame)) {
        *object = static_cast<IOleInPlaceFrame*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    return S_OK;
}

STDMETHODIMP WebBrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker != nullptr) {
        *moniker = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP WebBrowserSite::GetContainer(IOleContainer** container) {
    if (container != nullptr) {
        *container = nullptr;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP WebBrowserSite::GetWindow(HWND* window) {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = parent_;
    return S_OK;
}

// The frame is this site itself; there is no separate document window.
STDMETHODIMP WebBrowserSite::GetWindowContext(IOleInPlaceFrame** frame,
                                              IOleInPlaceUIWindow** document, LPRECT position,
                                              LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo) {
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
        frameInfo == nullptr) {
        return E_POINTER;
    }
    *frame = static_cast<IOleInPlaceFrame*>(this);
    *document = nullptr;
    *position = place_;
    *clip = place_;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = parent_;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP WebBrowserSite::OnPosRectChange(LPCRECT position) {
    if (position == nullptr) {
        return E_POINTER;
    }
    place_ = *position;
    if (inPlaceObject_ != nullptr) {
        inPlaceObject_->SetObjectRects(&place_, &place_);
    }
    return S_OK;
}

}  // namespace hotlist

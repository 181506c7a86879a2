#include "gui/web_browser_view.h"

#include "base/com_values.h"
#include "gui/wide_text.h"

namespace hotlist {
namespace {

RECT rectangleOf(const Geometry& place) {
    return RECT{place.left, place.top, place.left + place.width, place.top + place.height};
}

}  // namespace

WebBrowserView::WebBrowserView(HWND parent, const Geometry& place, MainWindowEvents& events)
    : site_(parent, rectangleOf(place)), sink_(events) {
    activate(parent, rectangleOf(place));
}

WebBrowserView::~WebBrowserView() {
    close();
}

// No address is given here: the view stays blank until the first navigation. Text size is
// left at the control's default.
void WebBrowserView::activate(HWND parent, const RECT& place) {
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                object_.putVoid()))) {
        return;
    }
    if (FAILED(object_->SetClientSite(&site_))) {
        close();
        return;
    }
    RECT position = place;
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site_, 0, parent, &position)) ||
        FAILED(object_->QueryInterface(IID_IWebBrowser2, browser_.putVoid()))) {
        close();
        return;
    }
    if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace_.putVoid()))) {
        site_.setInPlaceObject(inPlace_.get());
        inPlace_->SetObjectRects(&position, &position);
    }
    browser_->put_Silent(VARIANT_TRUE);
    browser_->put_Offline(VARIANT_FALSE);
    adviseEvents();
}

void WebBrowserView::adviseEvents() {
    ComPtr<IConnectionPointContainer> container;
    if (FAILED(browser_->QueryInterface(IID_IConnectionPointContainer, container.putVoid())) ||
        FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, connection_.put()))) {
        connection_.reset();
        return;
    }
    if (FAILED(connection_->Advise(&sink_, &cookie_))) {
        connection_.reset();
        cookie_ = 0;
    }
}

// One navigation with the address alone: no flags, target frame, post data or headers.
void WebBrowserView::navigate(const Text& address) {
    if (!browser_) {
        return;
    }
    const std::wstring wide = wideFromCodePageText(address);
    UniqueBstr url(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
    UniqueVariant flags;
    UniqueVariant frame;
    UniqueVariant postData;
    UniqueVariant headers;
    browser_->Navigate(url.get(), flags.put(), frame.put(), postData.put(), headers.put());
}

void WebBrowserView::close() {
    sink_.detach();
    if (connection_) {
        connection_->Unadvise(cookie_);
        connection_.reset();
        cookie_ = 0;
    }
    browser_.reset();
    site_.setInPlaceObject(nullptr);
    if (inPlace_) {
        inPlace_->InPlaceDeactivate();
        inPlace_.reset();
    }
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_.reset();
    }
}

}  // namespace hotlist

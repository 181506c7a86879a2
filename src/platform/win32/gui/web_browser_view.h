#pragma once

#include <windows.h>
// The system headers below build on windows.h.
#include <exdisp.h>
#include <ocidl.h>

#include "app/window_system.h"
#include "base/com_ptr.h"
#include "gui/browser_event_sink.h"
#include "gui/web_browser_site.h"

namespace hotlist {

// The article viewer: the system's WebBrowser control in place in the main window, silent,
// online, blank until the first navigation. OLE must be initialised on the thread.
class WebBrowserView final : public HtmlView {
  public:
    WebBrowserView(HWND parent, const Geometry& place, MainWindowEvents& events);
    WebBrowserView(const WebBrowserView&) = delete;
    WebBrowserView& operator=(const WebBrowserView&) = delete;
    ~WebBrowserView() override;

    void navigate(const Text& address) override;

    // True when the control exists and is in place.
    [[nodiscard]] bool active() const { return static_cast<bool>(browser_); }
    // Stops the events and lets the control go; the parent window is about to be destroyed.
    void close();

  private:
    void activate(HWND parent, const RECT& place);
    void adviseEvents();

    WebBrowserSite site_;
    BrowserEventSink sink_;
    ComPtr<IOleObject> object_;
    ComPtr<IOleInPlaceObject> inPlace_;
    ComPtr<IWebBrowser2> browser_;
    ComPtr<IConnectionPoint> connection_;
    DWORD cookie_ = 0;
};

}  // namespace hotlist

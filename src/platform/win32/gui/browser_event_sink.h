#pragma once

#include <windows.h>
// The system headers below build on windows.h.
#include <oaidl.h>

#include "app/window_system.h"

namespace hotlist {

// Receives the WebBrowser control's DWebBrowserEvents2 and raises the before-navigation event.
// Cancel is never touched, so every navigation proceeds. Owned by the view, which unadvises
// it before it goes away; reference counts are not used for deletion.
class BrowserEventSink final : public IDispatch {
  public:
    explicit BrowserEventSink(MainWindowEvents& events) : events_(&events) {}
    BrowserEventSink(const BrowserEventSink&) = delete;
    BrowserEventSink& operator=(const BrowserEventSink&) = delete;
    virtual ~BrowserEventSink() = default;

    // After this no event reaches the window's handlers.
    void detach() { events_ = nullptr; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                        EXCEPINFO*, UINT*) override;

  private:
    MainWindowEvents* events_;
};

}  // namespace hotlist

#pragma once

#include <QWebEngineView>

#include "app/window_system.h"
#include "text/code_page_converter.h"

namespace hotlist {

class SilentWebPage;

// The embedded HTML view: blank until the first navigation, silent, default text size.
class WebArticleViewer final : public QWebEngineView, public HtmlView {
    Q_OBJECT

  public:
    WebArticleViewer(CodePageConverter& converter, MainWindowEvents& events,
                     QWidget* parent = nullptr);

    void navigate(const Text& address) override;
    // The address most recently given to navigate.
    [[nodiscard]] const Text& address() const { return address_; }

  private:
    CodePageConverter& converter_;
    Text address_;
};

}  // namespace hotlist

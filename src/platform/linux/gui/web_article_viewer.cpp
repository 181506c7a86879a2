#include "gui/web_article_viewer.h"

#include "gui/qt_text.h"
#include "gui/silent_web_page.h"

namespace hotlist {

WebArticleViewer::WebArticleViewer(CodePageConverter& converter, MainWindowEvents& events,
                                   QWidget* parent)
    : QWebEngineView(parent), converter_(converter) {
    auto* page = new SilentWebPage(this);
    page->setBeforeNavigateHandler([this, &events](const QUrl& url) {
        events.onBeforeNavigate(fromQString(converter_, url.toString()));
    });
    setPage(page);
    setFocusPolicy(Qt::StrongFocus);
}

// The address goes to the engine as it is: not checked, not trimmed, empty included.
void WebArticleViewer::navigate(const Text& address) {
    address_ = address;
    load(QUrl(toQString(converter_, address)));
}

}  // namespace hotlist

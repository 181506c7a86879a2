#include "gui/silent_web_page.h"

namespace hotlist {

// Certificate errors are left to the default, which refuses the page without asking.
SilentWebPage::SilentWebPage(QObject* parent) : QWebEnginePage(parent) {}

bool SilentWebPage::acceptNavigationRequest(const QUrl& url, NavigationType /*type*/,
                                            bool /*isMainFrame*/) {
    if (beforeNavigate_) {
        beforeNavigate_(url);
    }
    return true;
}

void SilentWebPage::javaScriptAlert(const QUrl& /*securityOrigin*/, const QString& /*message*/) {}

bool SilentWebPage::javaScriptConfirm(const QUrl& /*securityOrigin*/, const QString& /*message*/) {
    return false;
}

bool SilentWebPage::javaScriptPrompt(const QUrl& /*securityOrigin*/, const QString& /*message*/,
                                     const QString& /*defaultValue*/, QString* /*result*/) {
    return false;
}

}  // namespace hotlist

#pragma once

#include <QWebEnginePage>
#include <functional>

namespace hotlist {

// A page that opens no dialog of its own and reports every navigation before it proceeds.
class SilentWebPage final : public QWebEnginePage {
    Q_OBJECT

  public:
    explicit SilentWebPage(QObject* parent = nullptr);

    // Called before each navigation with its address; it cannot stop the navigation.
    void setBeforeNavigateHandler(std::function<void(const QUrl&)> handler) {
        beforeNavigate_ = std::move(handler);
    }

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& message,
                          const QString& defaultValue, QString* result) override;

  private:
    std::function<void(const QUrl&)> beforeNavigate_;
};

}  // namespace hotlist

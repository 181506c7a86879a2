#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "app/window_system.h"
#include "text/code_page_converter.h"

class QTimer;

namespace hotlist {

class ArticleTableView;
class WebArticleViewer;

// The top-level widget; reports its closing to the window that owns it.
class MainWidget final : public QWidget {
    Q_OBJECT

  public:
    explicit MainWidget(std::function<void()> onClosed);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::function<void()> onClosed_;
};

// The main window with its seven controls, made hidden with the timer running.
class QtMainWindow final : public NativeMainWindow {
  public:
    QtMainWindow(CodePageConverter& converter, const MainWindowDefinition& definition,
                 MainWindowEvents& events);
    ~QtMainWindow() override;
    QtMainWindow(const QtMainWindow&) = delete;
    QtMainWindow& operator=(const QtMainWindow&) = delete;

    ArticleListView& articleList() override;
    HtmlView& articleViewer() override;
    void show() override;

    [[nodiscard]] QWidget& widget() const { return *widget_; }

  private:
    // Returns the last button, the one before the list in the tab order.
    QWidget* addButtons(CodePageConverter& converter, const MainWindowDefinition& definition);
    void addStatusBar(CodePageConverter& converter, const MainWindowDefinition& definition);
    void addTimer(CodePageConverter& converter, const MainWindowDefinition& definition);
    void onTimeout();
    void onClosed();

    MainWindowEvents& events_;
    std::unique_ptr<MainWidget> widget_;
    ArticleTableView* list_ = nullptr;
    WebArticleViewer* viewer_ = nullptr;
    QTimer* timer_ = nullptr;
    bool tickPending_ = false;
    bool closed_ = false;
};

}  // namespace hotlist

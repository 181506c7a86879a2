#include "gui/qt_main_window.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

#include "gui/article_table_view.h"
#include "gui/qt_text.h"
#include "gui/status_panes.h"
#include "gui/web_article_viewer.h"

namespace hotlist {
namespace {

void place(CodePageConverter& converter, QWidget& widget,
           const MainWindowDefinition::Control& control) {
    widget.setObjectName(toQString(converter, control.name));
    const Geometry& g = control.geometry;
    widget.setGeometry(g.left, g.top, g.width, g.height);
}

}  // namespace

MainWidget::MainWidget(std::function<void()> onClosed) : onClosed_(std::move(onClosed)) {}

void MainWidget::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && onClosed_) {
        onClosed_();
    }
}

// A fixed frame with title, system menu, minimise and close buttons, no maximise button.
// move() places the frame's top-left corner, as the outer position requires.
QtMainWindow::QtMainWindow(CodePageConverter& converter, const MainWindowDefinition& definition,
                           MainWindowEvents& events)
    : events_(events), widget_(std::make_unique<MainWidget>([this] { onClosed(); })) {
    widget_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint);
    widget_->setWindowTitle(toQString(converter, definition.title));
    widget_->setFixedSize(definition.clientWidth, definition.clientHeight);
    widget_->move(definition.outer.left, definition.outer.top);

    QWidget* lastButton = addButtons(converter, definition);
    list_ = new ArticleTableView(converter, definition.columns, widget_.get());
    place(converter, *list_, definition.articleList);
    list_->setLeftClickHandler([this] { events_.onListLeftClick(); });
    viewer_ = new WebArticleViewer(converter, events_, widget_.get());
    place(converter, *viewer_, definition.articleViewer);
    addStatusBar(converter, definition);
    addTimer(converter, definition);

    QWidget::setTabOrder(lastButton, list_);
    QWidget::setTabOrder(list_, viewer_);
}

QtMainWindow::~QtMainWindow() = default;

QWidget* QtMainWindow::addButtons(CodePageConverter& converter,
                                  const MainWindowDefinition& definition) {
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < definition.buttons.size(); ++i) {
        const auto& button = definition.buttons[i];
        auto* push = new QPushButton(toQString(converter, button.text), widget_.get());
        place(converter, *push, button.control);
        push->setFocusPolicy(Qt::StrongFocus);
        push->setAutoDefault(false);
        const int number = static_cast<int>(i) + 1;
        QObject::connect(push, &QPushButton::clicked,
                         [this, number] { events_.onButtonClicked(number); });
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, push);
        }
        previous = push;
    }
    return previous;
}

void QtMainWindow::addStatusBar(CodePageConverter& converter,
                                const MainWindowDefinition& definition) {
    std::array<QString, 3> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = toQString(converter, definition.statusPaneTexts[i]);
    }
    auto* bar = new StatusPanes(definition.statusPaneRightEdges, texts, widget_.get());
    place(converter, *bar, definition.statusBar);
    bar->setFocusPolicy(Qt::NoFocus);
}

void QtMainWindow::addTimer(CodePageConverter& converter, const MainWindowDefinition& definition) {
    timer_ = new QTimer(widget_.get());
    timer_->setObjectName(toQString(converter, definition.timer.name));
    timer_->setTimerType(Qt::CoarseTimer);
    timer_->setInterval(definition.timerPeriodMs);
    QObject::connect(timer_, &QTimer::timeout, [this] { onTimeout(); });
    timer_->start();
}

// The tick runs from a posted call, so the timer is free to fire again while a run started
// by an earlier tick is still pausing; at most one tick waits at any time.
void QtMainWindow::onTimeout() {
    if (tickPending_ || closed_) {
        return;
    }
    tickPending_ = true;
    QMetaObject::invokeMethod(
        widget_.get(),
        [this] {
            tickPending_ = false;
            if (!closed_) {
                events_.onTimerTick();
            }
        },
        Qt::QueuedConnection);
}

void QtMainWindow::onClosed() {
    if (closed_) {
        return;
    }
    closed_ = true;
    timer_->stop();
    events_.onDestroyed();
}

ArticleListView& QtMainWindow::articleList() {
    return *list_;
}

HtmlView& QtMainWindow::articleViewer() {
    return *viewer_;
}

void QtMainWindow::show() {
    widget_->showNormal();
}

}  // namespace hotlist

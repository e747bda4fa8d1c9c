// SPDX-License-Identifier: MIT
#include "ui/windowscaler.h"

#include "ui/optionscontroller.h"
#include "ui/widgets/boxhost.h"
#include "ui/widgets/layoutkit.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>

#include <cmath>
#include <utility>

namespace gw {

namespace {

// The window on the screen while the main window is drawn larger: a
// borderless view of one proxy, black where the layout does not reach.
class ScaledView : public QGraphicsView {
public:
    explicit ScaledView(QWidget *content) : content_(content)
    {
        setScene(new QGraphicsScene(this));
        setObjectName("gwview");
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setWindowTitle(content->windowTitle());
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setBackgroundBrush(Qt::black);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Text antialiased as at 100 %, pictures without smoothing: a
        // picture drawn larger keeps its pixels square.
        setRenderHints(QPainter::TextAntialiasing);
        setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    }

    // Draws the layout at `factor`, centred on whole pixels in the view.
    void place(double factor)
    {
        const QSize area = size();
        const double dx = std::max(0.0, std::floor((area.width() - kLayoutSize.width() * factor) / 2));
        const double dy = std::max(0.0, std::floor((area.height() - kLayoutSize.height() * factor) / 2));
        setTransform(QTransform::fromScale(factor, factor));
        const QRectF visible(-dx / factor, -dy / factor, area.width() / factor, area.height() / factor);
        scene()->setSceneRect(visible);
        setSceneRect(visible);
    }

    bool fullScreen = false;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        // Closing the view closes the window it shows, which may refuse.
        if (content_ && content_->isVisible() && !content_->close())
            event->ignore();
        else
            event->accept();
    }

    void resizeEvent(QResizeEvent *event) override
    {
        QGraphicsView::resizeEvent(event);
        // A full screen follows the screen's size; a fixed size keeps its
        // factor.
        if (fullScreen)
            place(windowScale(WindowSize::Full, size()));
    }

private:
    QPointer<QWidget> content_;
};

ScaledView *viewOf(const QWidget *widget)
{
    if (!widget)
        return nullptr;
    const QGraphicsProxyWidget *proxy = widget->window()->graphicsProxyWidget();
    if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty())
        return nullptr;
    return dynamic_cast<ScaledView *>(proxy->scene()->views().constFirst());
}

// Tooltips are windows of their own, drawn by the toolkit at 100 %; their
// text follows the game's factor.
void scaleToolTips(double factor)
{
    static const QFont base = QToolTip::font();
    QFont font = base;
    if (base.pixelSize() > 0)
        font.setPixelSize(int(std::lround(base.pixelSize() * factor)));
    else
        font.setPointSizeF(base.pointSizeF() * factor);
    QToolTip::setFont(font);
}

} // namespace

QWidget *screenWindowOf(const QWidget *widget)
{
    if (!widget)
        return nullptr;
    if (ScaledView *view = viewOf(widget))
        return view;
    return widget->window();
}

double drawScaleOf(const QWidget *widget)
{
    const ScaledView *view = viewOf(widget);
    return view ? view->transform().m11() : 1.0;
}

WindowScaler::WindowScaler(QWidget *window) : window_(window) { window_->installEventFilter(this); }

WindowScaler::~WindowScaler()
{
    window_->removeEventFilter(this);
    if (proxy_) {
        window_->hide();
        proxy_->setWidget(nullptr);
        window_->setAttribute(Qt::WA_QuitOnClose, true);
        scaleToolTips(1.0);
    }
    delete view_;
}

double WindowScaler::scale() const { return view_ ? view_->transform().m11() : 1.0; }

QWidget *WindowScaler::shownWindow() const { return proxy_ ? static_cast<QWidget *>(view_) : window_; }

void WindowScaler::follow(const OptionsController &options)
{
    connect(&options, &OptionsController::windowSizeChanged, this, &WindowScaler::apply, Qt::QueuedConnection);
    apply(options.windowSize());
}

void WindowScaler::apply(WindowSize size)
{
    // An open box stands on the window on the screen (the view is its
    // parent at any size but 100 %); the size changes once it is answered.
    if (anyBoxOpen()) {
        const bool waiting = pending_.has_value();
        pending_ = size;
        if (!waiting)
            afterBoxes(this, [this] { apply(*std::exchange(pending_, std::nullopt)); });
        return;
    }
    const WindowSize before = size_;
    size_ = size;
    QPointer<QWidget> focus = window_->focusWidget();
    const bool shown = window_->isVisible();
    if (size == WindowSize::Normal) {
        if (!proxy_)
            return;
        release();
        scaleToolTips(1.0);
        centreOnScreen(window_);
        if (shown) {
            window_->show();
            window_->raise();
            window_->activateWindow();
        }
    } else {
        if (!proxy_)
            embed();
        else if (before == WindowSize::Full && size != WindowSize::Full)
            view_->showNormal();
        fit();
        scaleToolTips(scale());
        if (shown)
            showView(true);
    }
    if (focus && focus->window() == window_)
        focus->setFocus(Qt::OtherFocusReason);
}

void WindowScaler::embed()
{
    switching_ = true;
    const bool shown = window_->isVisible();
    if (shown)
        window_->hide();
    auto *view = new ScaledView(window_);
    // On the screen the window is on, where the player has it.
    if (QScreen *screen = window_->screen())
        view->setScreen(screen);
    view_ = view;
    proxy_ = new QGraphicsProxyWidget(nullptr, Qt::Widget);
    proxy_->setWidget(window_);
    view->scene()->addItem(proxy_);
    proxy_->setPos(0, 0);
    // A proxy shows what it holds; the window keeps the visibility it had.
    window_->setVisible(shown);
    switching_ = false;
}

void WindowScaler::release()
{
    switching_ = true;
    if (window_->isVisible())
        window_->hide();
    proxy_->setWidget(nullptr);
    proxy_ = nullptr; // goes with the view's scene
    if (QScreen *screen = view_->screen())
        window_->setScreen(screen);
    // Embedding made the window one that does not end the program.
    window_->setAttribute(Qt::WA_QuitOnClose, true);
    view_->hide();
    view_->deleteLater();
    view_ = nullptr;
    switching_ = false;
}

void WindowScaler::fit()
{
    auto *view = static_cast<ScaledView *>(view_.data());
    view->fullScreen = size_ == WindowSize::Full;
    if (view->fullScreen) {
        const QScreen *screen = view->screen() ? view->screen() : QGuiApplication::primaryScreen();
        view->setMinimumSize(0, 0);
        view->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (screen)
            view->setGeometry(screen->geometry());
        view->place(windowScale(WindowSize::Full, view->size()));
    } else {
        view->setFixedSize(scaledWindowSize(size_));
        view->place(windowScale(size_, {}));
        centreOnScreen(view);
    }
}

void WindowScaler::showView(bool activate)
{
    auto *view = static_cast<ScaledView *>(view_.data());
    if (view->fullScreen)
        view->showFullScreen();
    else
        view->show();
    view->raise();
    // A switch while the game is on the screen hands the keyboard to the
    // new window; a first showing is activated as any new window is (and
    // is not drawn twice for it).
    if (activate)
        view->activateWindow();
    view->setFocus(Qt::ActiveWindowFocusReason);
    view->scene()->setFocusItem(proxy_);
}

bool WindowScaler::eventFilter(QObject *watched, QEvent *event)
{
    // The view follows the window it holds: shown with it, and closed with
    // it, which ends the program as closing the window did at 100 %.
    if (watched == window_ && proxy_ && !switching_ && view_) {
        if (event->type() == QEvent::Show)
            showView(false);
        else if (event->type() == QEvent::Hide && !event->spontaneous())
            view_->close();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace gw

// SPDX-License-Identifier: MIT
#include "ui/widgets/boxhost.h"

#include "ui/windowscaler.h"

#include <QCloseEvent>
#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPointer>
#include <QTimer>

#include <cmath>
#include <utility>
#include <vector>

namespace gw {

namespace {

// The box's window: one proxy drawn at the game's factor. Closing it from
// the window system closes the box, as the title bar's button does at 100 %.
class BoxView : public QGraphicsView {
public:
    BoxView(QDialog &box, QWidget *over, double factor) : QGraphicsView(over), box_(box), factor_(factor)
    {
        setScene(new QGraphicsScene(this));
        setWindowFlags(Qt::Dialog);
        setWindowModality(Qt::ApplicationModal);
        setWindowTitle(box.windowTitle());
        setObjectName("gwboxview");
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setRenderHints(QPainter::TextAntialiasing);
        setTransform(QTransform::fromScale(factor, factor));
        proxy_ = new QGraphicsProxyWidget(nullptr, Qt::Widget);
        proxy_->setWidget(&box);
        scene()->addItem(proxy_);
        connect(proxy_, &QGraphicsWidget::geometryChanged, this, &BoxView::place);
    }

    ~BoxView() override
    {
        // The box belongs to its caller.
        proxy_->setWidget(nullptr);
    }

    // As large as the box at the factor, centred over the game's window.
    void place()
    {
        const QRectF area = proxy_->geometry();
        scene()->setSceneRect(area);
        setSceneRect(area);
        const QSize size(int(std::ceil(area.width() * factor_)), int(std::ceil(area.height() * factor_)));
        setFixedSize(size);
        if (const QWidget *over = parentWidget()) {
            // The frame the window system gives the box's window, centred.
            const QSize frame = size + frameGeometry().size() - geometry().size();
            const QRect game = over->frameGeometry();
            move(game.x() + (game.width() - frame.width()) / 2, game.y() + (game.height() - frame.height()) / 2);
        }
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (box_.isVisible()) {
            box_.close();
            event->setAccepted(!box_.isVisible());
        }
    }

private:
    QDialog &box_;
    double factor_;
    QGraphicsProxyWidget *proxy_;
};

int openBoxes = 0;
std::vector<std::pair<QPointer<QObject>, std::function<void()>>> &waiting()
{
    static std::vector<std::pair<QPointer<QObject>, std::function<void()>>> list;
    return list;
}

// Counts a box as open for as long as it lives on the caller's stack.
class OpenBox {
public:
    OpenBox() { ++openBoxes; }
    ~OpenBox()
    {
        if (--openBoxes > 0)
            return;
        for (auto &[context, then] : std::exchange(waiting(), {})) {
            if (context)
                QTimer::singleShot(0, context, std::move(then));
        }
    }
};

} // namespace

bool anyBoxOpen() { return openBoxes > 0; }

void afterBoxes(QObject *context, std::function<void()> then)
{
    if (openBoxes == 0)
        QTimer::singleShot(0, context, std::move(then));
    else
        waiting().emplace_back(context, std::move(then));
}

QWidget *boxParent(QWidget *owner) { return drawScaleOf(owner) != 1.0 ? screenWindowOf(owner) : owner; }

int execBox(QDialog &box, QWidget *owner)
{
    const OpenBox open;
    const double factor = drawScaleOf(owner);
    if (factor == 1.0)
        return box.exec();
    BoxView host(box, screenWindowOf(owner), factor);
    // Shown inside the view first, so the box has its size before the
    // window is placed.
    box.show();
    host.place();
    host.show();
    host.place(); // with the frame the window now has
    host.activateWindow();
    host.setFocus(Qt::ActiveWindowFocusReason);
    host.scene()->setFocusItem(host.scene()->items().value(0));
    QObject::connect(&box, &QDialog::finished, &host, &QWidget::hide);
    return box.exec();
}

} // namespace gw

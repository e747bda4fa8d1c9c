// SPDX-License-Identifier: MIT
#include "ui/widgets/windowdrag.h"

#include "ui/panels/editorfield.h"
#include "ui/panels/palette.h"
#include "ui/widgets/picturebox.h"
#include "ui/widgets/spinbuttons.h"
#include "ui/windowscaler.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace gw {

namespace {

// A widget that does something when pressed, or sits inside one.
bool isControl(const QWidget *w)
{
    if (qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w) ||
        qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
        qobject_cast<const QAbstractSlider *>(w) || qobject_cast<const QAbstractScrollArea *>(w) ||
        qobject_cast<const SpinButtons *>(w) || qobject_cast<const EditorField *>(w) ||
        qobject_cast<const Palette *>(w))
        return true;
    if (auto *picture = qobject_cast<const PictureBox *>(w))
        return picture->isClickable();
    return false;
}

} // namespace

WindowDrag::WindowDrag(QWidget *window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

WindowDrag::~WindowDrag() { qApp->removeEventFilter(this); }

bool WindowDrag::isDragHandle(const QWidget *widget) const
{
    if (!widget || widget->window() != window_)
        return false;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (isControl(w))
            return false;
        if (w == window_)
            break;
    }
    return true;
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    auto *mouse = static_cast<QMouseEvent *>(event);

    // What moves is the window on the screen: the window itself, or the
    // view that draws it larger. A full screen stays where it is.
    QWidget *shown = screenWindowOf(window_);
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() != Qt::LeftButton || !isDragHandle(widget) || shown->isFullScreen())
            return false;
        QWindow *handle = shown->windowHandle();
        if (handle && handle->startSystemMove())
            return true;
        // No move offered by the window system: follow the mouse.
        dragging_ = true;
        pressGlobal_ = mouse->globalPosition().toPoint();
        windowAtPress_ = shown->pos();
        return true;
    }

    if (!dragging_ || widget->window() != window_)
        return false;
    if (type == QEvent::MouseMove) {
        shown->move(windowAtPress_ + mouse->globalPosition().toPoint() - pressGlobal_);
        return true;
    }
    if (mouse->button() == Qt::LeftButton)
        dragging_ = false;
    return true;
}

} // namespace gw

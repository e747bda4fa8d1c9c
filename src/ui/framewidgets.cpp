// SPDX-License-Identifier: MIT
#include "ui/framewidgets.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace gw {

Panel::Panel(QWidget *parent, const QColor &colour) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

Panel::Panel(QWidget *parent, const QString &name, const QRect &place, const QColor &colour)
    : Panel(parent, colour)
{
    setObjectName(name);
    setGeometry(place);
    hide();
}

void Panel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

Bevel::Bevel(QWidget *parent, Shape shape) : QWidget(parent), shape_(shape)
{
    // A bevel only decorates; clicks go to what lies below.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const int r = width() - 1, b = height() - 1;
    if (shape_ == Shape::RightLine) {
        painter.setPen(shadow);
        painter.drawLine(r - 1, 0, r - 1, b);
        painter.setPen(light);
        painter.drawLine(r, 0, r, b);
        return;
    }
    painter.setPen(shadow);
    painter.drawLine(0, 0, r, 0);
    painter.drawLine(0, 0, 0, b);
    painter.setPen(light);
    painter.drawLine(r, 0, r, b);
    painter.drawLine(0, b, r, b);
}

TextLabel::TextLabel(QWidget *parent, Anchor anchor) : QLabel(parent), anchor_(anchor)
{
    setAlignment(anchor == Anchor::Right ? (Qt::AlignRight | Qt::AlignTop) : (Qt::AlignLeft | Qt::AlignTop));
}

void TextLabel::setCaption(const QString &text)
{
    setText(text);
    refit();
}

void TextLabel::place(int x, int y, int height)
{
    edge_ = x;
    top_ = y;
    height_ = height;
    refit();
}

void TextLabel::setTextRaise(int pixels)
{
    raise_ = pixels;
    refit();
    update();
}

void TextLabel::paintEvent(QPaintEvent *event)
{
    if (raise_ == 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect().translated(0, -raise_),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(), isEnabled(), text(),
                          foregroundRole());
}

void TextLabel::refit()
{
    if (anchor_ == Anchor::Fixed)
        return;
    const QSize hint = sizeHint();
    // A raised text ends at its descenders; one pixel more below them keeps
    // them whole also where the window is drawn larger, since glyphs drawn
    // larger are not snapped to the pixel grid of 100 %.
    const int h = height_ > 0 ? height_ : hint.height() - raise_ + (raise_ > 0 ? 1 : 0);
    const int w = hint.width();
    if (anchor_ == Anchor::Left)
        setGeometry(edge_, top_, w, h);
    else
        setGeometry(edge_ - w, top_, w, h);
}

} // namespace gw

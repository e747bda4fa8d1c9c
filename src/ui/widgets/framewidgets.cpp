// SPDX-License-Identifier: MIT
#include "ui/widgets/framewidgets.h"

#include "ui/widgets/gamestyle.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace gw {

Panel::Panel(QWidget *parent, const QColor &colour) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    // On the game's own dark face the text is light.
    if (colour == look::panelFace)
        p.setColor(QPalette::WindowText, look::panelText);
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
    // Drawn by the style, in the look of the panels' edges: a lowered frame,
    // or a lowered two-pixel line along the right edge.
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.state |= QStyle::State_Sunken;
    option.lineWidth = 1;
    option.midLineWidth = 0;
    if (shape_ == Shape::RightLine) {
        option.frameShape = QFrame::VLine;
        option.rect = QRect(width() - 2, 0, 2, height());
    } else {
        option.frameShape = QFrame::Panel;
    }
    style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, this);
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

// SPDX-License-Identifier: MIT
#include "ui/widgets/layoutkit.h"

#include "ui/widgets/spinbuttons.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace gw {

namespace {


} // namespace

void setTextColour(QWidget *w, const QColor &colour)
{
    if (!colour.isValid())
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    w->setPalette(p);
}

PictureBox *makePicture(QWidget *parent, const QString &name, const QRect &place, PictureBox::Fit fit)
{
    auto *p = new PictureBox(parent, fit);
    p->setObjectName(name);
    p->setGeometry(place);
    return p;
}

TextLabel *makeFixedLabel(QWidget *parent, const QString &name, const QRect &place, const QString &text,
                          const QFont &font, const QColor &colour)
{
    auto *l = new TextLabel(parent, TextLabel::Anchor::Fixed);
    l->setObjectName(name);
    l->setFont(font);
    setTextColour(l, colour);
    // Never shorter than the font's line height, so no descender is cut.
    QRect fitted = place;
    fitted.setHeight(std::max(place.height(), QFontMetrics(font).height()));
    l->setGeometry(fitted);
    l->setCaption(text);
    return l;
}

TextLabel *makeLabel(QWidget *parent, const QString &name, int x, int y, const QString &text,
                     const QFont &font, const QColor &colour, TextLabel::Anchor anchor, int height)
{
    auto *l = new TextLabel(parent, anchor);
    l->setObjectName(name);
    l->setFont(font);
    setTextColour(l, colour);
    l->setText(text);
    l->place(x, y, height);
    return l;
}

Panel *makePanel(QWidget *parent, const QString &name, const QRect &place, const QColor &colour)
{
    return new Panel(parent, name, place, colour);
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QRect &place, const QString &caption,
                        const QFont &font)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    // Buttons keep the desktop's colours, not those of the panel they sit on.
    QPalette p = QApplication::palette(b);
    p.setResolveMask(~QPalette::ResolveMask(0));
    b->setPalette(p);
    b->setFont(font);
    b->setGeometry(place);
    return b;
}

namespace {

// An entry for a count. Enter orders what the entries hold, once per press:
// the repeats of a held Enter key are not new orders.
class CountEntry : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && event->isAutoRepeat()) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

} // namespace

QLineEdit *makeCountEntry(QWidget *parent, const QString &name, const QRect &place)
{
    auto *e = new CountEntry(QStringLiteral("0"), parent);
    e->setObjectName(name);
    e->setGeometry(place);
    e->setMaxLength(3);
    // Counts are whole numbers 0..999; anything else never reaches the field.
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), e));
    return e;
}

SpinButtons *makeSpinButtons(QWidget *parent, const QString &name, const QRect &place, QLineEdit *buddy)
{
    auto *s = new SpinButtons(parent, buddy, 0, 999);
    s->setObjectName(name);
    s->setGeometry(place);
    return s;
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        window->move(area.x() + (area.width() - window->width()) / 2,
                     area.y() + (area.height() - window->height()) / 2);
    }
}

void stackWindowedOnTop(QWidget *parent)
{
    // raise() reorders the list, so walk a copy of it.
    const QObjectList children = parent->children();
    for (QObject *child : children) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || qobject_cast<PictureBox *>(w) || qobject_cast<QLabel *>(w) || qobject_cast<Bevel *>(w))
            continue;
        w->raise();
    }
}

} // namespace gw

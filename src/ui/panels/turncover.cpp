// SPDX-License-Identifier: MIT
#include "ui/panels/turncover.h"

#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/pictures.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

namespace gw {

namespace {
// The plate that carries the words, in the middle of the screen.
const QRect kPlate(90, 250, 620, 80);
} // namespace

TurnCover::TurnCover(QWidget *gameScreen) : QAbstractButton(gameScreen)
{
    setObjectName("pancover");
    setGeometry(0, 0, 800, 600);
    text_ = makeFixedLabel(this, "labcover", kPlate, QString(), windowFont(24, true));
    text_->setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, [this] {
        lift();
        emit revealed();
    });
    hide();
}

void TurnCover::showFor(Side next)
{
    side_ = next;
    // Decoded at the first cover, so a game against the computer never pays for it.
    if (background_.isNull())
        background_ = resourcePicture("background.jpg");
    retranslate();
    show();
    raise();
    // Keys meant for the game screen (Escape, Enter in an entry) reach the
    // cover first.
    setFocus(Qt::OtherFocusReason);
}

void TurnCover::lift()
{
    side_.reset();
    hide();
}

void TurnCover::retranslate()
{
    if (!side_)
        return;
    setTextColour(text_, Texts::sideColour(*side_));
    text_->setCaption(Texts::cover(*side_));
}

void TurnCover::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QAbstractButton::changeEvent(event);
}

void TurnCover::paintEvent(QPaintEvent *)
{
    // The title picture, dimmed, and the words on a dark plate edged in the
    // colour of the side on turn: nothing of the game shows through.
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setOpacity(0.35);
    p.drawImage(rect(), background_);
    p.setOpacity(1.0);
    p.fillRect(kPlate, QColor(0x10, 0x10, 0x14));
    p.setPen(QPen(side_ ? Texts::sideColour(*side_) : colour::gray, 2));
    p.drawRect(kPlate.adjusted(1, 1, -1, -1));
}

void TurnCover::keyPressEvent(QKeyEvent *event)
{
    // Enter takes the cover away like a click or the space bar; F1, F11, M
    // and the rest go on to the window.
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace gw

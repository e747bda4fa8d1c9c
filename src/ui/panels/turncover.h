// SPDX-License-Identifier: MIT
#pragma once

#include "core/side.h"

#include <QAbstractButton>
#include <QImage>

#include <optional>

namespace gw {

class TextLabel;

// Between the halves of a game of two at one screen: a cover over the whole
// game screen, the field's counters, the panels and the battle report
// included, that names the side on turn ("Blau ist am Zug – klicken, wenn
// Rot wegschaut."). A click, Enter or the space bar takes it away.
class TurnCover : public QAbstractButton {
    Q_OBJECT
public:
    explicit TurnCover(QWidget *gameScreen);

    // Covers the screen for the side now on turn, and takes the keyboard.
    void showFor(Side next);
    // The cover goes without a click (the game is left, or a new one opens).
    void lift();

signals:
    // The side on turn clicked: the screen is theirs.
    void revealed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    TextLabel *text_;
    QImage background_;
    std::optional<Side> side_;
};

} // namespace gw

// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/framewidgets.h"
#include "ui/widgets/gamestyle.h"
#include "ui/widgets/picturebox.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLineEdit;
class QPushButton;

namespace gw {

class SpinButtons;

// The colours of the layout.
namespace colour {
const QColor black(0x00, 0x00, 0x00);
const QColor maroon(0x80, 0x00, 0x00);
const QColor green(0x00, 0x80, 0x00);
const QColor navy(0x00, 0x00, 0x80);
const QColor gray(0x80, 0x80, 0x80);
const QColor red(0xFF, 0x00, 0x00);
const QColor yellow(0xFF, 0xFF, 0x00);
const QColor moneyGreen(0xC0, 0xDC, 0xC0);
const QColor skyBlue(0xA6, 0xCA, 0xF0);
const QColor white(0xFF, 0xFF, 0xFF);
// The menu screens' captions: a green light enough to read on black.
const QColor captionGreen(0x40, 0xB0, 0x40);
} // namespace colour

// The colour of a widget's text; an invalid colour changes nothing.
void setTextColour(QWidget *w, const QColor &colour);

// Small factories for the absolutely placed widgets of the layout. Each sets
// the object name, the place and the look; an invalid colour keeps the
// inherited one.
PictureBox *makePicture(QWidget *parent, const QString &name, const QRect &place,
                        PictureBox::Fit fit = PictureBox::Fit::Natural);
// A label with the size the layout gives it, made taller when its font's
// line height needs more.
TextLabel *makeFixedLabel(QWidget *parent, const QString &name, const QRect &place, const QString &text,
                          const QFont &font, const QColor &colour = QColor());
// A label that sizes itself to its text; x is its left edge, or its right
// edge for Anchor::Right.
TextLabel *makeLabel(QWidget *parent, const QString &name, int x, int y, const QString &text,
                     const QFont &font, const QColor &colour = QColor(),
                     TextLabel::Anchor anchor = TextLabel::Anchor::Left, int height = -1);
Panel *makePanel(QWidget *parent, const QString &name, const QRect &place, const QColor &colour);
QPushButton *makeButton(QWidget *parent, const QString &name, const QRect &place, const QString &caption,
                        const QFont &font);
// A one-line entry for a count: at most three digits, text "0".
QLineEdit *makeCountEntry(QWidget *parent, const QString &name, const QRect &place);
SpinButtons *makeSpinButtons(QWidget *parent, const QString &name, const QRect &place, QLineEdit *buddy);

// Places the window in the middle of its screen's available area (the
// primary screen's before it is first shown).
void centreOnScreen(QWidget *window);

// Puts the parent's windowed children (panels, buttons, entries, lists,
// spin buttons) above its pictures, labels and bevels, keeping the creation
// order within each group.
void stackWindowedOnTop(QWidget *parent);

} // namespace gw

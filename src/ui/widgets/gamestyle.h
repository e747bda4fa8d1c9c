// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>
#include <QProxyStyle>

namespace gw {

// The colours of the game's own look: the dark plates with gold rims of the
// menu art.
namespace look {
const QColor plateTop(0x46, 0x3f, 0x36);
const QColor plateBottom(0x1b, 0x18, 0x14);
const QColor pressedTop(0x12, 0x0e, 0x0a);
const QColor pressedBottom(0x4a, 0x3a, 0x1e);
const QColor gold(0xc9, 0xa0, 0x4a);
const QColor goldLight(0xf3, 0xd6, 0x8e);
const QColor bronze(0x5e, 0x43, 0x17);
const QColor text(0xf2, 0xd7, 0x95);
const QColor textDisabled(0x8c, 0x82, 0x70);
const QColor focus(0xff, 0xf2, 0xc4);
// The face of the panels over the field, and their text on it.
const QColor panelFace(0x24, 0x20, 0x1b);
const QColor panelText = text;
// A figure the player cannot afford, legible on the panels' face.
const QColor warning(0xff, 0x55, 0x55);
} // namespace look

// What the toolkit draws, in the game's own look: push buttons and picture
// buttons as dark plates with a gold rim and gold text, the spin buttons'
// arrows and the volume sliders to match, and the edges of panels and bevels
// in gold and bronze, and a list's choice on its plate in the captions'
// gold. Every colour, font, place and size of the layout stays as it is;
// only faces, edges and states are drawn differently. A pressed
// plate is lit from below and its caption moves down by a pixel, the plate
// under the mouse has a light rim, and the one with the keyboard focus a
// light ring inside its rim. Everything else (entries, lists, scroll bars)
// is drawn by the toolkit's Fusion style, on which this one builds.
class GameStyle : public QProxyStyle {
    Q_OBJECT
public:
    GameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

// Makes the game's style the application's; a second call changes nothing.
// Message boxes take it too, with a dark face of their own (boxPalette).
void useGameStyle();

// The palette of a message box in the game's look: light text on a dark face.
QPalette boxPalette(const QPalette &base);

} // namespace gw

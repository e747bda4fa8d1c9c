// SPDX-License-Identifier: MIT
#include "ui/widgets/gamestyle.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace gw {

namespace {

// How a plate looks in the state the option gives.
struct PlateState {
    bool enabled, down, hover, focus, isDefault;
};

PlateState plateState(const QStyleOption &option, bool down)
{
    const QStyle::State s = option.state;
    PlateState p{};
    p.enabled = s & QStyle::State_Enabled;
    p.down = p.enabled && down;
    p.hover = p.enabled && !p.down && (s & QStyle::State_MouseOver);
    // The focus shows once the keyboard has moved it, as the toolkit does it.
    p.focus = (s & QStyle::State_HasFocus) && (s & QStyle::State_KeyboardFocusChange);
    return p;
}

QColor rimOf(const PlateState &p)
{
    if (!p.enabled)
        return look::textDisabled.darker(140);
    return p.hover ? look::goldLight : look::gold;
}

// A dark plate with a gold rim, as the menu entries have; rivets in its
// corners when it is tall enough for them.
void drawPlate(QPainter *painter, const QRect &rect, const PlateState &p, qreal radius, bool rivets)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    if (!p.enabled) {
        face.setColorAt(0, QColor(0x3a, 0x38, 0x35));
        face.setColorAt(1, QColor(0x26, 0x25, 0x23));
    } else if (p.down) {
        // Pushed in: dark at the top, lit warm from below.
        face.setColorAt(0, look::pressedTop);
        face.setColorAt(1, look::pressedBottom);
    } else {
        face.setColorAt(0, p.hover ? look::plateTop.lighter(125) : look::plateTop);
        face.setColorAt(1, p.hover ? look::plateBottom.lighter(140) : look::plateBottom);
    }
    painter->setBrush(face);
    painter->setPen(QPen(rimOf(p), p.isDefault ? 2.0 : 1.0));
    painter->drawRoundedRect(p.isDefault ? r.adjusted(0.5, 0.5, -0.5, -0.5) : r, radius, radius);
    // A thin inner line: light along the top of a raised plate, dark in a
    // pushed one.
    const QRectF inner = r.adjusted(1.5, 1.5, -1.5, -1.5);
    if (inner.height() > 4 && inner.width() > 4) {
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(p.down ? QColor(0, 0, 0, 140) : QColor(0xff, 0xe8, 0xb0, p.enabled ? 45 : 20), 1.0));
        painter->drawRoundedRect(inner, std::max<qreal>(radius - 1, 0), std::max<qreal>(radius - 1, 0));
    }
    if (rivets && rect.height() >= 33 && rect.width() >= 80) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(p.enabled ? look::gold.darker(110) : look::textDisabled.darker(150));
        const qreal in = 4.5;
        for (const QPointF &c : {QPointF(r.left() + in, r.top() + in), QPointF(r.right() - in, r.top() + in),
                                 QPointF(r.left() + in, r.bottom() - in), QPointF(r.right() - in, r.bottom() - in)})
            painter->drawEllipse(c, 1.3, 1.3);
    }
    if (p.focus) {
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(look::focus, 1.0));
        const qreal in = rect.height() >= 20 ? 3 : 2;
        painter->drawRoundedRect(r.adjusted(in, in, -in, -in), std::max<qreal>(radius - 1, 1),
                                 std::max<qreal>(radius - 1, 1));
    }
    painter->restore();
}

// A one-pixel edge: light above and left, dark below and right when raised,
// the other way round when lowered.
void drawEdge(QPainter *painter, const QRect &r, bool raised, int width)
{
    const QColor light = look::gold, dark = look::bronze;
    const QColor &topLeft = raised ? light : dark;
    const QColor &bottomRight = raised ? dark : light;
    for (int i = 0; i < std::max(width, 1); ++i) {
        const QRect e = r.adjusted(i, i, -i, -i);
        painter->fillRect(QRect(e.left(), e.top(), e.width(), 1), topLeft);
        painter->fillRect(QRect(e.left(), e.top(), 1, e.height()), topLeft);
        painter->fillRect(QRect(e.left(), e.bottom(), e.width(), 1), bottomRight);
        painter->fillRect(QRect(e.right(), e.top() + 1, 1, e.height() - 1), bottomRight);
    }
}

// A lowered line: dark, then light beside it.
void drawLine(QPainter *painter, const QRect &r, bool vertical)
{
    if (vertical) {
        const int x = r.left() + (r.width() - 2) / 2;
        painter->fillRect(QRect(x, r.top(), 1, r.height()), look::bronze);
        painter->fillRect(QRect(x + 1, r.top(), 1, r.height()), look::gold);
    } else {
        const int y = r.top() + (r.height() - 2) / 2;
        painter->fillRect(QRect(r.left(), y, r.width(), 1), look::bronze);
        painter->fillRect(QRect(r.left(), y + 1, r.width(), 1), look::gold);
    }
}

void drawArrow(QPainter *painter, const QRect &rect, Qt::ArrowType type, const PlateState &p)
{
    const qreal w = std::clamp<qreal>(rect.width() - 7, 3, 9), h = w / 2 + 0.5;
    QPointF c = QRectF(rect).center();
    if (p.down)
        c += QPointF(0.5, 0.5);
    QPainterPath path;
    if (type == Qt::UpArrow) {
        path.moveTo(c.x() - w / 2, c.y() + h / 2);
        path.lineTo(c.x() + w / 2, c.y() + h / 2);
        path.lineTo(c.x(), c.y() - h / 2);
    } else {
        path.moveTo(c.x() - w / 2, c.y() - h / 2);
        path.lineTo(c.x() + w / 2, c.y() - h / 2);
        path.lineTo(c.x(), c.y() + h / 2);
    }
    path.closeSubpath();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(Qt::NoPen);
    painter->setBrush(!p.enabled ? look::textDisabled : p.hover ? look::goldLight : look::text);
    painter->drawPath(path);
    painter->restore();
}

} // namespace

GameStyle::GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    if (element == PE_PanelButtonCommand || element == PE_PanelButtonBevel) {
        drawPlate(painter, option->rect, plateState(*option, option->state & (State_Sunken | State_On)), 3, false);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void GameStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (button && element == CE_PushButton) {
        proxy()->drawControl(CE_PushButtonBevel, button, painter, widget);
        QStyleOptionButton label(*button);
        label.rect = proxy()->subElementRect(SE_PushButtonContents, button, widget);
        proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
        return;
    }
    if (button && element == CE_PushButtonBevel) {
        PlateState p = plateState(*button, button->state & (State_Sunken | State_On));
        p.isDefault = button->features & QStyleOptionButton::DefaultButton;
        drawPlate(painter, button->rect, p, 3, true);
        return;
    }
    if (button && element == CE_PushButtonLabel) {
        QStyleOptionButton label(*button);
        const bool enabled = button->state & State_Enabled;
        label.palette.setColor(QPalette::ButtonText, enabled ? look::text : look::textDisabled);
        if (enabled && (button->state & (State_Sunken | State_On)))
            label.rect.translate(1, 1);
        QProxyStyle::drawControl(CE_PushButtonLabel, &label, painter, widget);
        return;
    }
    // A list's choice on its plate reads like a button's caption.
    if (const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        combo && element == CE_ComboBoxLabel && !combo->editable) {
        QStyleOptionComboBox label(*combo);
        const QColor text = combo->state & State_Enabled ? look::text : look::textDisabled;
        label.palette.setColor(QPalette::ButtonText, text);
        label.palette.setColor(QPalette::Text, text);
        QProxyStyle::drawControl(element, &label, painter, widget);
        return;
    }
    if (element == CE_ShapedFrame) {
        if (const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option)) {
            const bool sunken = frame->state & State_Sunken;
            switch (frame->frameShape) {
            case QFrame::Panel:
                drawEdge(painter, frame->rect, !sunken, frame->lineWidth);
                return;
            case QFrame::VLine:
            case QFrame::HLine:
                drawLine(painter, frame->rect, frame->frameShape == QFrame::VLine);
                return;
            default:
                break;
            }
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void GameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                   const QWidget *widget) const
{
    if (control == CC_ToolButton) {
        const auto *tool = qstyleoption_cast<const QStyleOptionToolButton *>(option);
        if (tool && (tool->features & QStyleOptionToolButton::Arrow)) {
            const PlateState p = plateState(*tool, tool->state & (State_Sunken | State_On));
            drawPlate(painter, tool->rect, p, 2, false);
            drawArrow(painter, tool->rect, tool->arrowType, p);
            return;
        }
    }
    if (const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        combo && control == CC_ComboBox && !combo->editable) {
        // The arrow in the caption's colour.
        QStyleOptionComboBox plate(*combo);
        plate.palette.setColor(QPalette::ButtonText, combo->state & State_Enabled ? look::text : look::textDisabled);
        QProxyStyle::drawComplexControl(control, &plate, painter, widget);
        return;
    }
    if (control == CC_Slider) {
        const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
        if (slider && slider->orientation == Qt::Horizontal) {
            const QRect groove = proxy()->subControlRect(CC_Slider, slider, SC_SliderGroove, widget);
            const QRect handle = proxy()->subControlRect(CC_Slider, slider, SC_SliderHandle, widget);
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, true);
            // A dark channel, gold as far as the handle.
            const QRectF channel(groove.left() + 1.5, groove.center().y() - 2, groove.width() - 3, 5);
            painter->setPen(QPen(look::bronze, 1));
            painter->setBrush(QColor(0x0c, 0x0a, 0x08));
            painter->drawRoundedRect(channel, 2, 2);
            if (slider->sliderPosition > slider->minimum) {
                QRectF filled = channel.adjusted(1, 1, -1, -1);
                filled.setRight(handle.center().x());
                painter->setPen(Qt::NoPen);
                painter->setBrush(slider->state & State_Enabled ? look::gold : look::textDisabled);
                painter->drawRoundedRect(filled, 1.5, 1.5);
            }
            // A tick below the channel for every step.
            if ((slider->subControls & SC_SliderTickmarks) && slider->tickInterval > 0) {
                painter->setRenderHint(QPainter::Antialiasing, false);
                const int span = proxy()->pixelMetric(PM_SliderSpaceAvailable, slider, widget);
                const int length = proxy()->pixelMetric(PM_SliderLength, slider, widget);
                for (int v = slider->minimum; v <= slider->maximum; v += slider->tickInterval) {
                    const int x = sliderPositionFromValue(slider->minimum, slider->maximum, v, span) + length / 2;
                    painter->fillRect(QRect(slider->rect.left() + x, slider->rect.bottom() - 2, 1, 3),
                                      v <= slider->sliderPosition ? look::gold : look::bronze);
                }
                painter->setRenderHint(QPainter::Antialiasing, true);
            }
            painter->restore();
            // The handle is a small plate.
            const bool down = (slider->activeSubControls & SC_SliderHandle) && (slider->state & State_Sunken);
            PlateState p = plateState(*slider, down);
            p.hover = p.enabled && !p.down && (slider->activeSubControls & SC_SliderHandle) &&
                      (slider->state & State_MouseOver);
            drawPlate(painter, handle.adjusted(1, 0, -1, -1), p, 2, false);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

int GameStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    // A pressed caption moves; drawControl moves it by itself.
    if (metric == PM_ButtonShiftHorizontal || metric == PM_ButtonShiftVertical)
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void useGameStyle()
{
    if (qobject_cast<GameStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new GameStyle);
}

QPalette boxPalette(const QPalette &base)
{
    QPalette p = base;
    p.setColor(QPalette::Window, QColor(0x22, 0x1e, 0x1a));
    p.setColor(QPalette::WindowText, QColor(0xf0, 0xe6, 0xcc));
    p.setColor(QPalette::Text, QColor(0xf0, 0xe6, 0xcc));
    p.setColor(QPalette::Disabled, QPalette::WindowText, look::textDisabled);
    return p;
}

} // namespace gw

// SPDX-License-Identifier: MIT
// The game's own look: a button's states are told apart, its caption stays
// readable on its face in every state, and every caption fits its button in
// both languages.
#include "gameplay.h"

#include "ui/language.h"
#include "ui/widgets/gamestyle.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// A button of the window drawn by its own style in the given state.
QImage drawn(QPushButton *button, QStyle::State extra, QStyle::State removed = {})
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus | QStyle::State_Sunken | removed);
    option.state |= QStyle::State_Raised | extra;
    QImage image(button->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    button->style()->drawControl(QStyle::CE_PushButton, &option, &painter, button);
    return image;
}

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(Look, AButtonsStatesAreToldApart)
{
    Harness h;
    startGame(h);
    for (const char *name : {"btnbuyzone", "btnletsbuy", "btnendtry"}) {
        SCOPED_TRACE(name);
        auto *button = h.find<QPushButton>(name);
        ASSERT_NE(button, nullptr);
        const QImage normal = drawn(button, {});
        const QImage pressed = drawn(button, QStyle::State_Sunken);
        const QImage hovered = drawn(button, QStyle::State_MouseOver);
        const QImage focused = drawn(button, QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange);
        const QImage disabled = drawn(button, {}, QStyle::State_Enabled);
        const QImage states[] = {normal, pressed, hovered, focused, disabled};
        for (std::size_t i = 0; i < std::size(states); ++i) {
            for (std::size_t j = i + 1; j < std::size(states); ++j)
                EXPECT_NE(states[i], states[j]) << "states " << i << " and " << j << " look the same";
        }
    }
}

TEST(Look, TheCaptionIsReadableOnTheFaceInEveryState)
{
    Harness h;
    startGame(h);
    auto *button = h.find<QPushButton>("btnletsbuy");
    button->setText(QString());
    // The face without its caption, sampled along the middle column from
    // just inside the rim to the bottom.
    for (QStyle::State state : {QStyle::State(), QStyle::State(QStyle::State_Sunken),
                                QStyle::State(QStyle::State_MouseOver)}) {
        const QImage face = drawn(button, state);
        const int x = face.width() / 2;
        for (int y = 3; y < face.height() - 3; ++y) {
            const QColor at = face.pixelColor(x, y);
            EXPECT_GE(contrast(gw::look::text, at), 4.5) << "state " << state << " row " << y;
        }
    }
}

TEST(Look, EveryCaptionFitsItsButtonInBothLanguages)
{
    Harness h;
    startGame(h);
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("en")}) {
        gw::setLanguage(language);
        for (QPushButton *button : h.gw->findChildren<QPushButton *>()) {
            if (button->text().isEmpty())
                continue;
            SCOPED_TRACE((language + " " + button->objectName() + ": " + button->text()).toStdString());
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QFontMetrics metrics(button->font());
            int width = metrics.horizontalAdvance(button->text());
            if (!button->icon().isNull())
                width += button->iconSize().width() + 4;
            EXPECT_LE(width, contents.width());
            EXPECT_LE(metrics.height(), contents.height());
        }
    }
    gw::setLanguage("de");
}

} // namespace

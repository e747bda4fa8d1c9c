// SPDX-License-Identifier: MIT
// The game's own look: a button's states are told apart, its caption stays
// readable on its face in every state, and every caption fits its button in
// both languages.
#include "contrast.h"
#include "gameplay.h"

#include "ui/gamecontroller.h"
#include "ui/language.h"
#include "ui/widgets/gamestyle.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

#include <gtest/gtest.h>


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
        // The windows take the language from the posted change events.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        ASSERT_EQ(h.find<QPushButton>("btnbuyzone")->text(), language == "de" ? "Kaufen" : "Buy");
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

namespace {

QColor colourOf(Harness &h, const char *label) { return h.widget(label)->palette().color(QPalette::WindowText); }

TEST(Look, TheOrderTotalIsRedOnlyWhileTheGoldDoesNotReachIt)
{
    Harness h;
    startGame(h);
    ASSERT_EQ(h.gw->state().cash, 1000);
    h.click("btnbuyzone");
    typeInto(h, "edrec", "100");
    EXPECT_EQ(textOf(h, "labcosts"), "1000");
    EXPECT_EQ(colourOf(h, "labcosts"), gw::look::panelText) << "exactly the gold is not too dear";
    typeInto(h, "edrec", "101");
    EXPECT_EQ(colourOf(h, "labcosts"), gw::look::warning);
    // More gold, as a round end brings it: the same total is affordable.
    h.gw->game().showCounter(gw::CounterLabel::Cash, 1010);
    EXPECT_EQ(colourOf(h, "labcosts"), gw::look::panelText);
    h.click("btncancel");
    EXPECT_EQ(textOf(h, "labcosts"), "0");
    EXPECT_EQ(colourOf(h, "labcosts"), gw::look::panelText);

    gw::GameState &s = h.gw->state();
    s.recruits = 100;
    s.mgs = 100;
    h.gw->game().showCounter(gw::CounterLabel::Cash, s.cash);
    h.click("btntraining");
    typeInto(h, "edinf", "40");
    EXPECT_EQ(textOf(h, "labtraincosts"), "1000");
    EXPECT_EQ(colourOf(h, "labtraincosts"), gw::look::panelText);
    typeInto(h, "edinf", "41");
    EXPECT_EQ(colourOf(h, "labtraincosts"), gw::look::warning);
    EXPECT_EQ(s.rounds, 0);
}

} // namespace

// SPDX-License-Identifier: MIT
// Captions and the figures beside them keep apart in both languages: the
// status strip's rows, the order panels' names and their entries, and the
// terrain table, whose names, prices and taxes stand in aligned columns.
#include "gameplay.h"

#include "ui/language.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QtMath>

#include <gtest/gtest.h>

namespace {

// The right end of a label's text as drawn (its ink, not its box), in the
// layout's pixels; with a factor, as the text is drawn at that size, where
// the face's own widths need not grow in proportion.
int inkRight(const QLabel *label, double factor = 1)
{
    QFont font = label->font();
    font.setPixelSize(qRound(font.pixelSize() * factor));
    const QFontMetrics metrics(font);
    return label->x() + qCeil(metrics.horizontalAdvance(label->text()) / factor);
}

void inLanguage(const QString &code)
{
    gw::setLanguage(code);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

constexpr int kGap = 6; // pixels between a caption's last letter and its figure

TEST(Columns, NoCaptionRunsIntoItsFigureInEitherLanguage)
{
    Harness h;
    startGame(h);
    struct Pair {
        const char *caption, *figure;
    };
    const Pair pairs[] = {
        {"labscash", "labcash"},          {"labsrecruits", "labrecruits"}, {"labsmg", "labmg"},
        {"labssniper", "labsniper"},      {"labsmorse", "labmorse"},       {"labsspecial", "labspecial"},
        {"labssmg", "labmgs"},            {"la", "labsnipers"},            {"labssmorse", "labmorses"},
        {"labssspecial", "labspecials"},  {"labstaxes", "labtaxes"},       {"Label1", "edrec"},
        {"Label5", "edspecs"},            {"Label12", "edinf"},            {"Label13", "edsniper"},
        {"Label15", "edspecial"},
    };
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("en")}) {
        inLanguage(language);
        for (const Pair &p : pairs) {
            SCOPED_TRACE((language + " " + p.caption).toStdString());
            const auto *caption = h.find<QLabel>(p.caption);
            ASSERT_NE(caption, nullptr);
            for (double factor : {1.0, 1.5, 2.0})
                EXPECT_LE(inkRight(caption, factor) + kGap, h.widget(p.figure)->x())
                    << caption->text().toStdString() << " at " << factor;
        }
    }
    inLanguage("de");
}

TEST(Columns, TheTerrainTableStandsInAlignedColumnsInEitherLanguage)
{
    Harness h;
    startGame(h);
    h.click("btninfo");
    h.click("btnfieldinfo");
    QWidget *table = h.widget("pantax");
    const char *const names[] = {"Label25", "Label26", "Label30", "Label34", "Label31", "Label29",
                                 "Label27", "Label33", "Label28", "Label32", "Label35"};
    const char *const costs[] = {"Label36", "Label38", "Label48", "Label51", "Label54", "Label46",
                                 "Label40", "Label56", "Label42", "Label44", "Label52"};
    const char *const taxes[] = {"Label37", "Label39", "Label49", "Label50", "Label55", "Label47",
                                 "Label41", "Label57", "Label45", "Label43", "Label53"};
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("en")}) {
        inLanguage(language);
        const int column = h.widget(costs[0])->x();
        for (std::size_t i = 0; i < std::size(names); ++i) {
            SCOPED_TRACE((language + " " + names[i]).toStdString());
            const auto *name = h.find<QLabel>(names[i]);
            EXPECT_EQ(h.widget(costs[i])->x(), column) << "the prices in one column";
            EXPECT_EQ(h.widget(taxes[i])->x(), column) << "the taxes in the same column";
            EXPECT_LE(inkRight(name) + kGap, column) << name->text().toStdString();
            for (const char *figure : {costs[i], taxes[i]})
                EXPECT_LE(inkRight(h.find<QLabel>(figure)), table->width() - 4) << "inside the table";
        }
    }
    inLanguage("de");
}

} // namespace

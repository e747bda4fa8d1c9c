// SPDX-License-Identifier: MIT
// Every text on the options screen and on the game screen, with each of its
// panels open, is legible on what is drawn behind it: a contrast of at least
// 4.5 : 1 between the label's colour and every pixel under its ink.
#include "contrast.h"
#include "gameplay.h"

#include "core/cells.h"
#include "rules/gamecourse.h"
#include "ui/gamecontroller.h"
#include "ui/panels/gamereportpanel.h"
#include "ui/widgets/framewidgets.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QStyle>

#include <gtest/gtest.h>

#include <limits>

namespace {

// The lowest contrast of the label's text colour against the window's pixels
// under the label's text, drawn with the label itself hidden.
double worstContrast(QLabel *label, QWidget *window)
{
    const QColor text = label->palette().color(label->foregroundRole());
    const QFontMetrics metrics(label->font());
    QRect ink;
    if (label->wordWrap()) {
        ink = metrics.boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
    } else {
        // The glyphs' own box, where the line's baseline puts it.
        const auto *own = qobject_cast<const gw::TextLabel *>(label);
        const int raise = own ? own->textRaise() : 0;
        ink = metrics.tightBoundingRect(label->text());
        const QRect line = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                               QSize(metrics.horizontalAdvance(label->text()), metrics.height()),
                                               label->contentsRect());
        ink.translate(line.left(), line.top() - raise + metrics.ascent());
    }
    ink = ink.intersected(label->rect());
    const QRect inWindow(label->mapTo(window, ink.topLeft()), ink.size());
    label->hide();
    const QImage behind = window->grab(inWindow).toImage();
    label->show();
    double worst = std::numeric_limits<double>::infinity();
    for (int y = 0; y < behind.height(); ++y) {
        for (int x = 0; x < behind.width(); ++x)
            worst = std::min(worst, contrast(text, behind.pixelColor(x, y)));
    }
    return worst;
}

// Checks every visible label with a text under `root`; returns how many.
int checkLabels(QWidget *root, QWidget *window, const char *scene)
{
    int checked = 0;
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(window) || label->width() == 0)
            continue;
        ++checked;
        EXPECT_GE(worstContrast(label, window), 4.5)
            << scene << ": " << label->objectName().toStdString() << " \"" << label->text().toStdString() << "\"";
    }
    return checked;
}

TEST(Contrast, EveryTextOfTheOptionsScreenIsLegible)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.gw->show();
    h.click("btnoptions");
    EXPECT_GE(checkLabels(h.widget("panoptions"), h.gw.get(), "options"), 7);
    // The version stands on the title picture.
    EXPECT_GE(worstContrast(h.find<QLabel>("labversion"), h.gw.get()), 4.5);
}

TEST(Contrast, EveryTextOfTheGameScreenIsLegibleWithEachPanelOpen)
{
    Harness h;
    startGame(h);
    h.gw->show();
    QWidget *game = h.widget("pangame");
    EXPECT_GE(checkLabels(game, h.gw.get(), "the game screen"), 20);

    // A purchase the gold does not reach: the total turns red, legibly.
    h.click("btnbuyzone");
    typeInto(h, "edspecs", "999");
    checkLabels(game, h.gw.get(), "purchase, too dear");
    h.click("btncancel");
    h.gw->state().recruits = 5;
    h.click("btntraining");
    typeInto(h, "edinf", "0");
    checkLabels(game, h.gw.get(), "training");
    h.click("btntraincancel");
    h.click("btnbuild");
    checkLabels(game, h.gw.get(), "construction");
    h.click("btncancelbuild");
    h.click("btninfo");
    h.click("btnfieldinfo");
    h.click("btnenemyinfo");
    checkLabels(game, h.gw.get(), "information, terrain table and opponent");
    h.click("btncloseinfo");
    h.click("btnfight");
    checkLabels(game, h.gw.get(), "attack prompt");

    // An attack brings the battle report.
    h.gw->state().recruits = 3;
    h.click("btnletsfight");
    h.click(QString("Image%1").arg(firstCell(h.gw->state(), [](const std::string &c) { return c == gw::kBlueBase; })));
    ASSERT_FALSE(h.widget("panreport")->isHidden());
    checkLabels(game, h.gw.get(), "battle report");
    h.click("btnclosereport");

    h.gw->game().showVictory(12);
    h.gw->game().showDefeat(12);
    checkLabels(h.widget("panwin"), h.gw.get(), "victory");
    h.widget("panwin")->hide();
    checkLabels(h.widget("panlose"), h.gw.get(), "defeat");

    // The game report, with the note of a record that parted from the game.
    gw::GameCourse course;
    course.mapName = "Mittelmeer";
    course.points.resize(4);
    course.winner = gw::Side::Red;
    course.endRound = 12;
    course.partedAt = 4;
    h.find<gw::GameReportPanel>("pangamereport")->showCourse(course);
    EXPECT_GE(checkLabels(h.widget("pangamereport"), h.gw.get(), "game report"), 20);
}

} // namespace

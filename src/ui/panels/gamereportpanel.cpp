// SPDX-License-Identifier: MIT
#include "ui/panels/gamereportpanel.h"

#include "ui/texts.h"
#include "ui/widgets/coursechart.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QPushButton>

#include <algorithm>

namespace gw {

namespace {

// The panel covers the whole window, the command row and "Beenden" too.
constexpr QRect kPlace(0, 0, 799, 595);
// The two blocks of the table, their rows' pitch, and the charts below.
constexpr int kBlockLeft[] = {16, 404};
constexpr int kHeadTop = 58, kRowPitch = 18;
constexpr int kChartTop = 140, kChartWidth = 383, kChartHeight = 198, kChartGap = 8;
constexpr int kChartLeft[] = {12, 12 + kChartWidth + 9};
constexpr int kColumnGap = 16, kMinValueWidth = 56;
constexpr int kBottomRow = 558;

const char *const kChartNames[] = {"chartincome", "chartgold", "chartarmy", "charthp"};

} // namespace

GameReportPanel::GameReportPanel(QWidget *gameScreen)
    : Panel(gameScreen, "pangamereport", kPlace, look::panelFace)
{
    title_ = makeLabel(this, "labgamereporttitle", 16, 10, QString(), windowFont(15, true));
    result_ = makeLabel(this, "labgamereportresult", 16, 32, QString(), windowFont(13, true), look::goldLight);
    note_ = makeLabel(this, "labgamereportnote", 16, kBottomRow + 4, QString(), windowFont(12), look::warning);
    for (std::size_t i = 0; i < heads_.size(); ++i) {
        const Side side = i % 2 == 0 ? Side::Red : Side::Blue;
        heads_[i] = makeLabel(this, QString("labgamereporthead%1").arg(i + 1), 0, kHeadTop, QString(),
                              windowFont(12, true), Texts::sideColour(side), TextLabel::Anchor::Right);
    }
    for (std::size_t row = 0; row < rowNames_.size(); ++row) {
        const int block = static_cast<int>(row) / 3;
        const int y = kHeadTop + kRowPitch * (1 + static_cast<int>(row) % 3);
        const QString n = QString::number(row + 1);
        rowNames_[row] = makeLabel(this, "labgamereportrow" + n, kBlockLeft[block], y, QString(), windowFont(12));
        for (std::size_t side = 0; side < 2; ++side)
            values_[row][side] = makeLabel(this, QString("labgamereport%1%2").arg(side == 0 ? "red" : "blue", n), 0,
                                           y, QString(), windowFont(12), look::text, TextLabel::Anchor::Right);
    }
    const std::array<QColor, 2> colours = {Texts::sideColour(Side::Red), Texts::sideColour(Side::Blue)};
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        const int column = static_cast<int>(i) % 2, row = static_cast<int>(i) / 2;
        const QRect place(kChartLeft[column], kChartTop + row * (kChartHeight + kChartGap), kChartWidth, kChartHeight);
        charts_[i] = new CourseChart(this, kChartNames[i], place, colours);
    }
    btnclosegamereport_ = makeButton(this, "btnclosegamereport", {708, kBottomRow, 75, 25}, QString(), windowFont());
    connect(btnclosegamereport_, &QPushButton::clicked, this, &GameReportPanel::btnclosegamereportClick);
    stackWindowedOnTop(this);
    retranslate();
}

void GameReportPanel::showCourse(const GameCourse &course)
{
    course_ = course;
    // The figures of the charts, each side's after every round.
    const auto series = [this](auto figure) {
        std::array<std::vector<int64_t>, 2> s;
        for (std::size_t side = 0; side < 2; ++side) {
            s[side].reserve(course_.points.size());
            for (const CoursePoint &p : course_.points)
                s[side].push_back(figure(p.side[side]));
        }
        return s;
    };
    const int32_t first = course_.points.empty() ? 0 : course_.points.front().round;
    const std::array<std::array<std::vector<int64_t>, 2>, kCharts> all = {
        series([](const SideFigures &f) { return int64_t{f.income}; }),
        series([](const SideFigures &f) { return int64_t{f.gold}; }),
        series([](const SideFigures &f) { return f.strength; }),
        // A destroyed base shows 0, as its bar does.
        series([](const SideFigures &f) { return std::max<int64_t>(f.basehp, 0); }),
    };
    for (std::size_t i = 0; i < charts_.size(); ++i)
        charts_[i]->setSeries(first, all[i][0], all[i][1]);
    fill();
    show();
}

void GameReportPanel::retranslate()
{
    btnclosegamereport_->setText(tr("Schliessen"));
    const QString titles[] = {tr("Einkommen je Runde"), tr("Gold"), tr("Armeestärke"), tr("HP der Basis")};
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        charts_[i]->setTitle(titles[i]);
        charts_[i]->setRoundsCaption(tr("Runde"));
    }
    const QString rows[] = {tr("Angriffe"),         tr("Kämpfe gewonnen"),       tr("Schaden zugefügt"),
                            tr("Schaden erlitten"), tr("Land am Ende (Felder)"), tr("Größte Armee (Soldaten)")};
    for (std::size_t row = 0; row < rowNames_.size(); ++row)
        rowNames_[row]->setCaption(rows[row]);
    fill();
}

void GameReportPanel::fill()
{
    const bool two = course_.players != Players::Computer;
    const QString names[] = {two ? Texts::sideName(Side::Red) : tr("Sie"),
                             two ? Texts::sideName(Side::Blue) : tr("Gegner")};
    for (CourseChart *chart : charts_)
        chart->setLegend(names[0], names[1]);
    title_->setCaption(tr("Spielbericht: %1 (%2)")
                           .arg(Texts::mapName(course_.mapName),
                                two ? tr("zu zweit") : Texts::levelName(course_.level)));
    QString result;
    if (course_.winner && two)
        result = tr("%1 (%2)").arg(Texts::winner(*course_.winner), Texts::wonInRound(course_.endRound));
    else if (course_.winner)
        // As the result panels count: a victory before its round is counted.
        result = *course_.winner == Side::Red ? Texts::victory(course_.endRound - 1) : Texts::defeat(course_.endRound);
    result_->setCaption(result);
    note_->setCaption(course_.partedAt > 0 ? tr("Der Verlauf reicht nur bis Runde %1: danach passt die Aufzeichnung "
                                                "nicht mehr zum Spiel.")
                                                 .arg(course_.partedAt - 1)
                                           : QString());

    const auto figures = [this](std::size_t row, Side side) -> int64_t {
        const SideTotals &t = course_.of(side);
        const int64_t all[] = {t.attacks, t.battlesWon, t.damageDealt, t.damageTaken, t.land, t.largestArmy};
        return all[row];
    };
    // Each block: the rows' names, then two columns of figures as wide as
    // their widest text, right-aligned under their headings.
    for (int block = 0; block < 2; ++block) {
        int nameWidth = 0, valueWidth = kMinValueWidth;
        for (std::size_t side = 0; side < 2; ++side) {
            TextLabel *head = heads_[static_cast<std::size_t>(block * 2) + side];
            head->setCaption(names[side]);
            valueWidth = std::max(valueWidth, head->width());
        }
        for (int r = 0; r < 3; ++r) {
            const auto row = static_cast<std::size_t>(block * 3 + r);
            nameWidth = std::max(nameWidth, rowNames_[row]->width());
            for (Side side : {Side::Red, Side::Blue}) {
                TextLabel *value = values_[row][static_cast<std::size_t>(side)];
                value->setCaption(QString::number(figures(row, side)));
                valueWidth = std::max(valueWidth, value->width());
            }
        }
        const int first = kBlockLeft[block] + nameWidth + kColumnGap + valueWidth;
        const int rights[] = {first, first + kColumnGap + valueWidth};
        for (std::size_t side = 0; side < 2; ++side) {
            heads_[static_cast<std::size_t>(block * 2) + side]->place(rights[side], kHeadTop);
            for (int r = 0; r < 3; ++r) {
                const auto row = static_cast<std::size_t>(block * 3 + r);
                values_[row][side]->place(rights[side], kHeadTop + kRowPitch * (1 + r));
            }
        }
    }
}

} // namespace gw

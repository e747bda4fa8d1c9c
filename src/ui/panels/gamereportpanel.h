// SPDX-License-Identifier: MIT
#pragma once

#include "rules/gamecourse.h"
#include "ui/widgets/framewidgets.h"

#include <array>

class QPushButton;

namespace gw {

class CourseChart;
class TextLabel;

// The game report ("Spielbericht") of a decided game, over the whole game
// screen: the map, the level and the result; what each side did (attacks,
// battles won, damage dealt and taken, land held at the end, the largest
// army); and four charts over the rounds of both sides' income, gold, army
// strength and base hit points. It only informs; closing it changes
// nothing. Against the computer the sides are "Sie" and "Gegner", between
// two players "Rot" and "Blau".
class GameReportPanel : public Panel {
    Q_OBJECT
public:
    explicit GameReportPanel(QWidget *gameScreen);

    // Fills the panel with the course and shows it.
    void showCourse(const GameCourse &course);
    void btnclosegamereportClick() { hide(); }

    // The figures' rows, in the order shown.
    static constexpr int kRows = 6;
    // The charts: income, gold, army strength, base hit points.
    static constexpr int kCharts = 4;
    CourseChart &chart(int i) const { return *charts_[static_cast<std::size_t>(i)]; }

protected:
    void retranslate() override;

private:
    // The texts of the course in the current language, and the table's
    // columns fitted to them.
    void fill();

    GameCourse course_;
    TextLabel *title_, *result_, *note_;
    // Two blocks of three rows side by side, each with its two headings.
    std::array<TextLabel *, 4> heads_{};
    std::array<TextLabel *, kRows> rowNames_{};
    std::array<std::array<TextLabel *, 2>, kRows> values_{};
    std::array<CourseChart *, kCharts> charts_{};
    QPushButton *btnclosegamereport_;
};

} // namespace gw

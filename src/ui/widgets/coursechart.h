// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

namespace gw {

// A line chart of two figures over the rounds of a game, in the game's
// look: a dark trough with a lowered edge, the title and a legend in its
// top row, the figures' scale at the left with a faint line at each step,
// the rounds' scale at the foot, and one line for each side in its colour
// (the first drawn wider under the second, so where both are equal both
// still show). Drawn with QPainter straight onto the window, so lines and
// text are as sharp as the window at any size it is drawn at; it keeps no
// picture and runs no timer.
class CourseChart : public QWidget {
    Q_OBJECT
public:
    CourseChart(QWidget *parent, const QString &name, const QRect &place, const std::array<QColor, 2> &colours);

    void setTitle(const QString &title);
    // The names of the two lines, in their colours at the top right.
    void setLegend(const QString &first, const QString &second);
    // The figures of the rounds firstRound, firstRound + 1, ...; the two
    // series have one length.
    void setSeries(int32_t firstRound, std::vector<int64_t> first, std::vector<int64_t> second);
    // The word under the scale of the rounds ("Runde").
    void setRoundsCaption(const QString &caption);

    const std::vector<int64_t> &series(int i) const { return series_[static_cast<std::size_t>(i)]; }
    // The steps of the two scales as drawn: the figures, and the rounds
    // (the first, then round figures).
    std::vector<int64_t> valueSteps() const;
    std::vector<int64_t> roundSteps() const;

    // A step that divides a range into about `parts` parts at a round
    // figure: 1, 2, 2.5 or 5 times a power of ten, and at least 1.
    static int64_t niceStep(int64_t range, int parts);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The area the lines are drawn in.
    QRect plotArea() const;
    int64_t lowest() const;
    int64_t highest() const;

    std::array<QColor, 2> colours_;
    QString title_, roundsCaption_;
    std::array<QString, 2> legend_;
    int32_t firstRound_ = 0;
    std::array<std::vector<int64_t>, 2> series_;
};

} // namespace gw

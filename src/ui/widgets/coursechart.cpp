// SPDX-License-Identifier: MIT
#include "ui/widgets/coursechart.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/gamestyle.h"
#include "ui/widgets/meter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace gw {

namespace {

QFont titleFont() { return windowFont(12, true); }
QFont scaleFont() { return windowFont(11); }

// The faint lines of the scale, between the trough and the bronze edge.
const QColor kGrid(0x3a, 0x2e, 0x18);
// The widths of the two lines: the first shows beside the second where
// both are equal.
constexpr double kWidths[] = {4.0, 2.0};

} // namespace

CourseChart::CourseChart(QWidget *parent, const QString &name, const QRect &place, const std::array<QColor, 2> &colours)
    : QWidget(parent), colours_(colours)
{
    setObjectName(name);
    setGeometry(place);
    // A chart only shows; clicks go to the panel below.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CourseChart::setTitle(const QString &title)
{
    title_ = title;
    update();
}

void CourseChart::setLegend(const QString &first, const QString &second)
{
    legend_ = {first, second};
    update();
}

void CourseChart::setRoundsCaption(const QString &caption)
{
    roundsCaption_ = caption;
    update();
}

void CourseChart::setSeries(int32_t firstRound, std::vector<int64_t> first, std::vector<int64_t> second)
{
    firstRound_ = firstRound;
    series_ = {std::move(first), std::move(second)};
    update();
}

int64_t CourseChart::niceStep(int64_t range, int parts)
{
    const double raw = double(std::max<int64_t>(range, 0)) / std::max(parts, 1);
    if (raw <= 1)
        return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        const double step = m * magnitude;
        if (step >= raw && step == std::floor(step))
            return static_cast<int64_t>(step);
    }
    return static_cast<int64_t>(10 * magnitude);
}

int64_t CourseChart::lowest() const
{
    int64_t low = 0;
    for (const auto &s : series_) {
        for (int64_t v : s)
            low = std::min(low, v);
    }
    return low;
}

int64_t CourseChart::highest() const
{
    int64_t high = 0;
    for (const auto &s : series_) {
        for (int64_t v : s)
            high = std::max(high, v);
    }
    return high;
}

std::vector<int64_t> CourseChart::valueSteps() const
{
    const int64_t low = lowest(), high = highest();
    const int64_t step = niceStep(high - low, 4);
    int64_t from = low / step * step;
    if (from > low)
        from -= step;
    int64_t to = high / step * step;
    if (to < high)
        to += step;
    if (to == from)
        to = from + step;
    std::vector<int64_t> steps;
    for (int64_t v = from; v <= to; v += step)
        steps.push_back(v);
    return steps;
}

std::vector<int64_t> CourseChart::roundSteps() const
{
    const int64_t last = firstRound_ + std::max<int64_t>(int64_t(series_[0].size()) - 1, 0);
    const int64_t step = niceStep(last - firstRound_, 5);
    // The first round, then every round figure far enough from it.
    std::vector<int64_t> steps = {firstRound_};
    for (int64_t r = (firstRound_ + step - 1) / step * step; r <= last; r += step) {
        if (2 * (r - firstRound_) >= step)
            steps.push_back(r);
    }
    return steps;
}

QRect CourseChart::plotArea() const
{
    const QFontMetrics title(titleFont()), scale(scaleFont());
    int labels = scale.horizontalAdvance(roundsCaption_);
    for (int64_t v : valueSteps())
        labels = std::max(labels, scale.horizontalAdvance(QString::number(v)));
    const int top = 6 + title.height() + 6;
    const int left = 8 + labels + 6;
    const int bottom = height() - 1 - 6 - scale.height();
    return QRect(QPoint(left, top), QPoint(width() - 12, bottom));
}

void CourseChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, Meter::kTrough);
    // A lowered edge, as the bars have: dark above and left, light below
    // and right.
    p.fillRect(QRect(0, 0, r.width(), 1), look::bronze);
    p.fillRect(QRect(0, 0, 1, r.height()), look::bronze);
    p.fillRect(QRect(0, r.height() - 1, r.width(), 1), look::gold);
    p.fillRect(QRect(r.width() - 1, 1, 1, r.height() - 1), look::gold);

    // The title, and the legend at the right: a piece of each line, then
    // its name.
    const QFontMetrics titleMetrics(titleFont()), scaleMetrics(scaleFont());
    p.setFont(titleFont());
    p.setPen(look::goldLight);
    p.drawText(QRect(8, 6, r.width() - 16, titleMetrics.height()), Qt::AlignLeft | Qt::AlignTop, title_);
    p.setFont(scaleFont());
    int x = r.width() - 10;
    const int legendMiddle = 6 + titleMetrics.ascent() - titleMetrics.capHeight() / 2;
    for (int i = 1; i >= 0; --i) {
        const QString &name = legend_[static_cast<std::size_t>(i)];
        if (name.isEmpty())
            continue;
        const int w = scaleMetrics.horizontalAdvance(name);
        x -= w;
        p.setPen(colours_[static_cast<std::size_t>(i)]);
        p.drawText(QRect(x, legendMiddle - scaleMetrics.height() / 2, w, scaleMetrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, name);
        x -= 4 + 14;
        p.fillRect(QRect(x, legendMiddle - 1, 14, 3), colours_[static_cast<std::size_t>(i)]);
        x -= 12;
    }

    const QRect plot = plotArea();
    const std::vector<int64_t> values = valueSteps();
    const double low = double(values.front()), high = double(values.back());
    const auto yOf = [&](double v) { return plot.bottom() - (v - low) * (plot.height() - 1) / (high - low); };
    const std::size_t count = series_[0].size();
    const double span = std::max<double>(double(count) - 1, 1);
    const auto xOf = [&](double round) { return plot.left() + (round - firstRound_) * (plot.width() - 1) / span; };

    // The scale of the figures: a faint line at each step, its figure at the left.
    const int textHeight = scaleMetrics.height();
    for (int64_t v : values) {
        const int y = static_cast<int>(std::lround(yOf(double(v))));
        p.fillRect(QRect(plot.left(), y, plot.width(), 1), v == 0 ? look::bronze : kGrid);
        p.setPen(look::text);
        p.drawText(QRect(4, y - textHeight / 2, plot.left() - 10, textHeight), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(v));
    }
    // The scale of the rounds along the foot.
    p.fillRect(QRect(plot.left(), plot.top(), 1, plot.height()), look::bronze);
    p.fillRect(QRect(plot.left(), plot.bottom(), plot.width(), 1), look::gold);
    const int foot = plot.bottom() + 4;
    p.setPen(look::text);
    p.drawText(QRect(4, foot, plot.left() - 12, textHeight), Qt::AlignRight | Qt::AlignTop, roundsCaption_);
    for (int64_t round : roundSteps()) {
        const int rx = static_cast<int>(std::lround(xOf(double(round))));
        p.fillRect(QRect(rx, plot.bottom(), 1, 4), look::gold);
        // Under its mark, but never nearer the caption or the edge.
        const QString figure = QString::number(round);
        const int w = scaleMetrics.horizontalAdvance(figure);
        const int left = std::clamp(rx - w / 2, plot.left() - 2, r.width() - 4 - w);
        p.drawText(QRect(left, foot, w, textHeight), Qt::AlignLeft | Qt::AlignTop, figure);
    }

    // The lines, smoothed, kept to the plot.
    if (count == 0)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(plot.adjusted(-3, -3, 3, 3));
    for (std::size_t i = 0; i < series_.size(); ++i) {
        QPolygonF line;
        line.reserve(static_cast<int>(count));
        for (std::size_t k = 0; k < count && k < series_[i].size(); ++k)
            line << QPointF(xOf(double(firstRound_) + double(k)), yOf(double(series_[i][k])));
        p.setPen(QPen(colours_[i], kWidths[i], Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (line.size() == 1)
            p.drawPoint(line.front());
        else
            p.drawPolyline(line);
    }
}

} // namespace gw

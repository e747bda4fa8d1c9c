// SPDX-License-Identifier: MIT
#pragma once

#include "rules/screen.h"

#include <QObject>

#include <array>
#include <cstdint>

class QLabel;
class QString;

namespace gw {

class TextLabel;

// The game screen's status strip below the field: the player's gold,
// forces and equipment, the tax income, and what the opponent did last.
class StatusStrip : public QObject {
    Q_OBJECT
public:
    explicit StatusStrip(QWidget *gameScreen);

    // Writes the value as decimal text into the counter's label.
    void showCounter(CounterLabel label, int32_t value);
    // The line above "Information"; empty at a skirmish start.
    void showLastMove(const QString &text);

private:
    std::array<TextLabel *, 11> counters_{}; // by CounterLabel
    QLabel *lablastmove_ = nullptr;
};

} // namespace gw

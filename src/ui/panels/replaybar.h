// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/framewidgets.h"

#include <cstdint>

class QPushButton;

namespace gw {

class TextLabel;

// The replay's controls, in the place of the game screen's command row:
// play and pause, one step, the speed, where the replay stands, and the
// way back to the skirmish screen.
class ReplayBar : public Panel {
    Q_OBJECT
public:
    explicit ReplayBar(QWidget *gameScreen);

    // The rounds per second the speed button offers, each click the next.
    static constexpr int kSpeeds[] = {1, 2, 5, 10, 25};
    int roundsPerSecond() const { return kSpeeds[speed_]; }

    // "Abspielen" while paused, "Anhalten" while playing; both and the step
    // unavailable once nothing more plays.
    void showPlaying(bool playing, bool more);
    // "Runde 12 von 57", or how it ended.
    void showRound(int32_t round, int32_t last);
    void showEnd(const QString &text);

    // "Zurück", or Escape.
    void btnreplaybackClick() { emit backClicked(); }

signals:
    void playClicked();
    void stepClicked();
    void speedChanged();
    void backClicked();

protected:
    void retranslate() override;

private:
    QPushButton *btnplay_, *btnstep_, *btnspeed_, *btnback_;
    TextLabel *labspeed_, *labround_;
    int speed_ = 1;
    bool playing_ = false;
    int32_t round_ = 0, last_ = 0;
    QString end_;
};

} // namespace gw

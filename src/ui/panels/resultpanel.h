// SPDX-License-Identifier: MIT
#pragma once

#include "core/side.h"
#include "ui/widgets/framewidgets.h"

#include <cstdint>
#include <optional>

class QPushButton;

namespace gw {

class TextLabel;

// The victory or the defeat panel: the result in large type and the button
// that leaves the game.
class ResultPanel : public Panel {
    Q_OBJECT
public:
    enum class Result { Victory, Defeat };
    ResultPanel(QWidget *gameScreen, Result result);

    // "Sie haben in <rounds> Runden gewonnen!" (or "verloren!"), then the
    // panel shown; no note.
    void showResult(int32_t rounds);
    // The victory's second line ("Neuer Rekord!"); empty hides it.
    void showNote(const QString &text);
    // Between two players, on the victory panel: "Blau hat gewonnen!" and
    // the round it was won in on the second line ("in Runde 12").
    void showWinner(Side side, int32_t round);
    // The button that opens the game report, shown once the game's course
    // can be reported.
    void setReportAvailable(bool available);

signals:
    void confirmClicked();
    void reportClicked();

protected:
    void retranslate() override;

private:
    Result result_;
    TextLabel *label_;
    QPushButton *button_;
    QPushButton *report_;
    std::optional<int32_t> rounds_;
    std::optional<Side> winner_;
    TextLabel *note_ = nullptr;
};

} // namespace gw

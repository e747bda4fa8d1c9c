// SPDX-License-Identifier: MIT
#pragma once

#include "rules/actions.h"
#include "ui/panels/orderrows.h"
#include "ui/widgets/framewidgets.h"

#include <array>
#include <cstdint>

class QLineEdit;
class QPushButton;

namespace gw {

class TextLabel;

// "Ausbilden": recruits trained into units by count, with the running total.
class TrainingPanel : public Panel {
    Q_OBJECT
public:
    // The unit kinds in row order, as the rules count them.
    enum Kind { Infantry, Snipers, Mortarcrews, Specialunits };

    explicit TrainingPanel(QWidget *gameScreen);

    TrainingOrder counts() const;
    // labtraincosts := the total of the entries.
    void showTotal();
    // The player's gold, which the total is measured against.
    void setGold(int32_t gold);
    // One entry back to 0 (which reports that change in turn).
    void clearEntry(int kind);
    // Every entry and the total back to 0.
    void reset();
    // The entries take these counts without reporting them.
    void setCounts(const TrainingOrder &counts);

    // The entries' changes, reported by unit kind.
    void edinfChange() { emit entryChanged(Infantry); }
    void edsniperChange() { emit entryChanged(Snipers); }
    void edmortarChange() { emit entryChanged(Mortarcrews); }
    void edspecialChange() { emit entryChanged(Specialunits); }
    // "Abbrechen": the panel closes with its entries at 0.
    void btntraincancelClick();

protected:
    void retranslate() override;

signals:
    void entryChanged(int kind);
    // "Ausbilden" in the panel, or Enter in an entry.
    void trainClicked();

private:
    OrderRowWidgets<4> rows_;
    std::array<QLineEdit *, 4> entries_{};
    TextLabel *labcostsCaption_ = nullptr, *labtraincosts_ = nullptr;
    QPushButton *btntraincancel_ = nullptr, *btntrain_ = nullptr;
    int64_t shownTotal_ = 0;
    int32_t gold_ = INT32_MAX;
};

} // namespace gw

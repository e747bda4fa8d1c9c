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

// "Kaufen": recruits and equipment by count, the running total, and the way
// to buy land instead.
class PurchasePanel : public Panel {
    Q_OBJECT
public:
    explicit PurchasePanel(QWidget *gameScreen);

    PurchaseOrder counts() const;
    // labcosts := the total of the entries.
    void showTotal();
    // The player's gold, which the total is measured against.
    void setGold(int32_t gold);
    // Every entry and the total back to 0.
    void reset();
    // The panel closes with its entries at 0.
    void closeEmpty()
    {
        hide();
        reset();
    }
    // The entries take these counts without reporting them.
    void setCounts(const PurchaseOrder &counts);

    // The entries' changes: each shows the new total and reports the counts.
    void edrecChange() { purchaseEntryChange(); }
    void edmgsChange() { purchaseEntryChange(); }
    void edsnipsChange() { purchaseEntryChange(); }
    void edmortsChange() { purchaseEntryChange(); }
    void edspecsChange() { purchaseEntryChange(); }

    // "Abbrechen", or Escape.
    void btncancelClick() { emit cancelClicked(); }

protected:
    void retranslate() override;

signals:
    void countsChanged(const PurchaseOrder &counts);
    // "Kaufen" in the panel, or Enter in an entry.
    void buyClicked();
    void landClicked();
    void cancelClicked();

private:
    void purchaseEntryChange();

    OrderRowWidgets<5> rows_;
    std::array<QLineEdit *, 5> entries_{};
    TextLabel *labcostsCaption_ = nullptr, *labcosts_ = nullptr;
    QPushButton *btnbuyland_ = nullptr, *btnletsbuy_ = nullptr, *btncancel_ = nullptr;
    int64_t shownTotal_ = 0;
    int32_t gold_ = INT32_MAX;
};

} // namespace gw

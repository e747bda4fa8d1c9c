// SPDX-License-Identifier: MIT
#include "ui/panels/orderrows.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/pictures.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace gw {

template <std::size_t N>
OrderRowWidgets<N> buildOrderRows(QWidget *panel, const OrderRow (&rows)[N], int entryLeft)
{
    OrderRowWidgets<N> w;
    for (std::size_t i = 0; i < N; ++i) {
        const OrderRow &r = rows[i];
        PictureBox *icon = makePicture(panel, r.icon, {8, r.iconTop, 35, 35});
        icon->setPicture(withTransparentBottomLeft(resourcePicture(r.picture)));
        w.names[i] = makeLabel(panel, r.nameLabel, 48, r.nameTop, QString(), windowFont(13, true));
        w.prices[i] = makeLabel(panel, r.priceLabel, 48, r.priceTop, QString(), windowFont());
        w.entries[i] = makeCountEntry(panel, r.entry, {entryLeft, r.nameTop, 49, 21});
        makeSpinButtons(panel, r.spin, {entryLeft + 49, r.nameTop, 16, 21}, w.entries[i]);
    }
    return w;
}

// The purchase panel has five rows, the training panel four.
template OrderRowWidgets<5> buildOrderRows(QWidget *, const OrderRow (&)[5], int);
template OrderRowWidgets<4> buildOrderRows(QWidget *, const OrderRow (&)[4], int);

void showCost(TextLabel *label, int64_t total, int32_t gold)
{
    setTextColour(label, total > gold ? look::warning : look::panelText);
    label->setCaption(QString::number(total));
}

int32_t countIn(const QLineEdit *entry)
{
    const QString text = entry->text();
    return text.isEmpty() ? 0 : text.toInt();
}

void putCountIn(QLineEdit *entry, int32_t count)
{
    const QSignalBlocker quiet(entry);
    entry->setText(QString::number(count));
}

} // namespace gw

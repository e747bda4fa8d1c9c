// SPDX-License-Identifier: MIT
#include "ui/orderrows.h"

#include "ui/fonts.h"
#include "ui/layoutkit.h"
#include "ui/pictures.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace gw {

template <std::size_t N>
std::array<QLineEdit *, N> buildOrderRows(QWidget *panel, const OrderRow (&rows)[N], int entryLeft)
{
    std::array<QLineEdit *, N> entries{};
    for (std::size_t i = 0; i < N; ++i) {
        const OrderRow &r = rows[i];
        PictureBox *icon = makePicture(panel, r.icon, {8, r.iconTop, 35, 35});
        icon->setPicture(withTransparentBottomLeft(resourcePicture(r.picture)));
        makeLabel(panel, r.nameLabel, 48, r.nameTop, QString::fromUtf8(r.name), windowFont(13, true));
        makeLabel(panel, r.priceLabel, 48, r.priceTop, r.price, windowFont());
        entries[i] = makeCountEntry(panel, r.entry, {entryLeft, r.nameTop, 49, 21});
        makeSpinButtons(panel, r.spin, {entryLeft + 49, r.nameTop, 16, 21}, entries[i]);
    }
    return entries;
}

// The purchase panel has five rows, the training panel four.
template std::array<QLineEdit *, 5> buildOrderRows(QWidget *, const OrderRow (&)[5], int);
template std::array<QLineEdit *, 4> buildOrderRows(QWidget *, const OrderRow (&)[4], int);

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

// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class QLineEdit;
class QWidget;

namespace gw {

class TextLabel;

// One row of the purchase or training panel: an icon, the name and price,
// and a count entry with its spin buttons.
struct OrderRow {
    const char *icon;    // widget name
    const char *picture; // resource
    int iconTop;
    const char *nameLabel;
    const char *name; // German, marked for translation in the panel's scope
    int nameTop;
    const char *priceLabel;
    int priceTop;
    const char *entry;
    const char *spin;
};

// The widgets of the rows that change: the names and prices (by language)
// and the entries.
template <std::size_t N> struct OrderRowWidgets {
    std::array<TextLabel *, N> names{};
    std::array<TextLabel *, N> prices{};
    std::array<QLineEdit *, N> entries{};
};

// Builds the rows into the panel, the entries at entryLeft with their spin
// buttons right of them; the texts are set by the panel.
template <std::size_t N>
OrderRowWidgets<N> buildOrderRows(QWidget *panel, const OrderRow (&rows)[N], int entryLeft);

// An order's total in its cost label ("Kosten"): in the panel's own colour
// while the gold reaches it, in red once it does not.
void showCost(TextLabel *label, int64_t total, int32_t gold);

// The count an entry holds; the entries take digits only, and an empty one
// counts as 0.
int32_t countIn(const QLineEdit *entry);

// Writes counts into the entries without reporting the changes (a game that
// goes on puts back what the player had typed).
void putCountIn(QLineEdit *entry, int32_t count);
template <std::size_t N> void putCountsIn(const std::array<QLineEdit *, N> &entries, const std::array<int32_t, N> &counts)
{
    for (std::size_t i = 0; i < N; ++i)
        putCountIn(entries[i], counts[i]);
}

template <std::size_t N> std::array<int32_t, N> countsIn(const std::array<QLineEdit *, N> &entries)
{
    std::array<int32_t, N> counts{};
    for (std::size_t i = 0; i < N; ++i)
        counts[i] = countIn(entries[i]);
    return counts;
}

} // namespace gw

// SPDX-License-Identifier: MIT
#pragma once

#include "core/stats.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <string>

namespace gw {

// The player's wins, losses and fewest rounds per map in "stats.cfg". The
// file is read when first needed and written (atomically) after every
// decided game. A file that cannot be read as statistics is never
// overwritten: it is moved to "stats.cfg.bad" (or ".bad.2" and on, beside
// an older one), the player is told once, and counting starts afresh.
class StatsKeeper : public QObject {
    Q_OBJECT
public:
    explicit StatsKeeper(QObject *parent);

    MapRecord record(const std::string &map, int32_t level);
    // Counts the result at the opponent's level and writes the file; true
    // when a win set the new record for the map at that level. A file that
    // cannot be written is reported; the result stays counted for this run.
    bool count(const std::string &map, int32_t level, bool victory, int32_t rounds);

signals:
    void errorOccurred(const QString &text);

private:
    Statistics &statistics();

    Statistics stats_;
    bool loaded_ = false;
    // A damaged file that could not be moved away: it is kept as it is, and
    // this run's results are not written over it.
    bool keepFile_ = false;
};

} // namespace gw

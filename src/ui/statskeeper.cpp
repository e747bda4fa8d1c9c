// SPDX-License-Identifier: MIT
#include "ui/statskeeper.h"

#include "core/gameerror.h"
#include "core/safefile.h"
#include "core/textfile.h"
#include "ui/texts.h"

namespace gw {

namespace {
// Far more than the statistics of any number of maps need.
constexpr std::size_t kMaxStatsBytes = 1024 * 1024;
} // namespace

StatsKeeper::StatsKeeper(QObject *parent) : QObject(parent) {}

Statistics &StatsKeeper::statistics()
{
    if (loaded_)
        return stats_;
    loaded_ = true;
    if (!fileExists(Statistics::kPath))
        return stats_;
    try {
        if (stats_.parse(readFileBytes(Statistics::kPath, kMaxStatsBytes)))
            return stats_;
    } catch (const GameError &) {
        // Unreadable counts as damaged.
    }
    const QString path = QString::fromUtf8(Statistics::kPath);
    const QString bad = QString::fromStdString(asideName(Statistics::kPath));
    if (const std::string aside = setFileAside(Statistics::kPath); !aside.empty()) {
        emit errorOccurred(tr("Die Statistik in %1 ist beschädigt. Sie liegt jetzt unverändert in %2; "
                              "die Zählung beginnt neu.")
                               .arg(path, QString::fromStdString(aside)));
    } else {
        keepFile_ = true;
        emit errorOccurred(tr("Die Statistik in %1 ist beschädigt und kann nicht nach %2 verschoben werden. "
                              "Sie bleibt unverändert; bis zum Programmende wird nichts gespeichert.")
                               .arg(path, bad));
    }
    return stats_;
}

MapRecord StatsKeeper::record(const std::string &map, int32_t level) { return statistics().record(map, level); }

bool StatsKeeper::count(const std::string &map, int32_t level, bool victory, int32_t rounds)
{
    Statistics &s = statistics();
    bool newRecord = false;
    if (victory)
        newRecord = s.addWin(map, rounds, level);
    else
        s.addLoss(map, level);
    if (!keepFile_) {
        try {
            writeFileAtomically(Statistics::kPath, s.text());
        } catch (const GameError &e) {
            emit errorOccurred(Texts::error(e));
        }
    }
    return newRecord;
}

} // namespace gw

// SPDX-License-Identifier: MIT
// Starting a skirmish and redrawing the field.
#include "ui/tgw.h"

#include "core/cells.h"
#include "core/gameerror.h"
#include "map/mapfile.h"
#include "ui/framewidgets.h"
#include "ui/pictures.h"
#include "ui/picturebox.h"

#include <QLabel>
#include <QTimer>

#include <map>
#include <vector>

namespace gw {

namespace {

// Loads each field picture once per pass, however many cells show it.
class PictureCache {
public:
    const QImage &load(const std::string &path)
    {
        auto it = pictures_.find(path);
        if (it == pictures_.end())
            it = pictures_.emplace(path, loadBitmapFile(path)).first;
        return it->second;
    }

private:
    std::map<std::string, QImage> pictures_;
};

} // namespace

void Tgw::btnskirmishstartClick()
{
    // Everything that can fail comes first: the map, its two tax lines and
    // all 220 pictures. Only then does the game or the screen change.
    const std::string chosen = state_.memtemp.line(0);
    const LoadedMap map = readMap(chosen);
    PictureCache cache;
    std::vector<QImage> pictures(kCells + 1);
    for (int n = 1; n <= kCells; ++n)
        pictures[static_cast<std::size_t>(n)] = cache.load(cellPicturePath(map.cell(n)));

    applyMap(state_, map);
    state_.fieldmode = 0;
    reportedPictures_.clear();
    decided_ = false;

    panskirmish_->hide();
    hideGamePanels();
    panwin_->hide();
    panlose_->hide();
    resetEntries();
    for (int n = 1; n <= kCells; ++n)
        cells_[static_cast<std::size_t>(n)]->setPicture(pictures[static_cast<std::size_t>(n)]);

    showCounter(CounterLabel::Cash, state_.cash);
    const CounterLabel forces[] = {CounterLabel::Recruits, CounterLabel::Rifles, CounterLabel::Mgs,
                                   CounterLabel::Mortars, CounterLabel::Specpacks, CounterLabel::Infantry,
                                   CounterLabel::Snipers, CounterLabel::Mortarcrews, CounterLabel::Specialunits};
    for (CounterLabel l : forces)
        showCounter(l, 0);
    showCounter(CounterLabel::Taxes, state_.taxes);
    lablastmove_->clear();
    pangame_->show();
    saveOptionsAtStart(chosen);
}

void Tgw::saveOptionsAtStart(const std::string &mapName)
{
    // The map just started is the one the next start-up offers. The scratch
    // list now holds the map file, so the name comes from the choice.
    try {
        options_.rememberMap(mapName);
    } catch (const std::exception &e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void Tgw::hideGamePanels()
{
    for (Panel *p : {panbuy_, pantrain_, panbuild_, paninfo_, pantax_, panenemyinfo_, panfight_, panreport_})
        p->hide();
}

void Tgw::tfieldactTimer()
{
    // A picture that fails is reported once per game; its cell keeps the
    // picture it had, and the other cells are drawn all the same.
    std::vector<std::string> newFailures;
    PictureCache cache;
    for (int n = 1; n <= kCells; ++n) {
        const std::string path = cellPicturePath(state_.memgame.line(static_cast<std::size_t>(n)));
        try {
            cells_[static_cast<std::size_t>(n)]->setPicture(cache.load(path));
        } catch (const GameError &e) {
            if (reportedPictures_.insert(path).second)
                newFailures.emplace_back(e.what());
        }
    }
    for (const std::string &text : newFailures)
        showError(QString::fromStdString(text));
}

} // namespace gw

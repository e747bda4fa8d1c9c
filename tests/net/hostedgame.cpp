// SPDX-License-Identifier: MIT
#include "hostedgame.h"

#include "core/textfile.h"
#include "map/mapfile.h"
#include "rules/enemyturn.h"

#include <QHostAddress>

namespace gw::test {

HostedGame::HostedGame(NetHost &host, const std::string &mapName, uint32_t seed) : host_(host), random_(seed)
{
    const std::string path = std::string(GRIMSWARD_SOURCE_DIR) + "/data/maps/skirmish/" + mapName + ".gwm";
    const LoadedMap loaded = parseMap(path, readLines(path));
    applyMap(state_, loaded);
    map_ = wire::gameMap(mapName, loaded);
    QObject::connect(&host_, &NetHost::moveReceived, &host_, [this](const Move &m) { playBlue(m); });
}

bool HostedGame::open() { return host_.open(map_, blueView(), 0, QHostAddress::LocalHost); }

void HostedGame::remember(const PlayedMove &played)
{
    recent_.push_back(played);
    if (recent_.size() > kViewBattles)
        recent_.erase(recent_.begin());
}

MoveResult HostedGame::playRed(const Move &move)
{
    if (onTurn_ != Side::Red || viewFor(state_, Side::Red, onTurn_).winner) {
        MoveResult out;
        out.refusal = MoveRefusal::Invalid;
        return out;
    }
    const MoveResult r = applyMove(state_, Side::Red, move, random_, screen_);
    if (!r)
        return r;
    remember({Side::Red, move, r});
    openSecondHalf(state_, screen_);
    onTurn_ = Side::Blue;
    host_.sendView(blueView());
    return r;
}

void HostedGame::playBlue(const Move &move)
{
    received_.push_back(move);
    const MoveResult r = applyMove(state_, Side::Blue, move, random_, screen_);
    if (!r) {
        ++refusals_;
        host_.refuseMove(move, r.refusal, r.kind);
        return;
    }
    remember({Side::Blue, move, r});
    closeRound(state_, screen_);
    onTurn_ = Side::Red;
    host_.sendView(blueView());
}

} // namespace gw::test

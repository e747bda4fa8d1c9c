// SPDX-License-Identifier: MIT
#include "rules/screen.h"

#include "core/gamestate.h"

namespace gw {

int32_t counterValue(const GameState &s, CounterLabel label)
{
    switch (label) {
    case CounterLabel::Cash: return s.cash;
    case CounterLabel::Taxes: return s.taxes;
    case CounterLabel::Recruits: return s.recruits;
    case CounterLabel::Mgs: return s.mgs;
    case CounterLabel::Rifles: return s.rifles;
    case CounterLabel::Mortars: return s.mortars;
    case CounterLabel::Specpacks: return s.specpacks;
    case CounterLabel::Infantry: return s.infantry;
    case CounterLabel::Snipers: return s.snipers;
    case CounterLabel::Mortarcrews: return s.mortarcrews;
    case CounterLabel::Specialunits: return s.specialunits;
    }
    return 0;
}

} // namespace gw

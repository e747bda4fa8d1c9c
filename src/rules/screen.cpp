// SPDX-License-Identifier: MIT
#include "rules/screen.h"

#include "core/gamestate.h"
#include "rules/side.h"

namespace gw {

int32_t counterValue(const GameState &s, CounterLabel label) { return counterValue(s, label, Side::Red); }

} // namespace gw

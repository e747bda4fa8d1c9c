// SPDX-License-Identifier: MIT
#include "core/random.h"

#include <chrono>

namespace gw {

int32_t Random::drawbelow(int32_t n)
{
    state_ = state_ * 134775813u + 1u;
    const uint64_t product = static_cast<uint64_t>(state_) * static_cast<uint32_t>(n);
    return static_cast<int32_t>(product >> 32);
}

void Random::clockreseed()
{
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    // system_clock counts UTC without leap seconds, so the remainder of a day
    // is ((hour * 60 + minute) * 60 + second) * 1000 + millisecond.
    state_ = static_cast<uint32_t>(now % 86400000LL);
}

} // namespace gw

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <limits>

namespace gw {

// Counter arithmetic. Counters are 32-bit signed; a result that would leave
// that range stops at its end instead of wrapping (or being undefined).
inline int32_t saturate(int64_t v)
{
    if (v > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

inline int32_t satAdd(int32_t a, int64_t b) { return saturate(static_cast<int64_t>(a) + b); }
inline int32_t satSub(int32_t a, int64_t b) { return saturate(static_cast<int64_t>(a) - b); }
inline int32_t satMul(int32_t a, int32_t b) { return saturate(static_cast<int64_t>(a) * b); }

// In-place forms for the record's counters.
inline void addTo(int32_t &counter, int64_t amount) { counter = satAdd(counter, amount); }
inline void subFrom(int32_t &counter, int64_t amount) { counter = satSub(counter, amount); }

} // namespace gw

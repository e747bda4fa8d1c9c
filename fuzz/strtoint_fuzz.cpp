// SPDX-License-Identifier: MIT
// Fuzz target: the text-to-integer rule never crashes, and what it accepts
// prints back to the same number.
#include "core/gameerror.h"
#include "core/strtoint.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    int32_t value = 0;
    const bool ok = gw::tryStrtoint(text, value);
    bool threw = false;
    try {
        if (gw::strtoint(text) != value)
            std::abort();
    } catch (const gw::GameError &) {
        threw = true;
    }
    if (ok == threw)
        std::abort(); // the two forms must agree
    if (ok) {
        int32_t again = 0;
        if (!gw::tryStrtoint(std::to_string(value), again) || again != value)
            std::abort();
    }
    return 0;
}

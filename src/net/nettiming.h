// SPDX-License-Identifier: MIT
#pragma once

namespace gw {

// The times a network game keeps, in milliseconds. Tests shorten them.
struct NetTiming {
    int ping = 5000;           // a Ping after this long without sending anything
    int silence = 20000;       // a connection that sends nothing this long is broken
    int greeting = 10000;      // a new connection must greet within this long
    int wrongCodeDelay = 1000; // a wrong code is answered only after this long
};

} // namespace gw

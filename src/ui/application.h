// SPDX-License-Identifier: MIT
#pragma once

namespace gw {

// The program: application object, main window, event loop. Returns the
// exit code (1 when the window could not be built).
int runGrimsward(int argc, char **argv);

} // namespace gw

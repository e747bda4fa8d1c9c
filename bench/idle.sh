#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the idle cost of the game's window against a bare Qt window.
#   bench/idle.sh [seconds per screen]   (default 10; needs a built build/)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
for mode in bare menu game; do
    QT_QPA_PLATFORM=offscreen build/bench/bench_idle "$mode" "$seconds"
done

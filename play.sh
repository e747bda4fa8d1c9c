#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Grimsward and starts it. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRIMSWARD_TESTS=OFF -DGRIMSWARD_BENCHMARKS=OFF >/dev/null
cmake --build build --target grimsward -j"$(nproc)"

# The game reads its pictures, maps and sounds relative to its working
# directory and writes options.cfg, the saved game, the statistics and the
# maps made in its editor (mymaps/) there; keep that out of the tree. Only
# the three data folders are replaced.
run=build/run
mkdir -p "$run"
rm -rf "$run/images" "$run/maps" "$run/sound"
cp -r data/images data/maps data/sound "$run/"
if [ ! -f "$run/options.cfg" ]; then
    cp dist/default-options.cfg "$run/options.cfg" # map, music on, sound on
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Grimsward is built, but there is no display to show it on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it from a desktop session, or under Xvfb: xvfb-run ./play.sh" >&2
    exit 1
fi
cd "$run"
exec ../grimsward

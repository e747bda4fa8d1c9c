#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the asset generator and regenerates every picture, map and sound in
# data/ and resources/. Needs Qt 6, the fonts-urw-base35 and fonts-dejavu-core
# fonts, espeak-ng and lame (Debian packages); the game itself needs none of
# the last two. Extra arguments go to the generator, e.g.
#   tools/generate-assets.sh --contact-sheet /tmp/contact.png
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${ASSETGEN_BUILD_DIR:-$repo/build-assetgen}
cmake -S "$repo" -B "$build" -G Ninja -DGRIMSWARD_TOOLS=ON -DGRIMSWARD_TESTS=OFF -DGRIMSWARD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target grimsward_assetgen
QT_QPA_PLATFORM=offscreen "$build/tools/grimsward_assetgen" "$repo" "$@"

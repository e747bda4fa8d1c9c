#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the idle cost of the game's window against a bare Qt window, and
# of its music against mpg123 playing the same file, all in one run next to
# a private PulseAudio server with a null sink (scripts/with-null-sink.sh),
# so the music really plays.
#   bench/idle.sh [seconds per screen]   (default 15; needs a built build/)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
if [ "${GRIMSWARD_NULL_SINK:-}" != null ]; then
    exec scripts/with-null-sink.sh bench/idle.sh "$seconds"
fi

# The windows are shown on a private X server (Xvfb) where there is one, as
# a player's desktop shows them; otherwise on Qt's offscreen platform.
if [ "${QT_QPA_PLATFORM:-}" != xcb ] && command -v Xvfb >/dev/null 2>&1; then
    exec scripts/with-xvfb.sh bench/idle.sh "$seconds"
fi
platform=${QT_QPA_PLATFORM:-offscreen}
echo "windows on: $platform"

# bare: an empty window; timer: the same window with a 25 ms timer that does
# nothing (what the main menu's 25 ms timer costs by itself here); menu: music
# and sound off; music: the main menu with the default options (music and
# sound on); game: the game screen with the field redraw running, music and
# sound off.
for mode in bare timer menu music game; do
    QT_QPA_PLATFORM=$platform build/bench/bench_idle "$mode" "$seconds"
done

# mpg123 playing the music to the same sink, measured the same way: CPU time
# over the seconds after its start, and its peak memory.
if ! command -v mpg123 >/dev/null 2>&1; then
    echo "mpg123: not installed (Debian package mpg123), not measured"
    exit 0
fi
mpg123 -q -o pulse data/sound/bgmusic.mp3 &
player=$!
sleep 0.5
ticks() { awk '{ print $14 + $15 }' "/proc/$player/stat"; }
cpu_before=$(ticks)
start=$(date +%s.%N)
sleep "$seconds"
cpu_after=$(ticks)
end=$(date +%s.%N)
peak_kib=$(awk '/^VmHWM:/ { print $2 }' "/proc/$player/status")
kill "$player"
wait "$player" 2>/dev/null || true
awk -v ticks=$((cpu_after - cpu_before)) -v hz="$(getconf CLK_TCK)" -v start="$start" -v end="$end" \
    -v kib="$peak_kib" 'BEGIN {
        printf "mpg123: CPU %.3f%% of one core over %.1f s, peak memory %.1f MB\n",
               100 * ticks / hz / (end - start), end - start, kib / 1024 }'

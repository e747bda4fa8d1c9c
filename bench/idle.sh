#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the idle cost of the game's window against a bare Qt window, and
# of its music against mpg123 playing the same file, all in one run next to
# a private PulseAudio server with a null sink (scripts/with-null-sink.sh),
# so the music really plays. Beside the CPU figures it counts the wake-ups of
# every thread (its voluntary and involuntary context switches, from
# /proc/PID/task/*/status, over the measured seconds), which unlike a CPU
# share do not move with the machine's load.
# The start-up time of each is the median of seven further starts (from the
# program's start until its window is exposed and drawn), beside the
# fastest and the slowest of them, since one start moves by tens of
# milliseconds with the machine's load; they are taken after the idle
# minutes, in seven rounds that start every screen once, so a change in the
# load falls on all screens alike.
#   bench/idle.sh [seconds per screen]   (default 15; needs a built build/)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
if [ "${GRIMSWARD_NULL_SINK:-}" != null ]; then
    exec scripts/with-null-sink.sh bench/idle.sh "$seconds"
fi

# The windows are shown on a private X server (Xvfb) where there is one, as
# a player's desktop shows them; otherwise on Qt's offscreen platform. Its
# screen is 2560 x 1440, so the window at 200 % fits it.
if [ "${QT_QPA_PLATFORM:-}" != xcb ] && command -v Xvfb >/dev/null 2>&1; then
    GRIMSWARD_XVFB_SCREEN=${GRIMSWARD_XVFB_SCREEN:-2560x1440} exec scripts/with-xvfb.sh bench/idle.sh "$seconds"
fi
platform=${QT_QPA_PLATFORM:-offscreen}
echo "windows on: $platform; $seconds s per screen"

# One line per thread of process $1: thread id, voluntary and involuntary
# context switches so far, name (tab-separated: a name may hold blanks).
switches() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" -v name="$(cat "$task/comm" 2>/dev/null)" '
            /^voluntary_ctxt_switches:/ { v = $2 }
            /^nonvoluntary_ctxt_switches:/ { n = $2 }
            END { if (v != "") printf "%s\t%s\t%s\t%s\n", tid, v, n, name }' "$task/status" 2>/dev/null || true
    done
}

# Wake-ups per second between two snapshots of `switches` (files $1, $2)
# taken $3 seconds apart; thread $4 is the process's main thread (the
# window's, or mpg123's decoding one). libpulse's thread is called
# "threaded-ml". Prints one line of tab-separated fields: main thread, of it
# involuntary, the sound thread, of it involuntary, all other threads, and
# every thread by name.
wakeups() {
    awk -F '\t' -v secs="$3" -v main="$4" '
        NR == FNR { v0[$1] = $2; n0[$1] = $3; next }
        {
            w = ($2 - v0[$1]) + ($3 - n0[$1])  # a thread new since the first snapshot counts from 0
            if ($1 == main) { m = w; mi = $3 - n0[$1]; name = "main" }
            else if ($4 == "threaded-ml") { s += w; si += $3 - n0[$1]; name = "sound" }
            else { o += w; name = $4 }
            each = each sprintf("%s%s %.2f", each == "" ? "" : ", ", name, w / secs)
        }
        END { printf "%.2f\t%.2f\t%.2f\t%.2f\t%.2f\t%s\n", m / secs, mi / secs, s / secs, si / secs, o / secs, each }' "$1" "$2"
}

now() { date +%s.%N; }
scratch=$(mktemp -d "${TMPDIR:-/tmp}/gw-idle.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
rows=()
modes=(bare timer menu music options skirmish game menu200 game200 menu-qsf2 game-qsf2)

# bare: an empty window; timer: the same window with a 25 ms timer that does
# nothing (40 wake-ups a second, to check the count by); menu, options,
# skirmish: those screens with music and sound off; music: the main menu with
# the default options (music and sound on); game: the game screen with the
# field redraw running, music and sound off; menu200, game200: those two
# screens with the window at 200 %; menu-qsf2, game-qsf2: the same at 100 %
# under QT_SCALE_FACTOR=2, the toolkit's own scaling, for comparison.
for mode in "${modes[@]}"; do
    coproc BENCH { QT_QPA_PLATFORM=$platform exec build/bench/bench_idle "$mode" "$seconds" hold; }
    out=${BENCH[0]}
    in=${BENCH[1]}
    read -r word pid <&"$out"
    [ "$word" = ready ] || { echo "$mode: bench_idle did not start" >&2; exit 1; }
    switches "$pid" >"$scratch/before"
    start=$(now)
    read -r result <&"$out"
    switches "$pid" >"$scratch/after"
    end=$(now)
    exec {in}>&-
    wait "$BENCH_PID" || true
    IFS=$'\t' read -r main involuntary sound sound_involuntary others each \
        < <(wakeups "$scratch/before" "$scratch/after" "$(awk -v s="$start" -v e="$end" 'BEGIN { print e - s }')" "$pid")
    echo "$result"
    echo "    wake-ups per second: window thread $main (of them $involuntary involuntary), sound thread $sound (of them $sound_involuntary involuntary), other threads $others [$each]"
    cpu=$(sed -E 's/.* CPU ([0-9.]+)%.*/\1/' <<<"$result")
    window_cpu=$(sed -E 's/.*window thread ([0-9.]+)%.*/\1/' <<<"$result")
    memory=$(sed -E 's/.*peak memory ([0-9.]+) MB.*/\1/' <<<"$result")
    rows+=("| $mode | $cpu % | $window_cpu % | $main ($involuntary) | $sound ($sound_involuntary) | $others | $memory MB |")
done

# mpg123 playing the music to the same sink, measured the same way: CPU time
# and wake-ups over the seconds after its start, and its peak memory.
if command -v mpg123 >/dev/null 2>&1; then
    mpg123 -q -o pulse data/sound/bgmusic.mp3 &
    player=$!
    sleep 1
    # Nanoseconds on a CPU, all threads together.
    cpu_ns() { cat /proc/"$player"/task/*/schedstat 2>/dev/null | awk '{ t += $1 } END { printf "%.0f", t }'; }
    cpu_before=$(cpu_ns)
    switches "$player" >"$scratch/before"
    start=$(now)
    sleep "$seconds"
    cpu_after=$(cpu_ns)
    switches "$player" >"$scratch/after"
    end=$(now)
    peak_kib=$(awk '/^VmHWM:/ { print $2 }' "/proc/$player/status")
    kill "$player"
    wait "$player" 2>/dev/null || true
    wall=$(awk -v s="$start" -v e="$end" 'BEGIN { print e - s }')
    IFS=$'\t' read -r main involuntary sound sound_involuntary others each < <(wakeups "$scratch/before" "$scratch/after" "$wall" "$player")
    cpu=$(awk -v a="$cpu_after" -v b="$cpu_before" -v w="$wall" 'BEGIN { printf "%.3f", 100 * (a - b) / 1e9 / w }')
    memory=$(awk -v k="$peak_kib" 'BEGIN { printf "%.1f", k / 1024 }')
    echo "mpg123: CPU $cpu% of one core over $wall s, peak memory $memory MB"
    echo "    wake-ups per second: main thread $main (of them $involuntary involuntary), sound thread $sound (of them $sound_involuntary involuntary), other threads $others [$each]"
    rows+=("| mpg123 | $cpu % | | $main ($involuntary), its decoding thread | $sound ($sound_involuntary) | $others | $memory MB | |")
else
    echo "mpg123: not installed (Debian package mpg123), not measured"
fi

# Start-up: seven rounds, every screen once in each.
declare -A starts
for _ in 1 2 3 4 5 6 7; do
    for mode in "${modes[@]}"; do
        ms=$(QT_QPA_PLATFORM=$platform build/bench/bench_idle "$mode" 0 2>/dev/null | sed -nE 's/.*start-up ([0-9]+) ms.*/\1/p')
        starts[$mode]="${starts[$mode]:-} $ms"
    done
done
for i in "${!modes[@]}"; do
    sorted=$(tr ' ' '\n' <<<"${starts[${modes[$i]}]}" | grep . | sort -n | tr '\n' ' ')
    echo "${modes[$i]}: start-up in seven starts: $sorted ms"
    rows[$i]+=" $(awk '{ printf "%s (%s-%s)", $4, $1, $7 }' <<<"$sorted") ms |"
done

echo
echo "wake-ups per second, in brackets those of them involuntary (preemptions):"
echo "| What | CPU of one core | of it, the window's thread | wake-ups/s, window's thread | wake-ups/s, sound thread | wake-ups/s, other threads | peak memory | start-up |"
echo "|---|---|---|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"

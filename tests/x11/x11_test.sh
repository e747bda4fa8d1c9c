#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays the real program under a real X server (Xvfb), with the mouse and
# keyboard driven by xdotool, and reads the window titles back from the
# server: the boxes carry their captions alone, and a held spin arrow opens
# one box, not a flood of them.
#   scripts/with-xvfb.sh x11_test.sh GAME_EXECUTABLE SOURCE_DIR
# Exits 77 (skipped) when xdotool is missing; with-xvfb.sh does the same
# when Xvfb is.
set -euo pipefail
game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
if ! command -v xdotool >/dev/null; then
    echo "SKIPPED: xdotool is not installed"
    exit 77
fi
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY; run this under scripts/with-xvfb.sh" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cp -r "$source_dir/data/images" "$source_dir/data/maps" "$source_dir/data/sound" "$work/"
printf 'Mittelmeer\r\n0\r\n0\r\n' > "$work/options.cfg"
(cd "$work" && exec "$game" 2> "$work/stderr") &
pids+=($!)

# Waits until a visible window's title matches the pattern; prints its id.
wait_window() {
    local id=""
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
count_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }

main=$(wait_window '^Grimsward$') || { cat "$work/stderr" >&2; fail "the main window did not appear"; }
eval "$(xdotool getwindowgeometry --shell "$main")" # X, Y
click_at() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.4; }

click_at 150 90              # "Gefecht"
click_at $((400 + 120 + 96)) $((392 + 56 + 25)) # "Starten"
sleep 0.5
# "Kaufen", 999 special packs, "Kaufen" in the panel: too dear.
click_at $((272 + 68)) $((456 + 20))
click_at $((552 + 152 + 24)) $((16 + 216 + 10))
xdotool key --clearmodifiers ctrl+a; xdotool type 999; sleep 0.3
click_at $((552 + 128 + 37)) $((16 + 344 + 12))
box=$(wait_window '^Kasse') || fail "no box for the refused purchase"
title=$(xdotool getwindowname "$box")
[ "$title" = "Kasse" ] || fail "the box is titled '$title', not 'Kasse'"
echo "box title: $title"
xdotool windowfocus "$box" 2>/dev/null || true; xdotool key Return; sleep 0.5
[ "$(count_windows '^Kasse')" -eq 0 ] || fail "the box did not close"
click_at $((552 + 80 + 37)) $((16 + 384 + 12)) # "Abbrechen"

# "Ausbilden" without machine guns, then hold the infantry entry's up
# arrow for three seconds.
click_at $((424 + 60)) $((456 + 20))
xdotool mousemove $((X + 544 + 168 + 49 + 8)) $((Y + 16 + 32 + 5)) mousedown 1
sleep 3
xdotool mouseup 1
sleep 1
boxes=$(count_windows '^Materiallager')
[ "$boxes" -eq 1 ] || fail "$boxes boxes after holding the arrow, not one"
box=$(wait_window '^Materiallager')
title=$(xdotool getwindowname "$box")
[ "$title" = "Materiallager" ] || fail "the box is titled '$title', not 'Materiallager'"
echo "one box after holding the arrow: $title"
xdotool windowfocus "$box" 2>/dev/null || true; xdotool key Return; sleep 1
[ "$(count_windows '^Materiallager')" -eq 0 ] || fail "another box came after the first closed"
grep -q '^Grimsward:' "$work/stderr" && { cat "$work/stderr" >&2; fail "the game reported an error"; }
echo "x11 test passed"

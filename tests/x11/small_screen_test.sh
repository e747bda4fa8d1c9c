#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on a screen smaller than its 799 x 595 window (run it
# with GRIMSWARD_XVFB_SCREEN=640x480): it starts in full screen, wholly on
# the screen, and the buttons at the layout's far corner take their clicks:
# "Beenden" on the game screen leads back to the main menu, whose "Beenden"
# asks its question.
#   scripts/with-xvfb.sh small_screen_test.sh GAME_EXECUTABLE SOURCE_DIR
# Exits 77 (skipped) when xdotool is missing.
set -euo pipefail
game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
if ! command -v xdotool >/dev/null; then
    echo "SKIPPED: xdotool is not installed"
    exit 77
fi
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY; run this under scripts/with-xvfb.sh" >&2; exit 1; }

work=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cp -r "$source_dir/data/images" "$source_dir/data/maps" "$source_dir/data/sound" "$work/"
printf 'Mittelmeer\r\n0\r\n0\r\n' > "$work/options.cfg"
(cd "$work" && exec "$game" 2> "$work/stderr") &
pid=$!

wait_window() {
    local id=""
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

main=$(wait_window '^Grimsward$') || { cat "$work/stderr" >&2; fail "the main window did not appear"; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")" # X, Y, WIDTH, HEIGHT
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
echo "window: ${WIDTH}x${HEIGHT} at $X,$Y on a ${screen_w}x${screen_h} screen"
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_w" ] && [ $((Y + HEIGHT)) -le "$screen_h" ] ||
    fail "the window is not wholly on the screen"
[ "${WIDTH}x${HEIGHT}" = "${screen_w}x${screen_h}" ] || fail "the window does not fill the screen"

# The layout drawn as large as the screen holds it, centred.
factor=$(awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN { f = w / 799; if (h / 595 < f) f = h / 595; print f }')
click_at() {
    local x y
    x=$(awk -v X="$X" -v W="$WIDTH" -v f="$factor" -v x="$1" 'BEGIN { printf "%d", X + int((W - 799 * f) / 2) + x * f }')
    y=$(awk -v Y="$Y" -v H="$HEIGHT" -v f="$factor" -v y="$2" 'BEGIN { printf "%d", Y + int((H - 595 * f) / 2) + y * f }')
    xdotool mousemove "$x" "$y" click 1
    sleep 0.5
}
click_at 150 90                                  # "Gefecht"
click_at $((400 + 120 + 96)) $((392 + 56 + 25))  # "Starten"
click_at $((712 + 37)) $((568 + 12))             # "Beenden" on the game screen
click_at 150 490                                 # "Beenden" on the main menu
box=$(wait_window '^Bestätigung$') || fail "the main menu's Beenden did not ask: a click did not land"
echo "the question came: $(xdotool getwindowname "$box")"
xdotool key Escape; sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the game ended"
grep -q '^Grimsward:' "$work/stderr" && { cat "$work/stderr" >&2; fail "the game reported an error"; }
echo "small screen test passed"

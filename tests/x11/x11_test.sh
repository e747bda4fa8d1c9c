#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays the real program under a real X server (Xvfb), with the mouse and
# keyboard driven by xdotool, and reads the window titles back from the
# server: the boxes carry their captions alone, and a held spin arrow opens
# one box, not a flood of them. At a window size other than 100 % (the
# options file's window=) every click goes to the scaled place of its
# widget, the window and a picture of it have the scaled size, a box comes
# over the middle of the game, and a click on a cell during an attack gets
# the cell's answer. At every size pictures of the window show the round,
# both bases' bars (full at the start, at their figures in a continued game,
# shorter after an attack), the forecast in the attack prompt and, once
# the game is won, the game report with its charts, a drag on
# the status strip moves the window, and a game of two at one screen covers
# the counters between the halves (the picture's strip holds none of their
# green) while each side's purchase lands on its own counters.
# GRIMSWARD_X11_KEEP=DIR keeps the pictures taken.
#   scripts/with-xvfb.sh x11_test.sh GAME_EXECUTABLE SOURCE_DIR [PERCENT [GRABWINDOW]]
# Exits 77 (skipped) when xdotool is missing; with-xvfb.sh does the same
# when Xvfb is.
set -euo pipefail
game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
percent=${3:-100}
grabwindow=${4:-}
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
if [ "$percent" = 100 ]; then
    printf 'Mittelmeer\r\n0\r\n0\r\n' > "$work/options.cfg"
else
    printf 'Mittelmeer\r\n0\r\n0\r\nde\r\nwindow=%s\r\n' "$percent" > "$work/options.cfg"
fi
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
eval "$(xdotool getwindowgeometry --shell "$main")" # X, Y, WIDTH, HEIGHT
# A place of the layout (799 x 595) where it lands on the screen.
at() { echo $(($1 * percent / 100)); }
click_at() { xdotool mousemove $((X + $(at "$1"))) $((Y + $(at "$2"))) click 1; sleep 0.4; }
want="$(at 799)x$(at 595)"
[ "${WIDTH}x${HEIGHT}" = "$want" ] || fail "the window is ${WIDTH}x${HEIGHT}, not $want"
echo "window: ${WIDTH}x${HEIGHT}"
if [ -n "$grabwindow" ]; then
    sleep 0.5
    grabbed=$("$grabwindow" "$main" "$work/window.png") || fail "no picture of the window"
    [ "$grabbed" = "$want" ] || fail "the picture of the window is $grabbed, not $want"
    echo "picture of the window: $grabbed"
fi

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
if [ "$percent" != 100 ]; then
    # Over the middle of the game, at the game's size: taller than two
    # lines of its text at 100 %.
    eval "$(xdotool getwindowgeometry --shell "$box" | sed 's/^/BOX_/')"
    middle_x=$((BOX_X + BOX_WIDTH / 2 - X - WIDTH / 2)); middle_y=$((BOX_Y + BOX_HEIGHT / 2 - Y - HEIGHT / 2))
    [ "${middle_x#-}" -le 2 ] && [ "${middle_y#-}" -le 2 ] || fail "the box is ${middle_x},${middle_y} off the game's middle"
    [ "$BOX_HEIGHT" -ge "$(at 60)" ] || fail "the box is ${BOX_WIDTH}x${BOX_HEIGHT}, not at the game's size"
    echo "box over the game: ${BOX_WIDTH}x${BOX_HEIGHT}"
fi
xdotool windowfocus "$box" 2>/dev/null || true; xdotool key Return; sleep 0.5
[ "$(count_windows '^Kasse')" -eq 0 ] || fail "the box did not close"
click_at $((552 + 80 + 37)) $((16 + 384 + 12)) # "Abbrechen"

# "Ausbilden" without machine guns, then hold the infantry entry's up
# arrow for three seconds.
click_at $((424 + 60)) $((456 + 20))
xdotool mousemove $((X + $(at $((544 + 168 + 49 + 8))))) $((Y + $(at $((16 + 32 + 5))))) mousedown 1
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
click_at $((544 + 32 + 40)) $((16 + 352 + 12)) # "Abbrechen"

if [ "$percent" != 100 ]; then
    # "Angreifen", "Okay", then a cell that is no blue base: the cell's answer.
    click_at $((680 + 52)) $((456 + 20))
    click_at $((240 + 72 + 37)) $((86 + 240 + 12))
    click_at 17 $((8 + 17)) # Image1
    for _ in $(seq 50); do [ "$(count_windows '^Grimsward$')" -ge 2 ] && break; sleep 0.1; done
    [ "$(count_windows '^Grimsward$')" -eq 2 ] || fail "no box for the click on a cell that cannot be attacked"
    echo "the cell answered with a box"
    xdotool key Return; sleep 0.5
    [ "$(count_windows '^Grimsward$')" -eq 1 ] || fail "the cell's box did not close"
fi

if [ -n "$grabwindow" ]; then
    # What a picture of the window shows at places of the layout: the colour
    # of a pixel ("X,Y"), a checksum of a rectangle ("X,Y,W,H") or how many
    # of its pixels have a colour ("X,Y,W,H,RRGGBB"), one a line.
    look_at() {
        local name=$1 places=() p
        shift
        for p in "$@"; do
            IFS=, read -r -a n <<<"$p"
            local scaled=() colour=""
            [ "${#n[@]}" -eq 5 ] && { colour=${n[4]}; n=("${n[@]:0:4}"); }
            for v in "${n[@]}"; do scaled+=("$(at "$v")"); done
            [ -n "$colour" ] && scaled+=("$colour")
            places+=("$(IFS=,; echo "${scaled[*]}")")
        done
        "$grabwindow" "$main" "$work/$name.png" "${places[@]}" | tail -n +2
    }
    expect() { [ "$2" = "$3" ] || fail "$1: $2, not $3"; }
    red=#b41e1e; blue=#2855b4; trough=#0c0a08; gold=#c9a04a
    # The bars' first inner row; the round's place under the round-end
    # button, and a place of the strip that shows nothing, to tell text from
    # none.
    row=499; round=750,554,30,14; blank=440,504,30,14
    mapfile -t seen < <(look_at start 635,$row 781,$row $round $blank)
    expect "the player's bar at the start" "${seen[0]}" $red
    expect "the opponent's bar at the start" "${seen[1]}" $blue
    [ "${seen[2]}" != "${seen[3]}" ] || fail "no round under the round-end button"
    round_at_start=${seen[2]}
    echo "round and both bars full at the start"

    # The saved game made a later one: round 12, the player's base at 35 HP,
    # the opponent's at 60 without a defender, 500 recruits to attack with.
    # Nothing was played yet, so the move log's start becomes the same, and
    # the game's report can play the log back.
    click_at $((712 + 37)) $((568 + 12)) # "Beenden" saves the game
    [ -f "$work/savegame.gws" ] || fail "no saved game"
    sed -i -E -e 's/^rounds .*/rounds 12/' -e 's/^basehp .*/basehp 35/' -e 's/^enemybasehp .*/enemybasehp 60/' \
        -e 's/^recruits .*/recruits 500/' -e 's/^fieldmode .*/fieldmode 0/' \
        -e 's/^enemy(recruits|infantry|snipers|mortarcrews|specialunits|towers|bunkers|minefields) .*/enemy\1 0/' \
        -e 's/^log rounds .*/log rounds 12/' -e 's/^log basehp .*/log basehp 35 60/' \
        -e 's/^log recruits .*/log recruits 500 0/' "$work/savegame.gws"
    click_at 150 90                                 # "Gefecht"
    click_at $((120 + 112 + 52)) $((56 + 336 + 12)) # "Fortsetzen"
    sleep 0.5
    mapfile -t seen < <(look_at continued 525,$row 575,$row 721,$row 751,$row $round)
    expect "35 of 100 HP: the player's bar at 15 %" "${seen[0]}" $red
    expect "35 of 100 HP: the player's bar at 52 %" "${seen[1]}" $trough
    expect "60 of 100 HP: the opponent's bar at 52 %" "${seen[2]}" $blue
    expect "60 of 100 HP: the opponent's bar at 75 %" "${seen[3]}" $trough
    [ "${seen[4]}" != "$round_at_start" ] || fail "the round did not change with the continued game"
    echo "the continued game's round and hit points"

    # "Angreifen": the forecast. Nothing defends, so the recruits' stage gets
    # through for certain; no infantry, no second stage.
    click_at $((680 + 52)) $((456 + 20))
    mapfile -t seen < <(look_at forecast $((240 + 184 + 76)),$((86 + 95)) $((240 + 184 + 6)),$((86 + 115)))
    expect "the recruits' chance in the forecast" "${seen[0]}" $gold
    expect "the infantry's chance in the forecast" "${seen[1]}" $trough
    echo "the forecast in the attack prompt"
    # "Okay" and a click on the blue base: 5 damage, the blue bar shorter.
    click_at $((240 + 72 + 37)) $((86 + 240 + 12))
    base=$(grep -n -m 1 '^Blue_Base' "$work/maps/skirmish/Mittelmeer.gwm" | cut -d: -f1)
    cell=$((base - 1))
    click_at $((40 * ((cell - 1) % 20) + 17)) $((8 + 40 * ((cell - 1) / 20) + 17))
    sleep 0.5
    mapfile -t seen < <(look_at attacked 721,$row 728,$row)
    expect "55 of 100 HP: the opponent's bar at 52 %" "${seen[0]}" $blue
    expect "55 of 100 HP: the opponent's bar at 57 %" "${seen[1]}" $trough
    echo "the opponent's bar after the attack"
    xdotool key Escape; sleep 0.3 # the battle report

    # Attacks until the blue base falls; the victory's box, then the result
    # panel's "Spielbericht": the report covers the result, its chart of the
    # bases' hit points shows both sides' lines, and Escape brings the result
    # back.
    box=""
    for _ in $(seq 40); do
        click_at $((680 + 52)) $((456 + 20))
        click_at $((240 + 72 + 37)) $((86 + 240 + 12))
        click_at $((40 * ((cell - 1) % 20) + 17)) $((8 + 40 * ((cell - 1) / 20) + 17))
        for _ in 1 2 3 4 5; do
            box=$(xdotool search --onlyvisible --name '^Herzlichen' 2>/dev/null | head -n 1) || true
            [ -n "$box" ] && break
            sleep 0.2
        done
        [ -n "$box" ] && break
    done
    [ -n "$box" ] && [ "$(count_windows '^Herzlichen')" -eq 1 ] || fail "no victory after 40 attacks"
    xdotool windowfocus "$box" 2>/dev/null || true; xdotool key Return; sleep 0.5
    # Inside the victory panel below its buttons, and between the report's
    # charts; the plot of the chart of the bases' hit points.
    panwin=399,238
    mapfile -t seen < <(look_at victory $panwin)
    expect "the victory panel" "${seen[0]}" "#008000"
    click_at $((144 + 339 + 55)) $((152 + 56 + 12)) # "Spielbericht"
    # The line under the charts that says the log did not replay stays empty.
    plot=444,376,330,150; note=16,558,600,25
    mapfile -t seen < <(look_at gamereport $panwin $plot,FF5040 $plot,60A8FF $note,FF5555)
    expect "the game report over the victory panel" "${seen[0]}" "#24201b"
    expect "the note that the course is not whole" "${seen[3]}" 0
    [ "${seen[1]}" -ge "$(at 100)" ] || fail "the red line of the bases' hit points: ${seen[1]} pixels"
    [ "${seen[2]}" -ge "$(at 100)" ] || fail "the blue line of the bases' hit points: ${seen[2]} pixels"
    xdotool key Escape; sleep 0.3
    mapfile -t seen < <(look_at reportclosed $panwin)
    expect "the victory panel after the report" "${seen[0]}" "#008000"
    echo "the game report after the victory, both bases' lines in its chart"
fi

# A drag on the status strip moves the window on the screen.
xdotool mousemove $((X + $(at 20))) $((Y + $(at 462))) mousedown 1
sleep 0.2
for step in 1 2 3; do xdotool mousemove $((X + $(at 20) + 15 * step)) $((Y + $(at 462) + 10 * step)); sleep 0.1; done
xdotool mouseup 1; sleep 0.5
# Drawn larger, the widgets see the mouse on the layout's pixels, so the
# window may land up to one of those off (two screen pixels at 200 %).
slack=$(( (percent + 99) / 100 - 1 ))
moved=$(xdotool getwindowgeometry --shell "$main" | awk -F= -v x="$X" -v y="$Y" '/^X=/ { dx = $2 - x } /^Y=/ { dy = $2 - y } END { print dx, dy }')
read -r dx dy <<<"$moved"
off_x=$((dx - 45)); off_y=$((dy - 30))
[ "${off_x#-}" -le "$slack" ] && [ "${off_y#-}" -le "$slack" ] || fail "the drag moved the window by $dx,$dy, not 45,30"
echo "the drag moved the window by $dx,$dy"
eval "$(xdotool getwindowgeometry --shell "$main")" # where the drag left it

# Two players at one screen: Red buys 10 recruits, a cover hides the
# screen (no counter of the strip shows through), Blue buys 20 on its own
# counters; the saved game holds both.
click_at $((712 + 37)) $((568 + 12))        # "Beenden": the computer's game is saved ...
rm -f "$work/savegame.gws"                  # ... and put away, so the new game asks nothing
click_at 150 90                             # "Gefecht"
click_at $((120 + 232 + 104)) $((56 + 16 + 12)) # "Spiel gegen:" a second player
click_at $((400 + 120 + 96)) $((392 + 56 + 25))  # "Starten"
sleep 0.5
buy_recruits() {
    click_at $((272 + 68)) $((456 + 20))
    click_at $((552 + 152 + 24)) $((16 + 24 + 10))
    xdotool key --clearmodifiers ctrl+a; xdotool type "$1"; sleep 0.3
    click_at $((552 + 128 + 37)) $((16 + 344 + 12))
}
# Pixels of the counters' green in the strip's two columns of numbers.
counter_pixels() {
    [ -n "$grabwindow" ] || { echo 1; return; }
    "$grabwindow" "$main" "$work/$1.png" "$(at 160),$(at 450),$(at 260),$(at 140),C0DCC0" | tail -n 1
}
[ "$(counter_pixels red)" -gt 0 ] || fail "no counter shows on Red's screen"
buy_recruits 10
[ "$(counter_pixels cover)" -eq 0 ] || fail "the counters show through the cover"
[ -n "${GRIMSWARD_X11_KEEP:-}" ] && cp "$work"/*.png "$GRIMSWARD_X11_KEEP/" 2>/dev/null
click_at 400 500                            # the cover goes
[ "$(counter_pixels blue)" -gt 0 ] || fail "no counter shows on Blue's screen"
buy_recruits 20
click_at 400 500
[ -n "${GRIMSWARD_X11_KEEP:-}" ] && cp "$work"/*.png "$GRIMSWARD_X11_KEEP/" 2>/dev/null
click_at $((712 + 37)) $((568 + 12))        # "Beenden"
for line in "players 2" "recruits 10" "enemyrecruits 20"; do
    grep -q "^$line"$'\r$' "$work/savegame.gws" || fail "the saved game lacks '$line'"
done
echo "two players: each purchase on its own counters, the cover hides them"

grep -q '^Grimsward:' "$work/stderr" && { cat "$work/stderr" >&2; fail "the game reported an error"; }
echo "x11 test passed"

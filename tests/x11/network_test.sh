#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Two players over the network, as two players meet it: two copies of the
# real program on one X server (Xvfb), each in a folder of its own, driven
# by mouse and keyboard with xdotool, on 127.0.0.1 only. The host opens its
# saved game of two (seeded, so the battles always fall the same way) from
# "Netzwerkspiel", the guest joins with the code the host shows, and they
# play; in the middle the guest's program is killed, started again and
# joins with the same code; the game goes on to Red's victory. At the end
# both windows show the same field, round and result (their pictures are
# compared), the host's last game replays by the rules to the same result
# (nothing was decided twice), and the guest's folder holds nothing new.
# GRIMSWARD_X11_KEEP=DIR keeps the pictures taken.
#   scripts/with-xvfb.sh network_test.sh GAME SOURCE_DIR GRABWINDOW SAMEPIXELS REPLAYCHECK
# Exits 77 (skipped) when xdotool is missing; with-xvfb.sh does the same
# when Xvfb is.
set -euo pipefail
game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
grabwindow=$3
samepixels=$4
replaycheck=$5
if ! command -v xdotool >/dev/null; then
    echo "SKIPPED: xdotool is not installed"
    exit 77
fi
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY; run this under scripts/with-xvfb.sh" >&2; exit 1; }

work=$(mktemp -d)
host_pid=""; guest_pid=""; host_win=""; guest_win=""
cleanup() {
    for pid in $host_pid $guest_pid; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    if [ -n "${GRIMSWARD_X11_KEEP:-}" ]; then
        for side in host guest; do
            id=$(eval echo "\${${side}_win:-}")
            [ -n "$id" ] && "$grabwindow" "$id" "$GRIMSWARD_X11_KEEP/failed-$side.png" >/dev/null 2>&1
        done
    fi
    for f in host.out host.err guest.err; do [ -s "$work/$f" ] && { echo "--- $f" >&2; cat "$work/$f" >&2; }; done
    exit 1
}

for side in host guest; do
    mkdir "$work/$side"
    cp -r "$source_dir/data/images" "$source_dir/data/maps" "$source_dir/data/sound" "$work/$side/"
done
# The host listens on 127.0.0.1 alone, on a port of its own for this run.
port=$((20000 + RANDOM % 20000))
printf 'Mittelmeer\r\n0\r\n0\r\nde\r\nhostaddress=127.0.0.1\r\n' > "$work/host/options.cfg"
printf 'Mittelmeer\r\n0\r\n0\r\nde\r\n' > "$work/guest/options.cfg"

# The host's saved game of two, round 0, with its move log: Red with a
# strong army, Blue with a small one, the generator seeded.
map="$work/host/maps/skirmish/Mittelmeer.gwm"
red_taxes=$(sed -n 231p "$map" | tr -d '\r'); blue_taxes=$(sed -n 232p "$map" | tr -d '\r')
counters="cash 1000 1000
taxes $red_taxes $blue_taxes
recruits 500 40
mgs 0 0
rifles 0 0
mortars 0 0
specpacks 0 0
infantry 100 10
snipers 100 0
mortarcrews 50 0
specialunits 20 0
towers 0 1
bunkers 0 0
minefields 0 0
basehp 100 100"
{
    printf 'grimsward-save 1\nmap Mittelmeer\nrandom 0x2A41C3F0\nredraw 0\nrounds 0\n'
    while read -r name red blue; do printf '%s %s\nenemy%s %s\n' "$name" "$red" "$name" "$blue"; done <<<"$counters"
    for name in fieldactive:1 fieldmode:0 costslot1:0 costslot2:0 costslot3:0 costslot4:0 costslot5:0 \
        traincostslot1:0 traincostslot2:0 traincostslot3:0 traincostslot4:0 offense:0 defense:0 enemytarget:0 \
        cellstate:None_Grass lastmove:0 lastmove.action:0 lastmove.tier:0 lastmove.amount:0 lastmove.damage:0 \
        lastmove.taken:0 enemylevel:0 lastmove.troops:1 players:2; do
        printf '%s %s\n' "${name%%:*}" "${name#*:}"
    done
    printf 'lastmove.cell \n'
    printf 'log grimsward-replay 1\nlog map Mittelmeer\nlog players 2\nlog seed 0x2A41C3F0\nlog level 0\nlog rounds 0\n'
    while read -r name red blue; do printf 'log %s %s %s\n' "$name" "$red" "$blue"; done <<<"$counters"
    printf 'log cells\n'
    sed -n '2,221p' "$map" | tr -d '\r' | sed 's/^/log /'
    printf 'log moves\nlog end\ncells\n'
    sed -n '2,221p' "$map" | tr -d '\r'
    printf 'end\n'
} | sed 's/$/\r/' > "$work/host/savegame.gws"
guest_files=$(cd "$work/guest" && find . -type f -print0 | sort -z | xargs -0 md5sum)

start() { # side, the window's place on the screen
    (cd "$work/$1" && exec "$game" >> "$work/$1.out" 2>> "$work/$1.err") &
    local pid=$! id=""
    for _ in $(seq 300); do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Grimsward$' 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "the $1's window did not appear"
    xdotool windowmove "$id" "$2" 0; sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$id")" # X, Y
    eval "$1_pid=$pid; $1_win=$id; $1_x=$X; $1_y=$Y"
}
start host 0
start guest 850
# A click at a place of the layout (799 x 595) of one side's window.
hclick() { xdotool mousemove $((host_x + $1)) $((host_y + $2)) click 1; sleep 0.4; }
gclick() { xdotool mousemove $((guest_x + $1)) $((guest_y + $2)) click 1; sleep 0.4; }
typed() { xdotool key --clearmodifiers ctrl+a; xdotool type "$1"; sleep 0.2; }
cell() { echo $((40 * (($1 - 1) % 20) + 17)) $((8 + 40 * (($1 - 1) / 20) + 17)); }
# Waits for a line of the host's standard output; prints the last match.
host_said() {
    for _ in $(seq 100); do
        grep -a "$1" "$work/host.out" | tail -n "${2:-1}" | head -n 1 | grep . && return 0
        sleep 0.1
    done
    return 1
}
count_said() { grep -ac "$1" "$work/host.out" || true; }
wait_box() { # title [tenths of a second]; answers it with Enter
    local id=""
    for _ in $(seq "${2:-100}"); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || return 1
    xdotool windowfocus "$id" 2>/dev/null || true; xdotool key Return; sleep 0.5
}

# The host: Gefecht, Netzwerkspiel, the saved game (the list's first entry), the port, Spiel eröffnen.
hclick 150 90
hclick $((120 + 456 + 52)) $((56 + 294 + 12))
hclick $((120 + 88 + 98)) $((56 + 161 + 11)); xdotool key Home Return; sleep 0.3
hclick $((120 + 88 + 35)) $((56 + 195 + 11)); typed "$port"
hclick $((120 + 88 + 75)) $((56 + 236 + 13))
opened=$(host_said "Spielcode") || fail "the host opened no game"
code=$(sed -n 's/.*Spielcode \([A-Z0-9]\{6\}\).*/\1/p' <<<"$opened")
grep -q "Port $port, erreichbar unter 127.0.0.1:$port" <<<"$opened" || fail "the host listens elsewhere: $opened"
echo "host: $opened"

join() { # the guest: Gefecht, Netzwerkspiel, 127.0.0.1, the port, the code, Beitreten
    gclick 150 90
    gclick $((120 + 456 + 52)) $((56 + 294 + 12))
    gclick $((120 + 400 + 88)) $((56 + 161 + 11)); typed 127.0.0.1
    gclick $((120 + 400 + 35)) $((56 + 195 + 11)); typed "$port"
    gclick $((120 + 400 + 50)) $((56 + 229 + 11)); typed "$(tr 'A-Z' 'a-z' <<<"$code")"
    gclick $((120 + 400 + 75)) $((56 + 270 + 13))
    for _ in $(seq 50); do [ "$(count_said 'Blau ist beigetreten')" -ge "$1" ] && return 0; sleep 0.1; done
    fail "the guest did not join (time $1)"
}
join 1
echo "guest joined with the code typed in small letters"

red_attacks() { # Angreifen, Okay, Blue's base
    hclick $((680 + 52)) $((456 + 20)); hclick $((240 + 72 + 37)) $((86 + 240 + 12)); hclick $(cell 200); sleep 0.6
}
blue_ends() { gclick $((744 + 20)) $((512 + 20)); sleep 0.6; }
# Round 1: Red attacks; Blue buys 20 recruits in its own purchase panel.
red_attacks
gclick $((272 + 68)) $((456 + 20)); gclick $((552 + 152 + 24)) $((16 + 24 + 10)); typed 20
gclick $((552 + 128 + 37)) $((16 + 344 + 12)); sleep 0.6
grep -aq '^enemyrecruits ' "$work/host/savegame.gws" || fail "the host saved nothing"
# Round 2: Red attacks, Blue ends the round.
red_attacks
blue_ends

# The guest's program dies; the host says so at once and waits with the code.
kill -9 "$guest_pid"; wait "$guest_pid" 2>/dev/null || true; guest_pid=""
host_said "Die Verbindung zu 127.0.0.1 ist unterbrochen" >/dev/null || fail "the host did not tell the dropped line"
echo "the host told the dropped line"
start guest 850
join 2
echo "the guest joined again with the same code"

# Round 3: Red attacks, Blue attacks Red's base with what it has.
red_attacks
gclick $((680 + 52)) $((456 + 20)); gclick $((240 + 72 + 37)) $((86 + 240 + 12)); gclick $(cell 21); sleep 0.6
# Red attacks until Blue's base falls: the box on the host's screen, then
# the same box on the guest's.
won=""
for _ in $(seq 12); do
    red_attacks
    if wait_box 'Herzlichen Glückwunsch !!!' 15; then won=1; break; fi
    blue_ends
done
[ -n "$won" ] || fail "Red did not win"
wait_box 'Herzlichen Glückwunsch !!!' || fail "the guest was not told the result"
sleep 1
# Away with the reports; the notes at the field's foot are left out below.
xdotool windowfocus "$host_win"; xdotool key Escape; xdotool windowfocus "$guest_win"; xdotool key Escape; sleep 0.5
xdotool mousemove 1690 690; sleep 0.3

"$grabwindow" "$host_win" "$work/host.png" >/dev/null || fail "no picture of the host's window"
"$grabwindow" "$guest_win" "$work/guest.png" >/dev/null || fail "no picture of the guest's window"
[ -n "${GRIMSWARD_X11_KEEP:-}" ] && cp "$work/host.png" "$work/guest.png" "$GRIMSWARD_X11_KEEP/"
# The host alone keeps the game's log, so only its result panel offers the
# game report: the field is compared around that button.
field=0
for rect in "0 0 799 205" "0 235 799 170" "0 205 480 30" "596 205 203 30"; do
    # shellcheck disable=SC2086
    field=$((field + $("$samepixels" "$work/host.png" "$work/guest.png" $rect)))
done
turnline=$("$samepixels" "$work/host.png" "$work/guest.png" 572 572 137 18)
[ "$field" -eq 0 ] || fail "the two fields differ in $field pixels"
[ "$turnline" -eq 0 ] || fail "the two round lines differ in $turnline pixels"
echo "both windows show the same field, result and round"

[ ! -e "$work/host/savegame.gws" ] || fail "the decided game is still saved"
replayed=$("$replaycheck" "$work/host/lastgame.gwr") || fail "the host's last game does not replay: $replayed"
[ "$(grep -ac '^result ' "$work/host/lastgame.gwr")" -eq 1 ] || fail "the last game holds more than one result"
echo "the host's last game replays by the rules: $replayed"
[ "$(cd "$work/guest" && find . -type f ! -name grimsward.lock -print0 | sort -z | xargs -0 md5sum)" = "$guest_files" ] \
    || fail "the guest's folder changed"
echo "the guest's folder holds nothing new"
for side in host guest; do
    grep -q '^Grimsward:' "$work/$side.err" && fail "the $side reported an error"
done
echo "network test passed"

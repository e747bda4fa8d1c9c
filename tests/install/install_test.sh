#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the game into a temporary prefix, checks the desktop files, then
# starts the installed launcher from an unrelated directory and checks that it
# runs, finds its data and keeps the options file in the per-user directory,
# also when a pipe or a dangling link stands in that file's place.
#   install_test.sh BUILD_DIR            installs that build
#   install_test.sh --source SOURCE_DIR  first builds the game as the README's
#       Install section does, on a machine without GoogleTest or Google
#       Benchmark, and installs that build
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

if [ "$1" = "--source" ]; then
    build="$work/build"
    cmake -S "$2" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
          > "$work/configure.log" 2>&1 || { cat "$work/configure.log" >&2; fail "a plain configure failed"; }
    cmake --build "$build" -j2 > "$work/build.log" 2>&1 || { tail -n 40 "$work/build.log" >&2; fail "a plain build failed"; }
else
    build=$(readlink -f "$1")
fi

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/grimsward libexec/grimsward/grimsward \
         share/grimsward/images/Blue_Base.bmp "share/grimsward/maps/skirmish/Big City Crisis.gwm" \
         share/grimsward/sound/bgmusic.mp3 share/grimsward/options.cfg \
         share/applications/de.grimsward.Grimsward.desktop \
         share/metainfo/de.grimsward.Grimsward.metainfo.xml \
         share/icons/hicolor/32x32/apps/de.grimsward.Grimsward.png \
         share/icons/hicolor/256x256/apps/de.grimsward.Grimsward.png; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/de.grimsward.Grimsward.desktop"
else
    echo "desktop-file-validate not installed: skipped"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/de.grimsward.Grimsward.metainfo.xml" >/dev/null
else
    echo "appstreamcli not installed: skipped"
fi

# Start it from elsewhere, as a desktop menu would. Every error the game shows
# is also written to standard error, so a quiet run that is still going after
# a few seconds has reached the main menu.
elsewhere="$work/elsewhere"
mkdir -p "$elsewhere"
export XDG_DATA_HOME="$work/xdg"
home="$XDG_DATA_HOME/grimsward"
# The player's directory as an earlier start and the player left it: a link
# into a data directory that no longer exists, a real maps folder holding
# a map of the player's own, which the launcher must keep and use, and the
# folder of maps the editor saved, which is the player's alone.
mkdir -p "$home/maps/skirmish" "$home/mymaps"
ln -s "$work/removed-prefix/share/grimsward/images" "$home/images"
printf 'Meine Karte\r\n' > "$home/maps/skirmish/Meine Karte.gwm"
printf 'Meine Insel\r\n' > "$home/mymaps/Meine Insel.gwm"
status=0
(cd "$elsewhere" && QT_QPA_PLATFORM=offscreen timeout 6 "$prefix/bin/grimsward" 2> "$work/stderr") || status=$?
[ "$status" -eq 124 ] || { cat "$work/stderr" >&2; fail "the game ended by itself with status $status"; }
if grep -E '^Grimsward:' "$work/stderr"; then
    fail "the game reported an error"
fi
[ -f "$home/options.cfg" ] || fail "no options.cfg in $home"
[ -e "$home/images/Red_Base.bmp" ] || fail "no pictures in $home"
[ -e "$home/sound/bgmusic.mp3" ] || fail "no sounds in $home"
[ -L "$home/images" ] || fail "the stale images link was not replaced by a link"
[ -f "$home/maps/skirmish/Meine Karte.gwm" ] || fail "the player's own map was deleted"
[ ! -L "$home/maps" ] || fail "the player's own maps folder was replaced by a link"
[ -d "$home/mymaps" ] && [ ! -L "$home/mymaps" ] || fail "the folder of the player's own maps is no longer a folder of the player's"
[ -f "$home/mymaps/Meine Insel.gwm" ] || fail "a map the player made was deleted"
[ ! -e "$prefix/share/grimsward/mymaps" ] || fail "the installed data holds a folder of own maps"
[ "$(grep -c maps "$work/stderr")" -eq 1 ] || { cat "$work/stderr" >&2; fail "using the player's own maps folder was not said exactly once"; }
[ -z "$(ls -A "$elsewhere")" ] || fail "files written to the directory it was started from: $(ls -A "$elsewhere")"

# A pipe or a dangling link in the options file's place is the player's: the
# launcher neither waits on the pipe nor writes through the link, and the
# game starts all the same and says it cannot open the file.
for kind in pipe link; do
    rm -f "$home/options.cfg"
    if [ "$kind" = pipe ]; then mkfifo "$home/options.cfg"; else ln -s "$work/nowhere/options.cfg" "$home/options.cfg"; fi
    status=0
    (cd "$elsewhere" && QT_QPA_PLATFORM=offscreen timeout 6 "$prefix/bin/grimsward" 2> "$work/stderr") || status=$?
    [ "$status" -eq 124 ] || { cat "$work/stderr" >&2; fail "with a $kind at options.cfg the game ended with status $status"; }
    grep -q '^Grimsward: Datei options.cfg kann nicht geöffnet werden' "$work/stderr" ||
        { cat "$work/stderr" >&2; fail "with a $kind at options.cfg the game did not start"; }
    if [ "$kind" = pipe ]; then [ -p "$home/options.cfg" ]; else [ -L "$home/options.cfg" ] && [ ! -e "$work/nowhere" ]; fi ||
        fail "the $kind at options.cfg was replaced or written through"
done
echo "install test passed"

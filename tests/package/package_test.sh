#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Debian package from a built tree, checks what it holds and what it
# depends on, runs lintian on it, then unpacks it into a temporary root and
# starts the unpacked launcher from an unrelated directory.
#   package_test.sh BUILD_DIR SOURCE_DIR VERSION CPACK
set -euo pipefail
build=$(readlink -f "$1")
src=$(readlink -f "$2")
version=$3
cpack=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb="$work/out/grimsward_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"), only: $(ls "$work/out")"

# The control fields: the libraries the program links, and the run-time
# packages no link shows, as play.sh installs them.
dpkg-deb --info "$deb" > "$work/info"
field() { sed -n "s/^ $1: //p" "$work/info"; }
[ "$(field Package)" = grimsward ] || fail "package name: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version: $(field Version)"
[ "$(field Section)" = games ] || fail "section: $(field Section)"
depends=", $(field Depends),"
. "$src/scripts/deps.sh"
for pkg in libqt6widgets6 libjpeg62-turbo "${RUN_PACKAGES[@]}"; do
    case "$depends" in
        *", $pkg,"* | *", $pkg ("*) ;;
        *) fail "does not depend on $pkg: $depends" ;;
    esac
done
# Each package once, whether the link or the list names it.
twice=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | sort | uniq -d)
[ -z "$twice" ] || fail "named more than once in Depends: $twice"

dpkg-deb --contents "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' > "$work/contents"
for f in usr/games/grimsward usr/libexec/grimsward/grimsward \
         usr/share/grimsward/images/Red_Base.bmp "usr/share/grimsward/maps/skirmish/Gestrandet.gwm" \
         usr/share/grimsward/sound/bgmusic.mp3 usr/share/grimsward/options.cfg \
         usr/share/applications/de.grimsward.Grimsward.desktop \
         usr/share/metainfo/de.grimsward.Grimsward.metainfo.xml \
         usr/share/icons/hicolor/256x256/apps/de.grimsward.Grimsward.png \
         usr/share/man/man6/grimsward.6.gz \
         usr/share/doc/grimsward/copyright usr/share/doc/grimsward/changelog.gz; do
    grep -qxF "./$f" "$work/contents" || fail "not in the package: $f"
done
if grep -q '^\./usr/bin/' "$work/contents"; then
    fail "a game's launcher belongs in /usr/games, not: $(grep '^\./usr/bin/' "$work/contents")"
fi

command -v lintian >/dev/null || fail "lintian is not installed (./test.sh installs it)"
status=0
lintian --fail-on error "$deb" > "$work/lintian" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian" || echo "lintian: no errors, no warnings"
[ "$status" -eq 0 ] || fail "lintian found errors"

# Unpacked, with the release history and the screenshots of this version.
dpkg-deb -x "$deb" "$work/root"
share="$work/root/usr/share"
top=$(zcat "$share/doc/grimsward/changelog.gz" | sed -n '1s/^grimsward (\([^)]*\)).*/\1/p')
[ "$top" = "$version" ] || fail "the changelog's newest entry is $top, the package is $version"
metainfo="$share/metainfo/de.grimsward.Grimsward.metainfo.xml"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is $newest, the package is $version"
urls=$(grep -o '<image[^>]*>[^<]*</image>' "$metainfo" | sed 's/<[^>]*>//g')
[ -n "$urls" ] || fail "the metainfo names no screenshots"
for url in $urls; do
    case "$url" in
        "https://grimsward.de/screenshots/$version/"*.png) ;;
        *) fail "screenshot not of the form https://grimsward.de/screenshots/$version/<docs picture>: $url" ;;
    esac
    [ -f "$src/docs/$(basename "$url")" ] || fail "screenshot $url is no picture in docs/"
done

# Started from elsewhere, the unpacked launcher reaches the main menu: still
# running after a few seconds and no error line (every error the game shows
# also goes to the error output).
mkdir -p "$work/elsewhere"
export XDG_DATA_HOME="$work/xdg"
status=0
(cd "$work/elsewhere" && QT_QPA_PLATFORM=offscreen timeout 6 "$work/root/usr/games/grimsward" 2> "$work/stderr") || status=$?
[ "$status" -eq 124 ] || { cat "$work/stderr" >&2; fail "the game ended by itself with status $status"; }
if grep -E '^Grimsward:' "$work/stderr"; then
    fail "the game reported an error"
fi
[ "$(readlink -f "$XDG_DATA_HOME/grimsward/maps")" = "$(readlink -f "$share/grimsward/maps")" ] \
    || fail "the player's maps do not lead to the unpacked data"
echo "package test passed: $(basename "$deb")"

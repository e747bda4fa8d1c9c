#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with its windows on a private X server (Xvfb), as a
# player's desktop would show them: DISPLAY points at the server and
# QT_QPA_PLATFORM is xcb. The server picks a display number nobody uses and
# goes away when the command ends. Its screen is 1024 x 768 unless
# GRIMSWARD_XVFB_SCREEN says otherwise ("2560x1440").
#   scripts/with-xvfb.sh COMMAND [ARGUMENTS...]
# When Xvfb is missing or does not start, the command does not run: the
# reason is printed and the exit status is 77, which CTest counts as skipped.
set -uo pipefail

if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGUMENTS...]" >&2
    exit 2
fi

skip() {
    echo "SKIPPED: no private X server: $*"
    exit 77
}

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed (Debian package xvfb)"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/gw-xvfb.XXXXXX") || skip "no scratch directory"
server=""
stop_server() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
    fi
    rm -rf "$scratch"
}
trap stop_server EXIT
trap 'exit 130' INT TERM

screen=${GRIMSWARD_XVFB_SCREEN:-1024x768}
[[ $screen =~ ^[0-9]+x[0-9]+$ ]] || { echo "GRIMSWARD_XVFB_SCREEN must be WIDTHxHEIGHT, not '$screen'" >&2; exit 2; }

# Xvfb writes the display number it chose once it accepts connections.
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$scratch/display" >"$scratch/server.log" 2>&1 &
server=$!
display=""
for _ in $(seq 100); do
    display=$(head -n 1 "$scratch/display" 2>/dev/null)
    [ -n "$display" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
[ -n "$display" ] || skip "Xvfb did not start: $(tail -n 2 "$scratch/server.log" | tr '\n' ' ')"

export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
"$@"
exit $?

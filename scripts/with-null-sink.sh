#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command next to a private PulseAudio server whose only sink is a
# null sink called "null": sound is played in real time and thrown away, and
# "pactl list sink-inputs" or a recording of "null.monitor" show what played.
#   scripts/with-null-sink.sh COMMAND [ARGUMENTS...]
# The command finds the server through PULSE_SERVER; GRIMSWARD_NULL_SINK=null
# tells it that it is the private one. The server and its scratch directory
# go away when the command ends.
# When no server can be started, the command does not run: the reason is
# printed and the exit status is 77, which CTest counts as skipped.
set -uo pipefail

if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGUMENTS...]" >&2
    exit 2
fi

skip() {
    echo "SKIPPED: no PulseAudio server with a null sink: $*"
    exit 77
}

command -v pulseaudio >/dev/null 2>&1 || skip "pulseaudio is not installed (Debian package pulseaudio)"
command -v pactl >/dev/null 2>&1 || skip "pactl is not installed (Debian package pulseaudio-utils)"

# A short path: the server's socket path must fit into 108 bytes.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/gw-pulse.XXXXXX") || skip "no scratch directory"
runtime="$scratch/run"
mkdir -p "$runtime" "$scratch/home"
chmod 700 "$runtime"
pid=""

stop_server() {
    if [ -z "$pid" ] && [ -f "$runtime/pulse/pid" ]; then
        pid=$(cat "$runtime/pulse/pid" 2>/dev/null)
    fi
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null
    fi
    rm -rf "$scratch"
}
trap stop_server EXIT
trap 'exit 130' INT TERM

# No configuration of the machine or the user is read (-n): just the null
# sink and the local socket. HOME points into the scratch directory so the
# server's cookie and state stay there. As root the server warns that it is
# not meant to run as root and then runs.
server_status=0
XDG_RUNTIME_DIR="$runtime" HOME="$scratch/home" \
    pulseaudio --daemonize=yes --system=false -n --exit-idle-time=-1 \
               --realtime=no --high-priority=no --use-pid-file=yes \
               --log-target=file:"$scratch/server.log" \
               --load="module-null-sink sink_name=null" \
               --load="module-native-protocol-unix" \
               >"$scratch/start.log" 2>&1 || server_status=$?
export PULSE_SERVER="unix:$runtime/pulse/native"
export PULSE_COOKIE="$scratch/home/.config/pulse/cookie"
started=""
# The daemonising parent returns once the server is up or has failed.
[ "$server_status" -eq 0 ] && for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then
        started=yes
        break
    fi
    sleep 0.1
done
if [ -z "$started" ]; then
    reason=$(grep -h -E '^E:' "$scratch/start.log" "$scratch/server.log" 2>/dev/null | tail -n 2 | tr '\n' ' ')
    skip "the server did not start${reason:+: $reason}"
fi
pid=$(cat "$runtime/pulse/pid" 2>/dev/null)

export GRIMSWARD_NULL_SINK=null
"$@"
exit $?

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang's libFuzzer (plus AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds.
#   fuzz/run.sh [seconds per target]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
out=build-fuzz
mkdir -p "$out"
flags=(-std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Isrc)
core_sources=(src/core/*.cpp src/map/*.cpp)
# The message reader needs the rules (moves, views) and the messages too.
wire_sources=("${core_sources[@]}" src/rules/*.cpp src/wire/*.cpp)
targets=(strtoint lines map options savegame wire)
for target in "${targets[@]}"; do
    sources=("${core_sources[@]}")
    [ "$target" = wire ] && sources=("${wire_sources[@]}")
    clang++ "${flags[@]}" "fuzz/${target}_fuzz.cpp" "${sources[@]}" -o "$out/${target}_fuzz"
done
status=0
for target in "${targets[@]}"; do
    work="$out/corpus-$target"
    mkdir -p "$work"
    echo "== $target: ${seconds}s"
    if ! "$out/${target}_fuzz" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
            -artifact_prefix="$out/crash-$target-" "$work" "fuzz/corpus/$target" 2> "$out/$target.log"; then
        status=1
        tail -n 40 "$out/$target.log"
    fi
    grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$out/$target.log" | tail -n 2 || true
done
exit $status

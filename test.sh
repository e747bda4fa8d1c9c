#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Grimsward and runs every test: the whole suite, the same suite again
# built with AddressSanitizer and UndefinedBehaviorSanitizer, and a short run
# of every fuzz target. Installs what is missing first. Exits non-zero on any
# failure or sanitizer finding.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRIMSWARD_TESTS=ON -DGRIMSWARD_BENCHMARKS=ON \
      -DGRIMSWARD_TOOLS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
# Leak detection is off (ASAN_OPTIONS in the tests' environment) because the
# toolkit keeps some allocations until exit; every other finding fails.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGRIMSWARD_SANITIZE=ON \
      -DGRIMSWARD_TESTS=ON -DGRIMSWARD_BENCHMARKS=OFF -DGRIMSWARD_TOOLS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== Fuzz every target briefly"
fuzz/run.sh "${GRIMSWARD_FUZZ_SECONDS:-30}"

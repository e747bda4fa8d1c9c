#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Keeps the sources small enough to read: every source file under 400
# lines, and the main window, which only builds and connects, under 300
# with its header. Lists every file over its limit.
#   size_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"

over=()
while IFS= read -r -d '' f; do
    lines=$(wc -l < "$f")
    [ "$lines" -lt 400 ] || over+=("$f: $lines lines (400 at most)")
done < <(find src tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' \) -print0)
window=$(cat src/ui/tgw.h src/ui/tgw.cpp | wc -l)
[ "$window" -lt 300 ] || over+=("src/ui/tgw.h and tgw.cpp: $window lines together (300 at most)")

if [ ${#over[@]} -gt 0 ]; then
    echo "FAIL: ${#over[@]} over their size:" >&2
    printf '  %s\n' "${over[@]}" >&2
    exit 1
fi
echo "every source file under 400 lines, the main window $window with its header"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Lists every source, script and CMake file that does not start with the
# licence line (after the #! line of a script). Fails if there is any.
#   spdx_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# Every file of the tree, the ignored ones (build directories) left out.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files() { git ls-files -z --cached --others --exclude-standard; }
else
    files() { find . -path './build*' -prune -o -path ./.git -prune -o -type f -print0 | sed -z 's|^\./||'; }
fi

missing=()
checked=0
while IFS= read -r -d '' f; do
    [ -f "$f" ] || continue                       # deleted but not yet committed
    case "$f" in
        data/* | resources/* | docs/* | fuzz/corpus/*) continue ;;
    esac
    first=$(head -c 2 "$f")
    case "$f" in
        *.cpp | *.cc | *.c | *.h | *.hpp | *.sh | *.cmake | *.py | *.in | CMakeLists.txt | */CMakeLists.txt | \
        scripts/* | .ci/*) ;;
        *) [ "$first" = "#!" ] || continue ;;      # a script without a suffix
    esac
    checked=$((checked + 1))
    # The licence line is the first line, or the second after a #! line.
    line=$(awk 'NR == 1 && /^#!/ { next } { print; exit }' "$f")
    case "$line" in
        "// SPDX-License-Identifier: MIT" | "# SPDX-License-Identifier: MIT") ;;
        *) missing+=("$f") ;;
    esac
done < <(files)

[ "$checked" -gt 0 ] || { echo "FAIL: no source files found in $PWD" >&2; exit 1; }
if [ ${#missing[@]} -gt 0 ]; then
    echo "FAIL: ${#missing[@]} of $checked files lack the line 'SPDX-License-Identifier: MIT' at the top:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 1
fi
echo "all $checked source files carry the licence line"

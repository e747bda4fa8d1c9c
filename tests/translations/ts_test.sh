#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every translation is complete and up to date: lupdate run over the sources
# into a copy of each .ts file finds no text that is new, unfinished or
# gone, and the copy is the committed file.
#   ts_test.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source_dir=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shopt -s nullglob
files=("$source_dir"/translations/grimsward_*.ts)
[ ${#files[@]} -gt 0 ] || { echo "FAIL: no translations in $source_dir/translations" >&2; exit 1; }
status=0
for ts in "${files[@]}"; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
        "$source_dir/src" -ts "$work/$name"
    unfinished=$(grep -c 'type="unfinished"' "$work/$name" || true)
    if [ "$unfinished" -gt 0 ]; then
        echo "FAIL: $name: $unfinished texts without a finished translation:" >&2
        grep -B2 'type="unfinished"' "$work/$name" | grep '<source>' | sed 's/^ */    /' >&2
        status=1
    elif ! cmp -s "$ts" "$work/$name"; then
        echo "FAIL: $name is not up to date with the sources (cmake --build build --target update_translations):" >&2
        diff "$ts" "$work/$name" >&2 || true
        status=1
    else
        echo "$name: $(grep -c '<source>' "$ts") texts, all translated"
    fi
done
exit $status

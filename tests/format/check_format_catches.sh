#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# check_format_catches.sh CHECK CLANG_FORMAT STYLE_FILE: the format check on a small tree
# of its own must pass a file in the house style and fail on one that is not.
set -euo pipefail
check=$1
format=$2
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
cp "$3" "$tree/.clang-format"
mkdir -p "$tree/engine"
printf '%s\n' 'int twice(int x)' '{' '    return 2 * x;' '}' > "$tree/engine/a.cpp"
"$check" "$tree" "$format" > /dev/null 2>&1

printf '%s\n' 'int thrice(int x) {  return 3*x; }' > "$tree/engine/b.h"
if out=$("$check" "$tree" "$format" 2>&1); then
    echo "the check passed a file out of the house style" >&2
    exit 1
fi
grep -q 'engine/b.h' <<< "$out" || { echo "the check did not name engine/b.h: $out" >&2; exit 1; }

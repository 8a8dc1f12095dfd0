#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build helpers, run with an empty cache, print nothing on standard output
# but the folder they built into: the Makefile takes that output as a path. The build
# steps themselves are stubbed to fail at once, after the sources are fetched and the
# progress lines printed; a failing helper must then print nothing there at all.
#
#   check_build_helpers.sh <tools/windows>
. "$(dirname "$0")/lib.sh"
helpers=$1

mkdir -p "$scratch/bin"
for stub in nice cmake; do
    printf '#!/bin/sh\nexit 1\n' >"$scratch/bin/$stub"
    chmod +x "$scratch/bin/$stub"
done

for helper in build-qt.sh build-libical.sh; do
    cache=$scratch/cache-$helper
    mkdir -p "$cache"
    QUORVEL_CACHE=$cache PATH=$scratch/bin:$PATH timeout 600 \
        "$helpers/$helper" >"$scratch/out" 2>"$scratch/err"
    if [ -s "$scratch/out" ]; then
        fail "$helper printed on standard output: $(head -3 "$scratch/out")"
    fi
    grep -q . "$scratch/err" || fail "$helper printed no progress on standard error"

    out=$(QUORVEL_CACHE=$cache "$helpers/$helper" --print-prefix)
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] && [[ $out == "$cache"/* ]] ||
        fail "$helper --print-prefix printed '$out'"
done
finish

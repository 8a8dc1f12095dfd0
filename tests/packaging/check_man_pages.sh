#!/bin/bash
# SPDX-License-Identifier: MIT
# check_man_pages.sh <quorvel-chart> <folder of the page sources> <README>: the manual page
# of quorvel-chart names the options and exit statuses of `quorvel-chart --help`, no more
# and no fewer; the README's section on it names every option; every example of the page
# runs.
. "$(dirname "$0")/lib.sh"
chart=$(realpath "$1")
page=$2/quorvel-chart.1.scd
readme=$3

# section <heading> <file> <marker>: the lines under "<marker> <heading>" up to the next one.
section() { awk -v h="$3 $1" -v m="$3 " '$0 == h {on = 1; next} index($0, m) == 1 {on = 0} on' "$2"; }
differ() { diff <(echo "$1") <(echo "$2") | grep '^[<>]' | tr '\n' ' '; }

help=$("$chart" --help) || fail "quorvel-chart --help failed"
from_help=$(grep -oE -- '--[a-z]+' <<<"$help" | sort -u)
# --help itself is not listed by --help.
on_page=$(section OPTIONS "$page" '#' | grep -E '^\*-' | grep -oE -- '--[a-z]+' | grep -vx -- --help | sort -u)
[ "$from_help" = "$on_page" ] || fail "options of --help (<) and of the page (>) differ: $(differ "$from_help" "$on_page")"
in_readme=$(section 'quorvel-chart: the chart from the command line' "$readme" '##')
for option in $from_help; do
    grep -q -- "$option\b" <<<"$in_readme" || fail "the README's quorvel-chart section lacks $option"
done

from_help=$(sed -n '/^exit status:/,$p' <<<"$help" | grep -oE '[0-9]+ [a-z]' | cut -d' ' -f1)
on_page=$(section 'EXIT STATUS' "$page" '#' | sed -n 's/^\*\([0-9]*\)\*$/\1/p')
[ "$from_help" = "$on_page" ] || fail "exit statuses of --help (<) and of the page (>) differ: $(differ "$from_help" "$on_page")"

# The examples, with their continued lines joined, run against a roster of ten people.
home=$scratch/home
mkdir -p "$home/.local/share/quorvel"
for _ in $(seq 10); do printf '"","1985","4","12"\r\n'; done >"$home/.local/share/quorvel/tamlo.dat"
examples=$(section EXAMPLES "$page" '#' | awk '/^```/ {on = !on; next} on' |
    sed -e ':a' -e '/\\\\$/{N; s/\\\\\n//; ba' -e '}')
[ -n "$examples" ] || fail "the page has no examples"
while IFS= read -r example; do
    (export HOME=$home PATH=$(dirname "$chart"):$PATH && cd "$scratch" && eval "$example") \
        >/dev/null 2>"$scratch/example.err" || fail "example failed: $example: $(head -n 1 "$scratch/example.err")"
done <<<"$examples"
finish

#!/bin/bash
# SPDX-License-Identifier: MIT
# check_manual.sh <tamlo.pdf> <phrases>: a valid A4 PDF of at least two pages, its fonts
# embedded, the chart picture in it, and its text holding every phrase of the list.
. "$(dirname "$0")/lib.sh"
pdf=$1
phrases=$2

info=$(pdfinfo "$pdf") || { fail "pdfinfo cannot read $pdf"; finish; }
pages=$(sed -n 's/^Pages: *//p' <<<"$info")
[ "${pages:-0}" -ge 2 ] || fail "$pages page(s), at least 2 expected"
grep -q '^Page size:.*(A4)' <<<"$info" || fail "pages are not A4: $(grep '^Page size' <<<"$info")"

# Every font embedded: the "emb" column of pdffonts, after its two header lines.
fonts=$(pdffonts "$pdf" | tail -n +3)
[ -n "$fonts" ] || fail "no fonts in the PDF"
while read -r line; do
    [ "$(awk '{print $(NF-4)}' <<<"$line")" = yes ] || fail "font not embedded: $line"
done <<<"$fonts"

[ "$(pdfimages -list "$pdf" | tail -n +3 | wc -l)" -ge 1 ] || fail "no picture in the manual"

squeeze() { tr -d ' \t\n\r\f　'; }
text=$(pdftotext -layout -enc UTF-8 "$pdf" - | squeeze)
while IFS= read -r phrase; do
    case $phrase in '#'* | '') continue ;; esac
    [[ $text == *"$(squeeze <<<"$phrase")"* ]] || fail "manual lacks: $phrase"
done <"$phrases"
finish

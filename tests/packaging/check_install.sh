#!/bin/bash
# SPDX-License-Identifier: MIT
# check_install.sh <cmake> <build dir> <built tamlo.pdf> <1 if quorvel-chart is built>:
# installs into a temporary prefix and checks every installed file.
. "$(dirname "$0")/lib.sh"
cmake=$1
build=$2
manual=$3
with_chart=$4
id=$QUORVEL_APP_ID
prefix=$scratch/prefix
install_into "$cmake" "$build" "$prefix"

expected=$(installed_files "$with_chart")

installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(cut -d' ' -f1 <<<"$expected" | sort)
[ "$installed" = "$wanted" ] ||
    fail "installed files differ from the expected ones:$(diff <(echo "$wanted") <(echo "$installed") | sed 's/^/  /')"

while read -r path kind; do
    file=$prefix/$path
    [ -f "$file" ] || continue
    case $kind in
    elf)
        [ -x "$file" ] || fail "$path is not executable"
        [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "$path is not a program"
        readelf -d "$file" | grep -qE 'RPATH|RUNPATH' && fail "$path carries a run path"
        ;;
    script)
        [ -x "$file" ] || fail "$path is not executable"
        expect "$path is not valid sh" sh -n "$file"
        grep -q '@[A-Z_]*@' "$file" && fail "$path keeps an unconfigured @VARIABLE@"
        ;;
    data)
        [ -x "$file" ] && fail "$path is executable"
        ;;
    esac
done <<<"$expected"

expect "installed manual differs from the built one" cmp -s "$manual" "$prefix/share/quorvel/tamlo.pdf"
head -c 200 "$prefix/share/icons/hicolor/scalable/apps/$id.svg" | grep -q '<svg' || fail "the icon is not SVG"

# The installed desktop entry starts an installed program, with an installed icon.
desktop=$prefix/share/applications/$id.desktop
expect "installed desktop entry invalid" desktop-file-validate "$desktop"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec_program" ] || fail "Exec=$exec_program is not installed in bin"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not installed"
expect "installed metainfo invalid" appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
finish

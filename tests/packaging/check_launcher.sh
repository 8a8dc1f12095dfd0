#!/bin/bash
# SPDX-License-Identifier: MIT
# check_launcher.sh <cmake> <build dir>: the installed launcher makes the data folder,
# puts the manual there when missing or older, and starts the program inside it.
. "$(dirname "$0")/lib.sh"
cmake=$1
build=$2
prefix=$scratch/prefix
install_into "$cmake" "$build" "$prefix"
launcher=$prefix/bin/quorvel-launcher
manual=$prefix/share/quorvel/tamlo.pdf

# A stand-in for the program that records where it was started and with what.
stub=$scratch/stub
cat >"$stub" <<'EOT'
#!/bin/sh
pwd -P >"$STUB_LOG"
printf '%s\n' "$@" >>"$STUB_LOG"
EOT
chmod +x "$stub"
export STUB_LOG=$scratch/stub.log

# launch <home> <XDG_DATA_HOME or "unset"> <args...>
launch()
{
    local home=$1 xdg=$2
    shift 2
    mkdir -p "$home"
    rm -f "$STUB_LOG"
    if [ "$xdg" = unset ]; then
        env -u XDG_DATA_HOME HOME="$home" QUORVEL_LAUNCHER_EXEC="$stub" "$launcher" "$@"
    else
        env HOME="$home" XDG_DATA_HOME="$xdg" QUORVEL_LAUNCHER_EXEC="$stub" "$launcher" "$@"
    fi || fail "launcher failed (HOME=$home XDG_DATA_HOME=$xdg)"
}

# Where the data folder lands: name, XDG_DATA_HOME, folder expected under the case's root.
while read -r name xdg folder; do
    root=$scratch/$name
    mkdir -p "$root"
    case $xdg in
    ROOT/*) xdg=$root/${xdg#ROOT/} ;;
    EMPTY) xdg= ;;
    esac
    launch "$root/home" "$xdg" --first 'two words'
    data=$root/$folder
    [ -d "$data" ] || { fail "$name: no data folder $data"; continue; }
    expect "$name: manual not copied" cmp -s "$manual" "$data/tamlo.pdf"
    [ "$(sed -n 1p "$STUB_LOG" 2>/dev/null)" = "$(cd "$data" && pwd -P)" ] ||
        fail "$name: program not started inside $data"
    [ "$(sed -n '2,$p' "$STUB_LOG" 2>/dev/null)" = "$(printf '%s\n' --first 'two words')" ] ||
        fail "$name: arguments not passed on"
    [ -z "$(find "$data" -name '.tamlo.pdf.*')" ] || fail "$name: temporary copy left behind"
done <<EOT
xdg_set ROOT/xdg xdg/quorvel
xdg_unset unset home/.local/share/quorvel
xdg_empty EMPTY home/.local/share/quorvel
xdg_relative relative/path home/.local/share/quorvel
EOT

# The copy in the data folder is replaced only when the installed manual is newer.
root=$scratch/update
data=$root/xdg/quorvel
mkdir -p "$data"
while read -r name stamp replaced; do
    echo "user's copy" >"$data/tamlo.pdf"
    touch -d "$stamp" "$data/tamlo.pdf"
    launch "$root/home" "$root/xdg"
    if [ "$replaced" = yes ]; then
        expect "$name: older copy not replaced" cmp -s "$manual" "$data/tamlo.pdf"
    else
        [ "$(cat "$data/tamlo.pdf")" = "user's copy" ] || fail "$name: copy replaced"
    fi
done <<EOT
older 2000-01-01 yes
newer 2999-01-01 no
EOT
echo "same time" >"$data/tamlo.pdf"
touch -r "$manual" "$data/tamlo.pdf"
launch "$root/home" "$root/xdg"
[ "$(cat "$data/tamlo.pdf")" = "same time" ] || fail "a copy as new as the manual was replaced"

# The real program, on the offscreen platform: still running when stopped after a few
# seconds means that it started; the data folder holds the manual.
root=$scratch/real
mkdir -p "$root/home"
HOME=$root/home XDG_DATA_HOME=$root/xdg QT_QPA_PLATFORM=offscreen timeout 3 "$launcher" \
    >"$scratch/real.log" 2>&1
status=$?
[ "$status" -eq 124 ] || { fail "quorvel ended by itself with status $status"; cat "$scratch/real.log" >&2; }
expect "real start: manual not in the data folder" cmp -s "$manual" "$root/xdg/quorvel/tamlo.pdf"
finish

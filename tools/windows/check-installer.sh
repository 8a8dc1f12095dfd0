#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs BUILD_DIR/package/Quorvel-*-setup.exe silently into a new Wine prefix, starts
# the program through the Start-menu entry's launcher, then uninstalls it, and fails
# unless: the files and the Start-menu entry were installed, the launcher made
# %APPDATA%\Quorvel with the manual in it and started quorvel.exe, and the uninstaller
# removed every installed file but left the user's tamlo.dat. Needs an X display
# (`xvfb-run -a`).
#
#   tools/windows/check-installer.sh BUILD_DIR
set -euo pipefail

setup=$(ls "$1"/package/Quorvel-*-setup.exe)
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
unset WINEPATH QT_QPA_PLATFORM WINEQT_QPA_PLATFORM
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "check-installer.sh: $*" >&2; exit 1; }

wineboot --init >/dev/null 2>&1
wineserver -w
wine "$setup" /S
wineserver -w
drive=$WINEPREFIX/drive_c
installed="$drive/Program Files/Quorvel"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvel"
[ -f "$installed/quorvel.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] \
    && [ -f "$installed/translations/qtbase_ja.qm" ] || fail "the program files were not installed"
[ -f "$menu/Quorvel.lnk" ] || fail "no Start-menu entry"

wine 'C:\Program Files\Quorvel\quorvel-launcher.exe' &
data=$(find "$drive/users" -maxdepth 4 -path '*/AppData/Roaming/Quorvel' -type d)
for _ in $(seq 40); do
    [ -n "$data" ] && [ -f "$data/tamlo.pdf" ] && pgrep -f 'quorvel\.exe' >/dev/null && break
    sleep 0.5
    data=$(find "$drive/users" -maxdepth 4 -path '*/AppData/Roaming/Quorvel' -type d)
done
[ -n "$data" ] && cmp -s "$data/tamlo.pdf" "$installed/tamlo.pdf" \
    || fail "the launcher did not put the manual into %APPDATA%\\Quorvel"
pgrep -f 'quorvel\.exe' >/dev/null || fail "the launcher did not start quorvel.exe"
wineserver -k
wineserver -w

# The user's roster, as the program writes it, must outlive the uninstaller.
printf '"x","1985","4","12"\r\n' >"$data/tamlo.dat"
wine 'C:\Program Files\Quorvel\uninstall.exe' /S
wineserver -w
# The uninstaller copies itself to a temporary folder and returns at once.
for _ in $(seq 40); do [ -e "$installed" ] || break; sleep 0.5; done
[ ! -e "$installed" ] || fail "files left behind: $(find "$installed" -type f | head -3)"
[ ! -e "$menu" ] || fail "the Start-menu entry is still there"
[ -f "$data/tamlo.dat" ] || fail "the uninstaller removed tamlo.dat"
echo "The installer installs, starts the program in %APPDATA%\\Quorvel and uninstalls," \
     "leaving tamlo.dat" >&2

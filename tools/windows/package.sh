#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Packs the Windows build: Quorvel-VERSION-win64.zip (runs from any folder) and
# Quorvel-VERSION-win64-setup.exe (NSIS), both in BUILD_DIR/package/. Then unpacks the
# zip into an empty folder and runs quorvel-chart.exe there in a new Wine prefix, with
# no WINEPATH, so that a missing DLL, plugin or font shows here.
#
#   tools/windows/package.sh BUILD_DIR MANUAL_PDF
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
manual=$(realpath "$2")
bin=$build/bin
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=Quorvel-$version-win64
out=$build/package
stage=$out/$name

rm -rf "$out"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations"
cp "$bin"/quorvel.exe "$bin"/quorvel-chart.exe "$bin"/quorvel-launcher.exe "$stage/"
cp "$bin"/Qt6Core.dll "$bin"/Qt6Gui.dll "$bin"/Qt6Widgets.dll "$bin"/Qt6PrintSupport.dll \
    "$bin"/libstdc++-6.dll "$bin"/libgcc_s_seh-1.dll "$bin"/libwinpthread-1.dll "$stage/"
# The window on the screen; quorvel-chart draws offscreen.
cp "$bin"/platforms/qwindows.dll "$bin"/platforms/qoffscreen.dll "$stage/platforms/"
cp "$bin"/styles/qwindowsvistastyle.dll "$stage/styles/"
# Qt's own menus and dialogs in Japanese.
cp "$bin"/translations/qtbase_ja.qm "$stage/translations/"
cp "$bin"/ipag.ttf "$bin"/ipagp.ttf "$bin"/IPA_Font_License.txt "$stage/"
cp "$bin"/qt.conf "$stage/"
cp "$manual" "$stage/tamlo.pdf"
cp "$root/LICENSE" "$stage/LICENSE.txt"
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

(cd "$out" && zip -qr9 "$name.zip" "$name")

# The installer's file list, and the same list to remove, file by file.
files=$out/files.nsh
remove=$out/remove.nsh
: >"$files"
: >"$remove"
(cd "$stage" && find . -type d ! -name . | sed 's|^\./||' | sort) | while read -r dir; do
    printf 'SetOutPath "$INSTDIR\\%s"\nFile "%s\\*.*"\n' "${dir//\//\\}" "$stage/$dir" >>"$files"
done
printf 'SetOutPath "$INSTDIR"\n' >>"$files"
(cd "$stage" && find . -maxdepth 1 -type f | sed 's|^\./||' | sort) | while read -r file; do
    printf 'File "%s"\n' "$stage/$file" >>"$files"
done
(cd "$stage" && find . -type f | sed 's|^\./||' | sort) | while read -r file; do
    printf 'Delete "$INSTDIR\\%s"\n' "${file//\//\\}" >>"$remove"
done
(cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r) | while read -r dir; do
    printf 'RMDir "$INSTDIR\\%s"\n' "${dir//\//\\}" >>"$remove"
done
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$out/$name-setup.exe" \
    -DFILES="$files" -DREMOVE="$remove" "$root/packaging/windows/quorvel.nsi"

# The zip alone, in a folder of its own, in a Wine prefix that has seen nothing else.
check=$(mktemp -d)
trap 'WINEPREFIX=$check/prefix wineserver -k 2>/dev/null || true; rm -rf "$check"' EXIT
(cd "$check" && unzip -q "$out/$name.zip")
[ -f "$check/$name/translations/qtbase_ja.qm" ] || { echo "the zip lacks Qt's Japanese texts" >&2; exit 1; }
export WINEPREFIX=$check/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
unset WINEPATH QT_QPA_PLATFORM WINEQT_QPA_PLATFORM
wineboot --init >/dev/null 2>&1
wineserver -w
(cd "$check/$name" && wine quorvel-chart.exe --birth 1985-04-12 --month 2026-12 \
    --today 2026-12-08 --png chart.png --scale 2)
# The manual's chart, drawn on Linux: the same file, byte for byte.
cmp "$check/$name/chart.png" "$root/docs/manual/chart.png"
echo "The zip runs under Wine from an empty folder: the manual's chart, byte for byte" >&2
ls -l "$out/$name.zip" "$out/$name-setup.exe"

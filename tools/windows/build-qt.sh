#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Qt for 64-bit Windows once, from Debian's own qt6-base source package of the
# same version as the host's Qt tools, which the cross build uses for moc, rcc and uic.
# The result is cached outside the tree, keyed by the package version and by the
# options below, so a rerun is a no-op.
#
#   tools/windows/build-qt.sh                 build when missing, then print the prefix
#   tools/windows/build-qt.sh --print-prefix  print the prefix only
#
# QUORVEL_CACHE (default ~/.cache/quorvel) moves the cache; QUORVEL_QT_JOBS (default
# nproc) sets the build's parallelism.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
toolchain=$root/cmake/toolchain/mingw-w64-x86_64.cmake
. "$here/debian-source.sh"

# The source version of the host's Qt tools: the cross build runs the host's moc, rcc
# and uic, which must match the library they generate code for.
deb_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools 2>/dev/null || true)
if [ -z "$deb_version" ]; then
    echo "build-qt.sh: qt6-base-dev-tools is not installed (tools/install-deps.sh installs it)" >&2
    exit 1
fi
upstream_version=${deb_version#*:}
upstream_version=${upstream_version%-*}

# Only what the programs and their tests use: Core, Gui, Widgets, Test, PrintSupport,
# the windows, offscreen and minimal platforms, bundled freetype/harfbuzz/png/zlib/pcre.
# The source package lacks the tablet headers. Without Direct2D the DirectWrite font
# engine is not built, so DirectWrite goes too (PrintSupport would not link). Rich text
# is never written as ODF or Markdown (the manual test reads Markdown).
options=(
    -release -shared -nomake examples -nomake tests -nomake benchmarks
    -no-opengl -no-dbus -no-icu -no-zstd -no-feature-vulkan
    -qt-freetype -qt-harfbuzz -qt-libpng -qt-zlib -qt-pcre -no-feature-jpeg
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
    -no-feature-tabletevent -no-feature-direct2d -no-feature-directwrite -no-feature-directwrite3
    -no-feature-textodfwriter -no-feature-textmarkdownwriter
)

cache=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
key=$(printf '%s\n' "${options[@]}" | cat - "$toolchain" | sha256sum | cut -c1-10)
prefix=$cache/qt-${deb_version}-mingw-w64-x86_64-$key

if [ "${1:-}" = "--print-prefix" ]; then
    echo "$prefix"
    exit 0
fi
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
exec 9>"$cache/.build-qt.lock"
flock 9
[ -f "$prefix/.complete" ] && { echo "$prefix"; exit 0; }

# An interrupted build goes on where it stopped.
work=$cache/work-qt-$key
if [ ! -f "$work/unpacked" ]; then
    rm -rf "$work"
    echo "build-qt.sh: fetching the source of qt6-base $deb_version" >&2
    debian_source qt6-base "$deb_version" "$work" "$work/src"
    touch "$work/unpacked"
fi
rm -rf "$prefix"

echo "Building Qt $upstream_version for Windows into $prefix (log: $work/build.log)" >&2
build() {
    mkdir -p "$work/build" && cd "$work/build" &&
    nice -n 5 ../src/configure -prefix "$prefix" "${options[@]}" \
        -qt-host-path /usr -xplatform win32-g++ -- \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" &&
    nice -n 5 cmake --build . --parallel "${QUORVEL_QT_JOBS:-$(nproc)}" &&
    nice -n 5 cmake --install .
}
start=$(date +%s)
# `set -e` does not reach into a function whose status is tested, hence the && chain.
build >"$work/build.log" 2>&1 || { tail -40 "$work/build.log" >&2; exit 1; }
seconds=$(( $(date +%s) - start ))

mkdir -p "$prefix/build-logs"
cp "$work/apt/download/"*.dsc "$work/build.log" "$work/build/.ninja_log" "$prefix/build-logs/"
printf 'qt6-base %s\noptions %s\nbuild seconds %s\n' \
    "$deb_version" "${options[*]}" "$seconds" >"$prefix/.complete"
rm -rf "$work"
echo "Qt for Windows built in $((seconds / 60)) min $((seconds % 60)) s" >&2
echo "$prefix"

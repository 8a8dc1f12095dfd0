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

. "$(dirname "$0")/cached-build.sh"

# The source version of the host's Qt tools: the cross build runs the host's moc, rcc
# and uic, which must match the library they generate code for.
host_source_version qt6-base-dev-tools
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

cached_build_prefix qt "$deb_version"
cached_build_lock qt "${1:-}"

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
# `set -e` does not reach into a function whose status is tested, hence the && chain.
cached_build_run "$work/build.log" build

mkdir -p "$prefix/build-logs"
cp "$work/apt/download/"*.dsc "$work/build.log" "$work/build/.ninja_log" "$prefix/build-logs/"
cached_build_done qt6-base "$deb_version"
echo "Qt for Windows built in $((seconds / 60)) min $((seconds % 60)) s" >&2
echo "$prefix"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds libical for 64-bit Windows once, from Debian's own libical3 source package (the
# version of the host's libical-dev), as a static C library: quorvel_export writes the
# calendar files with it. Cached outside the tree like Qt, keyed by version and options.
#
#   tools/windows/build-libical.sh                 build when missing, then print the prefix
#   tools/windows/build-libical.sh --print-prefix  print the prefix only
#
# QUORVEL_CACHE (default ~/.cache/quorvel) moves the cache.
set -euo pipefail

. "$(dirname "$0")/cached-build.sh"

# The version of the host's libical-dev.
host_source_version libical-dev

# The C library alone: no GLib or C++ bindings, no ICU (RSCALE), no Berkeley DB, no
# documentation or tests.
options=(
    -DCMAKE_BUILD_TYPE=Release -DSTATIC_ONLY=ON -DWITH_CXX_BINDINGS=OFF
    -DICAL_GLIB=OFF -DGOBJECT_INTROSPECTION=OFF -DICAL_GLIB_VAPI=OFF
    -DICAL_BUILD_DOCS=OFF -DLIBICAL_BUILD_TESTING=OFF
    -DCMAKE_DISABLE_FIND_PACKAGE_ICU=ON -DCMAKE_DISABLE_FIND_PACKAGE_BerkeleyDB=ON
)

cached_build_prefix libical "$deb_version"
cached_build_lock libical "${1:-}"

work=$cache/work-libical-$key
# The archive serves the upstream tarball of libical3 but not always its Debian tarball,
# so the upstream source is built without Debian's patches.
echo "build-libical.sh: fetching the source of libical3 $deb_version" >&2
debian_source libical3 "$deb_version" "$work" "$work/src" --orig-only
rm -rf "$prefix" "$work/build"

echo "Building libical for Windows into $prefix (log: $work/build.log)" >&2
build() {
    cmake -S "$work/src" -B "$work/build" -G Ninja "${options[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" &&
    nice -n 5 cmake --build "$work/build" --parallel "${QUORVEL_QT_JOBS:-$(nproc)}" &&
    cmake --install "$work/build"
}
# Built once into the cache, so a compiler cache would only keep a second copy.
cached_build_run "$work/build.log" \
    env -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER bash -c "$(declare -p options work toolchain prefix); $(declare -f build); build"
cached_build_done libical3 "$deb_version"
echo "libical for Windows built in $seconds s" >&2
echo "$prefix"

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

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
toolchain=$root/cmake/toolchain/mingw-w64-x86_64.cmake
. "$here/debian-source.sh"

# The source version of the host's libical-dev (the binary may carry a +bN rebuild
# suffix, the source does not).
deb_version=$(dpkg-query -W -f='${source:Version}' libical-dev 2>/dev/null || true)
if [ -z "$deb_version" ]; then
    echo "build-libical.sh: libical-dev is not installed (tools/install-deps.sh installs it)" >&2
    exit 1
fi

# The C library alone: no GLib or C++ bindings, no ICU (RSCALE), no Berkeley DB, no
# documentation or tests.
options=(
    -DCMAKE_BUILD_TYPE=Release -DSTATIC_ONLY=ON -DWITH_CXX_BINDINGS=OFF
    -DICAL_GLIB=OFF -DGOBJECT_INTROSPECTION=OFF -DICAL_GLIB_VAPI=OFF
    -DICAL_BUILD_DOCS=OFF -DLIBICAL_BUILD_TESTING=OFF
    -DCMAKE_DISABLE_FIND_PACKAGE_ICU=ON -DCMAKE_DISABLE_FIND_PACKAGE_BerkeleyDB=ON
)

cache=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
key=$(printf '%s\n' "${options[@]}" | cat - "$toolchain" | sha256sum | cut -c1-10)
prefix=$cache/libical-${deb_version}-mingw-w64-x86_64-$key

if [ "${1:-}" = "--print-prefix" ] || [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
exec 9>"$cache/.build-libical.lock"
flock 9
[ -f "$prefix/.complete" ] && { echo "$prefix"; exit 0; }

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
start=$(date +%s)
# Built once into the cache, so a compiler cache would only keep a second copy.
env -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER \
    bash -c "$(declare -p options work toolchain prefix); $(declare -f build); build" \
    >"$work/build.log" 2>&1 || { tail -40 "$work/build.log" >&2; exit 1; }
seconds=$(( $(date +%s) - start ))
printf 'libical3 %s\noptions %s\nbuild seconds %s\n' \
    "$deb_version" "${options[*]}" "$seconds" >"$prefix/.complete"
rm -rf "$work"
echo "libical for Windows built in $seconds s" >&2
echo "$prefix"

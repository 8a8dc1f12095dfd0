#!/usr/bin/env bash
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

deb_version=3.0.16-1
pool=http://deb.debian.org/debian/pool/main/libi/libical3
dsc=libical3_${deb_version}.dsc
dsc_sha256=bc9bc505ac9dff93222db53fbcc8eba14f4b20e153488be2e349b97c716a26fd

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
# The mirror serves the .dsc and the upstream tarball of 3.0.16-1 but not its Debian
# tarball, so the upstream source is built as the .dsc names it, without Debian's patches.
debian_source "$pool" "$dsc" "$dsc_sha256" "$cache/downloads" "$work/src" --orig-only
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

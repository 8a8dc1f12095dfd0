# SPDX-License-Identifier: MIT
# Sourced by the build scripts beside it: a library built once into the cache outside the
# tree, keyed by its version, its options ($options) and the toolchain file ($toolchain).
# Progress goes to standard error; standard output carries the prefix alone, since the
# Makefile takes it as a path. Sets toolchain and brings in debian_source.
#
#   host_source_version PACKAGE       sets deb_version, the source version of PACKAGE
#   cached_build_prefix NAME VERSION  sets cache, key and prefix
#   cached_build_lock NAME [ARG]      with --print-prefix or when built: prints the prefix
#                                     and ends the script; otherwise holds the build lock
#   cached_build_run LOG COMMAND...   runs the build into LOG, sets seconds; on failure
#                                     shows the end of the log and ends the script
#   cached_build_done SOURCE VERSION  marks the prefix complete and drops $work

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
toolchain=$(cd "$here/../.." && pwd)/cmake/toolchain/mingw-w64-x86_64.cmake
. "$here/debian-source.sh"

# The host's package, as a source version: a binary may carry a +bN rebuild suffix, its
# source does not.
host_source_version() {
    deb_version=$(dpkg-query -W -f='${source:Version}' "$1" 2>/dev/null || true)
    if [ -z "$deb_version" ]; then
        echo "$(basename "$0"): $1 is not installed (tools/install-deps.sh installs it)" >&2
        exit 1
    fi
}

cached_build_prefix() {
    cache=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
    key=$(printf '%s\n' "${options[@]}" | cat - "$toolchain" | sha256sum | cut -c1-10)
    prefix=$cache/$1-$2-mingw-w64-x86_64-$key
}

# A second run waits for the first and then finds the prefix built.
cached_build_lock() {
    if [ "${2:-}" = --print-prefix ] || [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        exit 0
    fi
    mkdir -p "$cache"
    exec 9>"$cache/.build-$1.lock"
    flock 9
    if [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        exit 0
    fi
}

cached_build_run() {
    local log=$1
    shift
    local start
    start=$(date +%s)
    "$@" >"$log" 2>&1 || { tail -40 "$log" >&2; exit 1; }
    seconds=$(( $(date +%s) - start ))
}

cached_build_done() {
    printf '%s %s\noptions %s\nbuild seconds %s\n' \
        "$1" "$2" "${options[*]}" "$seconds" >"$prefix/.complete"
    rm -rf "$work"
}

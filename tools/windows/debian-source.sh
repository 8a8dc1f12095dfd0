# SPDX-License-Identifier: MIT
# Sourced by the build scripts beside it: fetches one Debian source package with apt-get
# and unpacks it, with its Debian patches applied.
#
#   debian_source PACKAGE VERSION WORK_DIR TARGET_DIR [--orig-only]
#
# apt-get checks every file against the archive's signed Sources index. The source lists
# are derived from the machine's own apt configuration (each `deb` entry again as
# `deb-src`, same URIs, suites and keys), kept under WORK_DIR, so the system's apt state
# is left as it is. --orig-only takes the upstream tarball alone, without Debian's
# packaging and patches. Everything apt prints goes to standard error.

# Writes the deb-src twin of every deb entry the machine's apt reads into $1.
debian_source_lists() {
    local dir=$1 parts list
    parts=$(apt-config dump --format '%v%n' Dir::Etc::sourceparts)
    list=$(apt-config dump --format '%v%n' Dir::Etc::sourcelist)
    [[ $parts == /* ]] || parts=/etc/apt/$parts
    [[ $list == /* ]] || list=/etc/apt/$list
    mkdir -p "$dir"
    rm -f "$dir"/*.list "$dir"/*.sources
    : >"$dir/empty.list"
    local f
    for f in "$parts"/*.sources; do
        [ -f "$f" ] || continue
        # One stanza per blank-line-separated block; only those whose Types hold deb.
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t\n]|$)/ {
                 out = ""; n = split($0, line, "\n")
                 for (i = 1; i <= n; i++) {
                     if (line[i] ~ /^#/) continue
                     if (line[i] ~ /^Types:/) line[i] = "Types: deb-src"
                     out = out line[i] "\n"
                 }
                 printf "%s\n", out
             }' "$f" >"$dir/$(basename "$f")"
    done
    for f in "$list" "$parts"/*.list; do
        [ -f "$f" ] || continue
        sed -n 's/^[[:space:]]*deb\([[:space:]]\)/deb-src\1/p' "$f" >"$dir/$(basename "$f" .list)-src.list"
    done
}

debian_source() {
    local package=$1 version=$2 work=$3 target=$4 only=${5:-}
    local apt_dir=$work/apt
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/download"
    debian_source_lists "$apt_dir/sources"
    local opts=(
        -o Dir::Etc::sourcelist="$apt_dir/sources/empty.list"
        -o Dir::Etc::sourceparts="$apt_dir/sources"
        -o Dir::State::lists="$apt_dir/lists"
        -o Dir::Cache::archives="$apt_dir/archives"
        -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
        -o APT::Sandbox::User=root -q
    )
    apt-get "${opts[@]}" update >&2 || return 1
    local tar_only=()
    [ "$only" = --orig-only ] && tar_only=(--tar-only)
    (cd "$apt_dir/download" &&
        apt-get "${opts[@]}" source --download-only "${tar_only[@]}" "$package=$version") >&2 ||
        { echo "apt-get could not fetch the source of $package $version" >&2; return 1; }
    rm -rf "$target"
    if [ "$only" = --orig-only ]; then
        local orig
        local upstream=${version#*:}
        orig=$(ls "$apt_dir/download/${package}_${upstream%-*}".orig.tar.* | head -1)
        mkdir -p "$target"
        tar -xf "$orig" -C "$target" --strip-components=1
    else
        dpkg-source --no-check -x "$apt_dir/download/${package}_${version#*:}.dsc" "$target" >&2
    fi
}

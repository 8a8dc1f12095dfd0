# Sourced by the build scripts beside it: fetches one Debian source package from the
# Debian pool and unpacks it, with its Debian patches applied.
#
#   debian_source POOL_URL DSC DSC_SHA256 DOWNLOADS_DIR TARGET_DIR [--orig-only]
#
# The .dsc is pinned by its SHA-256; every file it names is checked against the .dsc's
# own SHA-256 line. Downloads are kept in DOWNLOADS_DIR, so a rerun fetches nothing.
# --orig-only takes the upstream tarball alone, without Debian's packaging and patches.

debian_source_fetch() {
    local pool=$1 name=$2 downloads=$3
    [ -f "$downloads/$name" ] && return 0
    curl -fsSL --retry 3 -o "$downloads/$name.part" "$pool/$name"
    mv "$downloads/$name.part" "$downloads/$name"
}

debian_source_check() {
    local sum=$1 file=$2
    echo "$sum  $file" | sha256sum -c --quiet - && return 0
    rm -f "$file"
    echo "$(basename "$file") does not match its checksum; removed, run again to refetch" >&2
    return 1
}

debian_source() {
    local pool=$1 dsc=$2 dsc_sha256=$3 downloads=$4 target=$5 only=${6:-}
    mkdir -p "$downloads"
    debian_source_fetch "$pool" "$dsc" "$downloads" || return 1
    debian_source_check "$dsc_sha256" "$downloads/$dsc" || return 1
    local sum name orig=
    while read -r sum name; do
        [ "$only" = --orig-only ] && [[ $name != *.orig.tar.* ]] && continue
        debian_source_fetch "$pool" "$name" "$downloads" || return 1
        debian_source_check "$sum" "$downloads/$name" || return 1
        [[ $name == *.orig.tar.* ]] && orig=$name
    done < <(awk '/^Checksums-Sha256:/ {s = 1; next} /^[^ ]/ {s = 0} s && NF == 3 {print $1, $3}' \
        "$downloads/$dsc")
    rm -rf "$target"
    if [ "$only" = --orig-only ]; then
        mkdir -p "$target"
        tar -xf "$downloads/$orig" -C "$target" --strip-components=1
    else
        dpkg-source --no-check -x "$downloads/$dsc" "$target" >/dev/null
    fi
}

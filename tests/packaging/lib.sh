# SPDX-License-Identifier: MIT
# Shared by the packaging checks: failures are counted, so that one run reports them all.
set -u
failures=0

fail()
{
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# expect <description> <command...>: the command must succeed.
expect()
{
    local what=$1
    shift
    "$@" || fail "$what"
}

# A scratch folder removed when the script ends.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# install_into <cmake> <build dir> <prefix>: the project's install rules, as `make install`.
install_into()
{
    "$1" --install "$2" --prefix "$3" >"$scratch/install.log" 2>&1 || {
        cat "$scratch/install.log" >&2
        fail "cmake --install into $3"
        finish
    }
}

# installed_files <1 if quorvel-chart is built>: each file the install puts below its
# prefix, then what it is: elf (a program), script (the launcher), or data (not executable).
installed_files()
{
    local id=$QUORVEL_APP_ID
    cat <<EOT
bin/quorvel elf
bin/quorvel-launcher script
share/quorvel/tamlo.pdf data
share/icons/hicolor/scalable/apps/$id.svg data
share/applications/$id.desktop data
share/metainfo/$id.metainfo.xml data
share/doc/quorvel/copyright data
share/doc/quorvel/changelog.gz data
share/man/man1/quorvel.1.gz data
share/man/man1/quorvel-launcher.1.gz data
EOT
    if [ "$1" = 1 ]; then
        printf '%s\n' "bin/quorvel-chart elf" "share/man/man1/quorvel-chart.1.gz data"
    fi
}

finish()
{
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    exit 0
}

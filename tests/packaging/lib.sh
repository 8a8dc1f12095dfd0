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

finish()
{
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    exit 0
}

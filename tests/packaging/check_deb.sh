#!/bin/bash
# SPDX-License-Identifier: MIT
# check_deb.sh <cpack> <build dir> <version> <1 if quorvel-chart is built>: the Debian
# package builds, declares its dependencies, holds the installed files under /usr, and
# lintian finds no error and no warning in it.
. "$(dirname "$0")/lib.sh"
cpack=$1
build=$2
version=$3
with_chart=$4

"$cpack" --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack"; finish; }
deb=$(find "$scratch" -maxdepth 1 -name '*.deb')
[ "$(wc -w <<<"$deb")" -eq 1 ] || { fail "expected one .deb, found: $deb"; finish; }
dpkg-deb --info "$deb" >/dev/null || { fail "dpkg-deb cannot read $deb"; finish; }

while read -r field value; do
    [ "$(dpkg-deb --field "$deb" "$field")" = "$value" ] ||
        fail "$field is '$(dpkg-deb --field "$deb" "$field")', expected '$value'"
done <<EOT
Package quorvel
Version $version
Architecture $(dpkg --print-architecture)
EOT

depends=$(dpkg-deb --field "$deb" Depends)
for package in fonts-ipafont-gothic qt6-qpa-plugins qt6-translations-l10n libqt6printsupport6 \
    libqt6widgets6 libqt6gui6 libqt6core6 libical3 libc6; do
    [[ ", $depends," =~ ,\ $package[\ ,] ]] || fail "Depends lacks $package: $depends"
done

# Lintian with its default settings. Its checks of the copyright file, the changelog, the
# manual pages and their compression (gzip -9, no time stamp) stand for checks of those
# files here. As root it warns about that on standard error.
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
        fail "lintian:"$'\n'"$(grep -v 'running with root privileges' "$scratch/lintian.log")"
else
    fail "lintian is not installed: run tools/install-deps.sh"
fi

# The installed tree below /usr; programs and the launcher executable, the rest not.
contents=$(dpkg-deb --contents "$deb")
while read -r path kind; do
    mode=-rwxr-xr-x
    [ "$kind" = data ] && mode=-rw-r--r--
    line=$(grep -E " \./usr/$path\$" <<<"$contents")
    [ -n "$line" ] || { fail "package lacks /usr/$path"; continue; }
    [ "${line%% *}" = "$mode" ] || fail "/usr/$path has mode ${line%% *}, expected $mode"
done < <(installed_files "$with_chart")
finish

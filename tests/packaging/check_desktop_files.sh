#!/bin/bash
# SPDX-License-Identifier: MIT
# check_desktop_files.sh <desktop entry> <metainfo>: both pass their validators and name
# each other, the launcher and the icon consistently.
. "$(dirname "$0")/lib.sh"
desktop=$1
metainfo=$2
id=$QUORVEL_APP_ID

expect "desktop-file-validate $desktop" desktop-file-validate "$desktop"
expect "appstreamcli validate $metainfo" appstreamcli validate --no-net "$metainfo"

# key=value pairs the menu relies on.
while read -r key value; do
    line=$(grep -E "^$key=" "$desktop")
    [ "$line" = "$key=$value" ] || fail "$key is '${line#*=}', expected '$value'"
done <<EOT
Type Application
Name Quorvel
Exec quorvel-launcher
Icon $id
Terminal false
EOT
for key in 'Name\[ja\]' 'Comment\[ja\]' 'Categories'; do
    grep -qE "^$key=.+" "$desktop" || fail "$key missing in the desktop entry"
done

grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
grep -q '@[A-Z_]*@' "$metainfo" && fail "metainfo keeps an unconfigured @VARIABLE@"
finish

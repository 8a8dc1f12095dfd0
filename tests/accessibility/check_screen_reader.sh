#!/bin/sh
# SPDX-License-Identifier: MIT
# The program as Orca meets it on Linux: run on the accessibility bus with accessibility
# on, and read by a client the way a screen reader reads it (read_names.py).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != --inside ]; then
    exec sh "$here/with_bus.sh" sh "$here/check_screen_reader.sh" --inside "$1"
fi
program=$2
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
pid=$!
status=0
/usr/bin/python3 "$here/read_names.py" "$(basename "$program")" || status=$?
kill $pid 2>/dev/null || true
exit $status

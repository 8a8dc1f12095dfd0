#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a command as a screen reader's session has it: a private D-Bus session with its
# own accessibility bus and a virtual X display.
set -eu
exec dbus-run-session -- sh -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    status=0
    xvfb-run -a "$@" || status=$?
    kill $launcher 2>/dev/null || true
    exit $status' with_bus "$@"

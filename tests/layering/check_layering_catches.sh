#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# check_layering_catches.sh CHECK QT_HEADERS_DIR: the layering check on a small tree of
# its own must pass the includes each layer may make and name every one it may not.
set -euo pipefail
check=$1
qt=$2
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{engine,ui/text,ui/drawing,ui/widgets,chart,export,roster,cli,app}
put() { printf '%s\n' "${@:2}" > "$tree/$1"; }

# Allowed: each layer down the stack, and the Qt modules it needs.
put engine/a.h '#include "engine/b.h"' '#include <string>'
put ui/text/a.cpp '#include "ui/text/a.h"' '#include <QString>' '#include "engine/result.h"'
put chart/a.cpp '#include "engine/a.h"' '#include "ui/drawing/canvas.h"' '#include <QSize>'
put roster/roster_file.cpp '#include "ui/text/cp932.h"' '#include <QFile>'
put roster/roster_window.cpp '#include "roster/roster_file.h"' '#include "ui/widgets/form.h"'
put app/a.cpp '#include "roster/roster_window.h"' '#include <QApplication>'
put export/a.cpp '#include "chart/chart_input.h"' '#include <libical/ical.h>'
"$check" "$tree" "$qt" > /dev/null

# Not allowed, one per file.
put engine/c.cpp '#include <QString>'
put ui/text/c.cpp '#include "engine/rhythm.h"'
put ui/text/b.cpp '#include <QtGui/QImage>'
put ui/drawing/a.cpp '#include "ui/widgets/layout.h"'
put chart/b.cpp ' #  include "ui/widgets/form.h"'
put roster/roster_file.h '#include "roster/roster_layout.h"'
put cli/a.cpp '#include <QWidget>'
put cli/b.cpp '#include "app/main_window.h"'
put app/b.cpp '#include "cli/chart_report.h"'
put export/b.cpp '#include <QImage>'
put roster/roster_layout.h '#include "tests/engine/fake_cycle_port.h"'
if out=$("$check" "$tree" "$qt" 2> /dev/null); then
    echo "the check passed a tree with wrong includes" >&2
    exit 1
fi
expected=(
    "engine/c.cpp:1: engine may not include QString (qt:Core)"
    "ui/text/b.cpp:1: ui/text may not include QtGui/QImage (qt:Gui)"
    "ui/text/c.cpp:1: ui/text may not include engine/rhythm.h (engine)"
    "ui/drawing/a.cpp:1: ui/drawing may not include ui/widgets/layout.h (ui/widgets)"
    "chart/b.cpp:1: chart may not include ui/widgets/form.h (ui/widgets)"
    "roster/roster_file.h:1: roster/file may not include roster/roster_layout.h (roster)"
    "cli/a.cpp:1: cli may not include QWidget (qt:Widgets)"
    "cli/b.cpp:1: cli may not include app/main_window.h (app)"
    "app/b.cpp:1: app may not include cli/chart_report.h (cli)"
    "export/b.cpp:1: export may not include QImage (qt:Gui)"
    "roster/roster_layout.h:1: roster may not include tests/engine/fake_cycle_port.h (unknown)"
)
for line in "${expected[@]}"; do
    grep -qxF "$line" <<< "$out" || { echo "not reported: $line" >&2; echo "$out" >&2; exit 1; }
done
[ "$(wc -l <<< "$out")" -eq "${#expected[@]}" ] || { echo "extra reports:" >&2; echo "$out" >&2; exit 1; }
echo "every wrong include reported"

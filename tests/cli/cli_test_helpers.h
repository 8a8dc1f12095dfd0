// SPDX-License-Identifier: MIT
#pragma once

#include "cli/chart_program.h"

#include <QBuffer>
#include <QByteArray>
#include <QDate>
#include <QStringList>

namespace cli_test {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

/// The program in-process, with a fixed local date for a run without --today, and a
/// fixed time of day.
inline Run runProgram(const QStringList &arguments, QDate localToday = QDate(2026, 12, 8))
{
    const QDateTime localNow(localToday, QTime(9, 30), Qt::UTC);
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Run run;
    run.status = cli::runChartProgram(arguments, localNow, out, err);
    run.out = out.data();
    run.err = err.data();
    return run;
}

} // namespace cli_test

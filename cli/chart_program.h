// SPDX-License-Identifier: MIT
#pragma once

// quorvel-chart from its arguments to its exit status, without the process around it:
// the executable only adds the application object and the standard streams.

#include <QDateTime>
#include <QIODevice>
#include <QStringList>
#include <functional>

namespace cli {

enum ExitStatus : int {
    kDone = 0,
    kOutputFailed = 1, ///< a picture, JSON or calendar file could not be written
    kUsageError = 2, ///< usage text on the error stream
    kInputRefused = 3, ///< the checks refused a value; nothing written (--everyone lists
                       ///< refused entries and still ends with kDone)
    kRosterUnreadable = 4, ///< missing, short or malformed roster file
};

/// Runs the program. localNow is the local time: its date stands for today when
/// --today or --date is not given, and it stamps the calendar's events; out and err
/// take UTF-8. Drawing needs a QGuiApplication and the font substitutions:
/// beforeDrawing is called once just before the picture is drawn, so that runs which
/// draw nothing do not pay for starting them.
int runChartProgram(const QStringList &arguments, const QDateTime &localNow, QIODevice &out,
    QIODevice &err, const std::function<void()> &beforeDrawing = {});

} // namespace cli

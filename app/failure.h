// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

namespace app {

/// The one failure handler: every failed file, shell or window operation ends here.
/// It takes the roster window off always-on-top, shows "エラー発生" with the stop
/// icon, owned by the main window, and ends the program.
class Failure
{
public:
    /// owner: the main window; releaseOnTop: takes the roster window (if open) off top.
    static void install(QWidget *owner, std::function<void()> releaseOnTop);
    static void raise();
};

/// Ends the program: windows close and the process ends, with nothing written.
/// Callers return at once after calling it.
void endProgram(int exitCode);
/// Test seam: observe the end instead of ending (nothing: end for real).
void setProgramEnding(std::function<void(int exitCode)> ending);

} // namespace app

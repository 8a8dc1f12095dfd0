// SPDX-License-Identifier: MIT
#pragma once

// The chart's entries in the main window's context menu, after コピー(&Y): save the
// picture, print it, and put its day kinds into a calendar. They work on the snapshot
// of the chart on show (chart::ChartInput), so they are greyed out while none is: before
// the first chart, and after クリア or a roster pick until the next chart is drawn.
// A file that cannot be written is reported in a message box and changes nothing else.

#include "chart/chart_input.h"
#include "ui/text/save_file.h"

#include <optional>

class QAction;

namespace ui {
class Form;
}

namespace app {

class ChartMenu
{
public:
    /// Adds the entries to the form's context menu.
    explicit ChartMenu(ui::Form &form);

    /// The chart now on the form's surface, or nothing.
    void setShown(const std::optional<chart::ChartInput> &shown);

    /// "<name>-2026-12.png": the name, made safe as a file name on Linux and Windows
    /// (the characters / \ : * ? " < > | and control characters become "_", and spaces
    /// and dots at either end go), or "biorhythm" when nothing is left; then the month
    /// shown and the suffix.
    static QString proposedFileName(
        const QString &name, const engine::CheckedInput &shown, QStringView suffix);

private:
    void saveImage();
    void print();
    void exportCalendar();
    /// Whether the file was saved; if not, a message says why.
    bool reportSave(const QString &title, const QString &path, const ui::SaveResult &saved);

    ui::Form &m_form;
    std::optional<chart::ChartInput> m_shown;
    QAction *m_saveImage;
    QAction *m_print;
    QAction *m_exportCalendar;
};

} // namespace app

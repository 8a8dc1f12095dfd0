// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace ui {

/// The dialog that asks where to save a file. Tests queue the answer instead of
/// showing a dialog.
class FileDialog
{
public:
    struct Request
    {
        QString title;
        QString proposedPath; ///< folder and file name offered first
        QStringList filters; ///< "PNG 画像 (*.png)"; the first is chosen first
        QString suffix; ///< added to a name typed without one: "png"
    };
    struct Choice
    {
        QString path;
        int filter = 0; ///< index of the filter chosen
    };

    /// The file chosen, or nothing when the dialog was cancelled.
    static std::optional<Choice> askSaveFile(QWidget *owner, const Request &request);

    /// Test seam: the next askSaveFile() records its request and gives this answer at
    /// once (nothing: cancelled).
    static void setNextAnswer(std::optional<Choice> answer);
    /// The last request asked or answered through the seam.
    static std::optional<Request> lastRequest();
    static void resetForTest();
    /// Test seam: a dialog asked without a queued answer aborts the test at once.
    static void requireAnswers(bool required);
};

} // namespace ui

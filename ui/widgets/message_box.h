// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace ui {

/// Modal message boxes. Buttons read "OK" and "キャンセル"; Esc and the close box
/// answer Cancel. Tests queue the next answer instead of showing a dialog.
class MessageBox
{
public:
    enum class Buttons { Ok, OkCancel };
    enum class Icon { Stop, Information };
    enum class Answer { Ok, Cancel };

    struct Shown
    {
        QWidget *owner = nullptr;
        QString title;
        QString text;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::Information;
    };

    static Answer show(
        QWidget *owner, const QString &title, const QString &text, Buttons buttons, Icon icon);

    /// Test seam: the next show() records the box and returns this answer at once.
    static void setNextAnswer(Answer answer);
    /// Whether an answer set by setNextAnswer() is still unused.
    static bool hasNextAnswer();
    /// The last box shown or answered through the seam.
    static std::optional<Shown> lastShown();
    /// Test seam: runs as each box comes up, while its question is open, so that a test
    /// sees the windows as the user sees them behind it.
    static void setShowObserver(std::function<void(const Shown &)> observer);
    static void resetForTest();
    /// Test seam: a box shown without a queued answer aborts the test at once instead
    /// of waiting for a click that never comes.
    static void requireAnswers(bool required);
};

} // namespace ui

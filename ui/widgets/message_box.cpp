// SPDX-License-Identifier: MIT
#include "ui/widgets/message_box.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace ui {
namespace {

struct Seam
{
    std::optional<MessageBox::Answer> nextAnswer;
    std::optional<MessageBox::Shown> lastShown;
    std::function<void(const MessageBox::Shown &)> observer;
    bool answersRequired = false;
};

Seam &seam()
{
    static Seam state;
    return state;
}

} // namespace

MessageBox::Answer MessageBox::show(
    QWidget *owner, const QString &title, const QString &text, Buttons buttons, Icon icon)
{
    seam().lastShown = Shown {owner, title, text, buttons, icon};
    if (seam().observer)
        seam().observer(*seam().lastShown);
    if (seam().nextAnswer) {
        const Answer answer = *seam().nextAnswer;
        seam().nextAnswer.reset();
        return answer;
    }
    if (seam().answersRequired)
        qFatal("message box \"%s\" shown without an answer", qUtf8Printable(text));

    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Information, title,
        text, QMessageBox::NoButton, owner);
    QPushButton *ok = box.addButton(u"OK"_s, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    // Esc and the close box press the escape button: Cancel where there is one.
    if (buttons == Buttons::OkCancel)
        box.setEscapeButton(box.addButton(u"キャンセル"_s, QMessageBox::RejectRole));
    else
        box.setEscapeButton(ok);
    box.exec();
    return box.clickedButton() == ok ? Answer::Ok : Answer::Cancel;
}

void MessageBox::setNextAnswer(Answer answer)
{
    seam().nextAnswer = answer;
}

bool MessageBox::hasNextAnswer()
{
    return seam().nextAnswer.has_value();
}

std::optional<MessageBox::Shown> MessageBox::lastShown()
{
    return seam().lastShown;
}

void MessageBox::setShowObserver(std::function<void(const Shown &)> observer)
{
    seam().observer = std::move(observer);
}

void MessageBox::resetForTest()
{
    seam() = Seam {};
}

void MessageBox::requireAnswers(bool required)
{
    seam().answersRequired = required;
}

} // namespace ui

// SPDX-License-Identifier: MIT
#include "ui/widgets/control_factory.h"

#include "ui/widgets/byte_limited_edit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {
namespace {

bool isEnterKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Space already presses a QPushButton on key-down and clicks it on key-up;
// Enter and Return do the same here, as they do on the buttons of a Windows form.
class PushButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!isEnterKey(event)) {
            QPushButton::keyPressEvent(event);
            return;
        }
        if (!event->isAutoRepeat())
            setDown(true);
        event->accept();
    }

    void keyReleaseEvent(QKeyEvent *event) override
    {
        if (!isEnterKey(event)) {
            QPushButton::keyReleaseEvent(event);
            return;
        }
        if (!event->isAutoRepeat() && isDown()) {
            setDown(false);
            click();
        }
        event->accept();
    }
};

// An option button no wider than its round mark keeps its caption as text but
// draws only the mark (the roster's row buttons).
class OptionButton : public QRadioButton
{
public:
    OptionButton(const QString &caption, bool markOnly, QWidget *parent)
        : QRadioButton(caption, parent)
        , m_markOnly(markOnly)
    { }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (!m_markOnly) {
            QRadioButton::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        option.icon = QIcon();
        painter.drawControl(QStyle::CE_RadioButton, option);
    }

private:
    bool m_markOnly;
};

constexpr int kMarkOnlyWidth = 16;

Qt::Alignment horizontal(Align align)
{
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

void setColours(QWidget *widget, QPalette::ColorRole textRole, QPalette::ColorRole backRole,
    const ControlRow &row)
{
    QPalette palette = widget->palette();
    palette.setColor(textRole, QColor::fromRgb(row.text));
    palette.setColor(backRole, QColor::fromRgb(row.back));
    widget->setPalette(palette);
}

QWidget *makeTextField(const ControlRow &row, QWidget *parent)
{
    auto *edit = new ByteLimitedEdit(parent);
    setColours(edit, QPalette::Text, QPalette::Base, row);
    edit->setAlignment(horizontal(row.align) | Qt::AlignVCenter);
    switch (row.border) {
    case Border::None:
        edit->setFrame(false);
        break;
    case Border::Flat:
        edit->setFlatBorder(true);
        break;
    case Border::Sunken:
        break;
    }
    edit->setMaxBytes(row.maxBytes);
    edit->setNoScroll(row.noScroll);
    edit->setNarrowDigits(row.narrowDigits);
    edit->setInputMethod(row.inputMethod);
    edit->setText(row.caption.toString());
    edit->setFocusPolicy(row.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    return edit;
}

QWidget *makeLabel(const ControlRow &row, QWidget *parent)
{
    auto *label = new QLabel(row.caption.toString(), parent);
    setColours(label, QPalette::WindowText, QPalette::Window, row);
    label->setAutoFillBackground(true);
    // Static text starts at the top of its box, as on Windows.
    label->setAlignment(horizontal(row.align) | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    switch (row.border) {
    case Border::None:
        label->setFrameStyle(QFrame::NoFrame);
        break;
    case Border::Flat:
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        break;
    case Border::Sunken:
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QWidget *makePushButton(const ControlRow &row, QWidget *parent)
{
    auto *button = new PushButton(row.caption.toString(), parent);
    setColours(button, QPalette::ButtonText, QPalette::Button, row);
    button->setAutoDefault(false);
    button->setFocusPolicy(row.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    return button;
}

QWidget *makeOptionButton(const ControlRow &row, QWidget *parent)
{
    auto *button = new OptionButton(row.caption.toString(), row.w <= kMarkOnlyWidth, parent);
    setColours(button, QPalette::WindowText, QPalette::Window, row);
    // A button fills its box from the Button role; an option button's box is the
    // window's colour, as its label is.
    button->setBackgroundRole(QPalette::Window);
    button->setAutoFillBackground(true);
    // Option buttons are never tab stops; a click still gives them the focus.
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

} // namespace

QWidget *makeControl(const ControlRow &row, QWidget *parent)
{
    switch (row.kind) {
    case ControlKind::PushButton:
        return makePushButton(row, parent);
    case ControlKind::OptionButton:
        return makeOptionButton(row, parent);
    case ControlKind::TextField:
        return makeTextField(row, parent);
    case ControlKind::Label:
        break;
    }
    return makeLabel(row, parent);
}

} // namespace ui

// SPDX-License-Identifier: MIT
#pragma once

#include "ui/drawing/image_canvas.h"
#include "ui/widgets/layout.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QAbstractButton;

namespace ui {

class ByteLimitedEdit;

/// A top-level window built from a layout: one control per row, in creation order
/// (which is also the Tab order), each named by its row (objectName). The program
/// binds its typed handles once with find(); tests and tools may address a control by
/// its name, found without regard to case. A window with a drawing surface paints it
/// under its controls.
///
/// Kinds of control: push button → QPushButton (Enter and Space press it on key-down
/// and click it on key-up), option button → QRadioButton in a QButtonGroup per group,
/// text field → ByteLimitedEdit, label → QLabel. Tab walks the tab stops that are
/// enabled and visible in creation order and passes through the window itself after
/// the last one. A right click on the window offers its actions (QWidget::actions()):
/// first "コピー(&Y)", which copies the window's picture to the clipboard, then any
/// that the program adds with addAction(). On Windows the window's system menu ends
/// in "コピー(&Y)" as well.
class Form : public QWidget
{
    Q_OBJECT

public:
    /// Builds the window hidden, with the client size of the layout.
    explicit Form(const WindowLayout &layout, bool withSurface = false, QWidget *parent = nullptr);
    ~Form() override;

    const WindowLayout &layout() const { return m_layout; }

    /// Shows the window centred on the screen, or at the layout's position.
    void showPlaced();
    /// Puts the rows' shown limits and font sizes in force, in row order.
    void applyShownSettings();
    void setAlwaysOnTop(bool onTop);

    /// The control of that name, or nullptr (a question, so an unknown name is not reported).
    QWidget *control(QStringView name) const;
    /// The control of a row of this window's layout, as the type the row makes.
    template <typename Control> Control &find(std::string_view rowName) const
    {
        return *checkedControl<Control>(namedControl(QString::fromLatin1(rowName)));
    }
    /// The text field of that name, or nullptr.
    ByteLimitedEdit *textField(QStringView name) const;
    /// Every control, in creation order.
    const std::vector<QWidget *> &controls() const { return m_controls; }
    QString text(QStringView name) const;
    /// Sets a field's or label's text as it stands (limits apply to typing only).
    void setText(QStringView name, const QString &text);
    bool isChecked(QStringView name) const;
    /// Changes an option button's check state, as setChecked() below.
    void setChecked(QStringView name, bool checked);
    void setMaxBytes(QStringView name, int bytes);
    int maxBytes(QStringView name) const;
    /// Font size as an em height in pixels, keeping face and style.
    void setFontPixelSize(QStringView name, int pixels);
    /// Characters a text field refuses whatever the limit (e.g. the double quote).
    void setRefusedCharacters(QStringView name, const QString &characters);

    /// Closing through the frame: this runs instead of the default close (which
    /// just closes the window). It runs just after the frame's close event, so that
    /// close() called from it closes the window. close() called by the program
    /// always closes at once.
    void setCloseHandler(std::function<void()> onClose);
    /// What closing through the frame does: the close handler, or else close().
    void requestClose();

    /// The drawing surface (only for a window built with one).
    ImageCanvas &surface();
    /// A thin frame in the highlight colour over the surface; never in コピー(&Y)'s copy.
    void setMarker(std::optional<QRect> marker);
    std::optional<QRect> marker() const { return m_marker; }

    /// What happens when a name no control has is asked for: a mistyped name in a test
    /// or tool, so by default a fatal error. A handler replaces that (nothing: the
    /// default again).
    static void setUnknownNameHandler(std::function<void(QStringView name)> handler);

Q_SIGNALS:
    void closed();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    /// The control of that name; an unknown name is reported and gives nullptr.
    QWidget *namedControl(QStringView name) const;
    template <typename Control> static Control *checkedControl(QWidget *widget)
    {
        auto *control = qobject_cast<Control *>(widget);
        if (!control)
            qFatal("a layout row makes another kind of control");
        return control;
    }
    void copyToClipboard();

    WindowLayout m_layout;
    std::vector<QWidget *> m_controls; // creation order
    std::unique_ptr<ImageCanvas> m_surface;
    std::function<void()> m_onClose;
    bool m_repaintPending = false;
    std::optional<QRect> m_marker;
};

/// Checks or unchecks an option button; unlike the user, the program may uncheck the
/// checked button of an exclusive group. Only toggled() is emitted, never clicked().
void setChecked(QAbstractButton &button, bool checked);

} // namespace ui

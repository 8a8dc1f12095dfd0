// SPDX-License-Identifier: MIT
#pragma once

#include "ui/drawing/image_canvas.h"
#include "ui/widgets/layout.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace ui {

class ByteLimitedEdit;

/// A top-level window built from a layout: one control per row, in creation order
/// (which is also the Tab order). Controls are found by name without regard to case;
/// a name that no control has is reported (see setUnknownNameHandler()).
/// A window with a drawing surface paints it under its controls.
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
    void setAlwaysOnTop(bool onTop);

    /// The control of that name, or nullptr (a question, so an unknown name is not reported).
    QWidget *control(QStringView name) const;
    /// The text field of that name, or nullptr.
    ByteLimitedEdit *textField(QStringView name) const;
    /// Every control, in creation order.
    const std::vector<QWidget *> &controls() const { return m_controls; }
    QString text(QStringView name) const;
    /// Sets a field's or label's text as it stands (limits apply to typing only).
    void setText(QStringView name, const QString &text);
    bool isChecked(QStringView name) const;
    /// Changes an option button's check state without running its procedure.
    void setChecked(QStringView name, bool checked);
    void setMaxBytes(QStringView name, int bytes);
    int maxBytes(QStringView name) const;
    /// Font size as an em height in pixels, keeping face and style.
    void setFontPixelSize(QStringView name, int pixels);
    /// Characters a text field refuses whatever the limit (e.g. the double quote).
    void setRefusedCharacters(QStringView name, const QString &characters);

    /// Binds a click procedure named in the layout to code.
    void setProcedure(std::string_view procedure, std::function<void()> body);
    /// Runs after every dispatched procedure; the redraw cycle's pass hangs here.
    void setAfterEvent(std::function<void()> afterEvent);
    /// Closing through the frame: this runs instead of the default close (which
    /// just closes the window). It runs just after the frame's close event, so that
    /// close() called from it closes the window. close() called by the program
    /// always closes at once.
    void setCloseHandler(std::function<void()> onClose);
    /// What closing through the frame does: the close handler, or else close().
    void requestClose();

    /// The drawing surface (only for a window built with one).
    ImageCanvas &surface();

    /// What happens when the program names a control or procedure that the layout does
    /// not have: it is a mistyped name, so by default the program stops with a fatal
    /// error in debug builds and when QUORVEL_STRICT_NAMES is set (every test sets it),
    /// and otherwise warns and goes on as if the control were there but empty. A
    /// handler replaces that (nothing: the default again).
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
    void dispatch(std::string_view procedure);
    void copyToClipboard();

    WindowLayout m_layout;
    std::vector<QWidget *> m_controls; // creation order
    std::unique_ptr<ImageCanvas> m_surface;
    std::vector<std::pair<std::string, std::function<void()>>> m_procedures;
    std::function<void()> m_afterEvent;
    std::function<void()> m_onClose;
    bool m_repaintPending = false;
};

} // namespace ui

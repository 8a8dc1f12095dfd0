#pragma once

#include "ui/image_canvas.h"
#include "ui/layout.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace ui {

class ByteLimitedEdit;

/// A top-level window built from a layout: one control per row, in creation order
/// (which is also the Tab order). Controls are found by name without regard to case.
/// A window with a drawing surface paints it under its controls.
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

    /// The control of that name, or nullptr.
    QWidget *control(QStringView name) const;
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

    /// Binds a click procedure named in the layout ("BUTTON1_ON") to code.
    void setProcedure(std::string_view procedure, std::function<void()> body);
    /// Runs after every dispatched procedure; the redraw cycle's pass hangs here.
    void setAfterEvent(std::function<void()> afterEvent);
    /// Closing through the frame: this runs instead of the default close (which
    /// just closes the window).
    void setCloseHandler(std::function<void()> onClose);

    /// The drawing surface (only for a window built with one).
    ImageCanvas &surface();

Q_SIGNALS:
    void closed();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void build();
    void dispatch(std::string_view procedure);
    void copyToClipboard();

    WindowLayout m_layout;
    std::vector<QWidget *> m_controls; // creation order
    std::unique_ptr<ImageCanvas> m_surface;
    std::vector<std::pair<std::string, std::function<void()>>> m_procedures;
    std::function<void()> m_afterEvent;
    std::function<void()> m_onClose;
};

} // namespace ui

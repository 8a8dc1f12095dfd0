#pragma once

// The real main window, with every chart drawing and first-pass paint recorded, and
// the picture the window must show worked out independently on a fresh surface.

#include "app/main_window.h"
#include "engine/field_port.h"

#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <string>

namespace soak {

/// The main window's fields and era buttons frozen at one moment; the chart reads
/// them while it draws (weekdays, greeting).
class FieldSnapshot : public engine::FieldPort
{
public:
    FieldSnapshot() = default;
    explicit FieldSnapshot(const engine::FieldPort &window);

    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view utf8) override;
    bool isChecked(std::string_view control) const override;
    void setChecked(std::string_view control, bool checked) override;
    void setMaxBytes(std::string_view, int) override { }

private:
    std::map<std::string, std::string, std::less<>> m_texts;
    std::map<std::string, bool, std::less<>> m_checked;
};

/// What the window's surface must hold after the last action.
struct ExpectedPicture
{
    enum class Kind {
        FirstPass, ///< the window's background with a white chart area
        Cleared, ///< クリア answered OK: the bare background
        Picked, ///< 選択・保存 whose birth date was refused: background, white chart area
        Chart, ///< the chart of `input`, drawn with the fields as they stood
    };
    Kind kind = Kind::FirstPass;
    engine::CheckedInput input;
    FieldSnapshot fields;
    QString today;

    /// The picture, drawn from nothing onto a new surface of the given size.
    QImage render(QSize size) const;
};

/// app::MainWindow that tells its owner about every chart it draws and every
/// first-pass paint, before drawing it.
class SoakWindow : public app::MainWindow
{
public:
    std::function<void(const engine::CheckedInput &)> onDrawChart;
    std::function<void()> onClearChartArea;

    void drawChart(const engine::CheckedInput &input) override
    {
        if (onDrawChart)
            onDrawChart(input);
        app::MainWindow::drawChart(input);
    }
    void clearChartArea() override
    {
        if (onClearChartArea)
            onClearChartArea();
        app::MainWindow::clearChartArea();
    }
};

} // namespace soak

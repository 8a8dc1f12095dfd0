#include "soak_window.h"

#include "chart/month_chart.h"
#include "ui/image_canvas.h"

#include <array>

namespace soak {

namespace {

constexpr std::array<std::string_view, 6> kFields {
    "EDIT1", "EDIT2", "EDIT3", "EDIT4", "EDIT5", "EDIT26"};
constexpr std::array<std::string_view, 10> kEraButtons {"RADIO1", "RADIO2", "RADIO3", "RADIO4",
    "RADIO5", "RADIO6", "RADIO7", "RADIO8", "RADIO9", "RADIO10"};

constexpr int kWhite = 15;

} // namespace

FieldSnapshot::FieldSnapshot(const engine::FieldPort &window)
{
    for (std::string_view field : kFields)
        m_texts[std::string(field)] = window.text(field);
    for (std::string_view button : kEraButtons)
        m_checked[std::string(button)] = window.isChecked(button);
}

std::string FieldSnapshot::text(std::string_view control) const
{
    const auto it = m_texts.find(control);
    return it == m_texts.end() ? std::string() : it->second;
}

void FieldSnapshot::setText(std::string_view control, std::string_view utf8)
{
    m_texts[std::string(control)] = std::string(utf8);
}

bool FieldSnapshot::isChecked(std::string_view control) const
{
    const auto it = m_checked.find(control);
    return it != m_checked.end() && it->second;
}

void FieldSnapshot::setChecked(std::string_view control, bool checked)
{
    m_checked[std::string(control)] = checked;
}

QImage ExpectedPicture::render(QSize size) const
{
    ui::ImageCanvas canvas(size);
    canvas.clear();
    switch (kind) {
    case Kind::FirstPass:
        chart::clearChartArea(canvas);
        break;
    case Kind::Cleared:
        break;
    case Kind::Picked:
        canvas.fillBox(1, 139, 636, 520, kWhite);
        break;
    case Kind::Chart:
        chart::redrawChart(canvas, fields, input, today);
        break;
    }
    return canvas.image();
}

} // namespace soak

// SPDX-License-Identifier: MIT
#include "app/main_layout.h"

#include "chart/month_chart.h"

#include <array>

namespace app {
namespace {

using ui::Align;
using ui::Border;
using ui::ControlKind;
using ui::ControlRow;
using ui::InputMethod;
using ui::kBlack;
using ui::kBlue;
using ui::kNavy;
using ui::kSilver;
using ui::kWhite;

constexpr ControlRow field(std::string_view name, int x, int y, int w, int h, QRgb text,
    Border border, int maxBytes, InputMethod inputMethod)
{
    return {.name = name,
        .kind = ControlKind::TextField,
        .caption = u"",
        .x = x,
        .y = y,
        .w = w,
        .h = h,
        .points = 10,
        .text = text,
        .back = kWhite,
        .align = Align::Right,
        .border = border,
        .tabStop = true,
        .maxBytes = maxBytes,
        .inputMethod = inputMethod,
        .narrowDigits = true};
}

constexpr ControlRow label(std::string_view name, QStringView caption, int x, int y, int w,
    double points, QRgb text, Align align)
{
    return {.name = name,
        .kind = ControlKind::Label,
        .caption = caption,
        .x = x,
        .y = y,
        .w = w,
        .h = 16,
        .points = points,
        .text = text,
        .back = kSilver,
        .align = align};
}

// Option buttons of both era groups: 16 high, 9 points.
constexpr ControlRow option(std::string_view name, QStringView caption, int x, int y, int w,
    QRgb text, std::string_view handler)
{
    return {.name = name,
        .kind = ControlKind::OptionButton,
        .caption = caption,
        .x = x,
        .y = y,
        .w = w,
        .h = 16,
        .points = 9,
        .text = text,
        .back = kSilver,
        .handler = handler};
}

constexpr ControlRow firstOfGroup(ControlRow row)
{
    row.groupStart = true;
    row.checked = true;
    return row;
}

constexpr ControlRow button(std::string_view name, QStringView caption, int x, int y, int w, int h,
    double points, bool tabStop, std::string_view handler)
{
    return {.name = name,
        .kind = ControlKind::PushButton,
        .caption = caption,
        .x = x,
        .y = y,
        .w = w,
        .h = h,
        .points = points,
        .text = kBlack,
        .back = kSilver,
        .tabStop = tabStop,
        .handler = handler};
}

// The small "C" buttons use the proportional face.
constexpr ControlRow clearButton(std::string_view name, int x, int y, std::string_view handler)
{
    ControlRow row = button(name, u"C", x, y, 24, 24, 9, true, handler);
    row.proportional = true;
    return row;
}

constexpr ControlRow nameField()
{
    ControlRow row = field("EDIT26", 368, 8, 152, 24, kBlue, Border::Sunken, 20, InputMethod::On);
    row.align = Align::Left;
    row.tabStop = false;
    row.noScroll = true;
    row.narrowDigits = false;
    return row;
}

constexpr int kUnlimited = 32767;

constexpr auto kControls = std::to_array<ControlRow>({
    field("EDIT1", 368, 56, 56, 24, kNavy, Border::Flat, 4, InputMethod::AlnumFull),
    field("EDIT2", 456, 56, 40, 24, kNavy, Border::Sunken, kUnlimited, InputMethod::Off),
    field("EDIT3", 528, 56, 40, 24, kNavy, Border::Sunken, kUnlimited, InputMethod::AlnumFull),
    label("TEXT2", u"誕生日", 312, 64, 56, 9, kNavy, Align::Right),
    label("TEXT3", u"年", 432, 64, 16, 10, kNavy, Align::Left),
    label("TEXT4", u"月", 504, 64, 16, 10, kNavy, Align::Left),
    label("TEXT5", u"日", 576, 64, 16, 10, kNavy, Align::Left),
    firstOfGroup(option("RADIO1", u"西暦", 320, 40, 48, kNavy, "RADIO1_ON")),
    option("RADIO2", u"平成", 432, 40, 56, kNavy, "RADIO2_ON"),
    option("RADIO3", u"昭和", 488, 40, 48, kNavy, "RADIO3_ON"),
    option("RADIO4", u"大正", 544, 40, 48, kNavy, "RADIO4_ON"),
    option("RADIO5", u"令和", 376, 40, 56, kNavy, "RADIO5_ON"),
    firstOfGroup(option("RADIO6", u"西暦", 320, 88, 56, kBlue, "RADIO6_ON")),
    option("RADIO7", u"平成", 432, 88, 56, kBlue, "RADIO7_ON"),
    option("RADIO8", u"昭和", 488, 88, 48, kBlue, "RADIO8_ON"),
    option("RADIO9", u"大正", 544, 88, 48, kBlue, "RADIO9_ON"),
    option("RADIO10", u"令和", 376, 88, 48, kBlue, "RADIO10_ON"),
    field("EDIT4", 368, 104, 56, 24, kBlue, Border::Sunken, kUnlimited, InputMethod::Off),
    field("EDIT5", 456, 104, 40, 24, kBlue, Border::Sunken, kUnlimited, InputMethod::Off),
    clearButton("BUTTON15", 536, 104, "BUTTON15_ON"),
    label("TEXT1", u"表示", 328, 112, 32, 9, kBlue, Align::Right),
    label("TEXT6", u"年", 432, 112, 16, 10, kBlue, Align::Left),
    label("TEXT7", u"月", 504, 112, 24, 10, kBlue, Align::Left),
    button("BUTTON1", u"表示", 232, 56, 80, 48, 10, true, "BUTTON1_ON"),
    button("BUTTON2", u"<<前月", 8, 56, 80, 48, 10, false, "BUTTON2_ON"),
    button("BUTTON3", u"翌月>>", 152, 56, 80, 48, 10, false, "BUTTON3_ON"),
    button("BUTTON4", u"終了", 248, 8, 64, 48, 10, false, "BUTTON4_ON"),
    button("BUTTON5", u"クリア", 120, 8, 64, 48, 8, false, "BUTTON5_ON"),
    button("BUTTON10", u"誕生日データ", 8, 8, 112, 48, 10, false, "BUTTON10_ON"),
    nameField(),
    button("BUTTON11", u"ヘルプ", 184, 8, 64, 48, 9, false, "BUTTON11_ON"),
    label("TEXT14", u"氏名", 312, 16, 48, 9, kBlue, Align::Right),
    button("BUTTON12", u"今月", 88, 56, 64, 48, 9, false, "BUTTON12_ON"),
    clearButton("BUTTON13", 536, 8, "BUTTON13_ON"),
    clearButton("BUTTON14", 600, 56, "BUTTON14_ON"),
});
static_assert(kControls.size() == 35);

constexpr ui::WindowLayout kMainForm {
    .name = "MAINFORM",
    .caption = u"Quorvel 3.7",
    .clientWidth = chart::kSurfaceSize.width(),
    .clientHeight = chart::kSurfaceSize.height(),
    .position = std::nullopt,
    .background = kSilver,
    .controls = kControls,
};

constexpr auto kStartup = std::to_array<StartupSetting>({
    {"EDIT1", 4, 18},
    {"EDIT2", 2, 18},
    {"EDIT3", 2, 18},
    {"EDIT4", 4, 18},
    {"EDIT5", 2, 18},
    {"EDIT26", 14, 18},
    {"RADIO1", 0, 14},
    {"RADIO2", 0, 14},
    {"RADIO3", 0, 14},
    {"RADIO4", 0, 14},
    {"RADIO5", 0, 14},
    {"RADIO6", 0, 14},
    {"RADIO7", 0, 14},
    {"RADIO8", 0, 14},
    {"RADIO9", 0, 14},
    {"RADIO10", 0, 14},
    {"BUTTON1", 0, 16},
    {"BUTTON2", 0, 16},
    {"BUTTON3", 0, 16},
    {"BUTTON4", 0, 16},
    {"BUTTON5", 0, 16},
    {"BUTTON10", 0, 16},
    {"BUTTON11", 0, 16},
    {"BUTTON12", 0, 16},
    {"BUTTON13", 0, 16},
    {"BUTTON14", 0, 16},
    {"BUTTON15", 0, 16},
    {"TEXT1", 0, 14},
    {"TEXT2", 0, 14},
    {"TEXT3", 0, 14},
    {"TEXT4", 0, 14},
    {"TEXT5", 0, 14},
    {"TEXT6", 0, 14},
    {"TEXT7", 0, 14},
    {"TEXT14", 0, 14},
});

} // namespace

const ui::WindowLayout &mainLayout()
{
    return kMainForm;
}

std::span<const StartupSetting> startupSettings()
{
    return kStartup;
}

} // namespace app

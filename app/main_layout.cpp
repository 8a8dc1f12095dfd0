// SPDX-License-Identifier: MIT
#include "app/main_layout.h"

#include "chart/month_chart.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/form.h"

#include <QAbstractButton>
#include <array>

namespace app {
namespace {

using ui::Align;
using ui::Border;
using ui::ControlRow;
using ui::firstOfGroup;
using ui::InputMethod;
using ui::kBlue;
using ui::kNavy;
using ui::spoken;

// The year, month and day fields: 24 high, with the byte limit start-up puts in force once
// the window is shown and what a screen reader calls them.
constexpr ControlRow dateField(std::string_view name, int x, int y, int w, QRgb text, Border border,
    int maxBytes, InputMethod inputMethod, int shownBytes, QStringView spokenName)
{
    ControlRow row = ui::numberField(
        ui::textField(name, {x, y, w, 24}, 10, text, Align::Right, border, maxBytes, inputMethod));
    row.shownMaxBytes = shownBytes;
    return spoken(row, spokenName);
}

constexpr ControlRow label(std::string_view name, QStringView caption, int x, int y, int w,
    double points, QRgb text, Align align)
{
    return ui::label(name, caption, {x, y, w, 16}, points, text, align, 14);
}

// Option buttons of both era groups: 16 high, 9 points.
constexpr ControlRow option(
    std::string_view name, QStringView caption, int x, int y, int w, QRgb text)
{
    return ui::optionButton(name, caption, {x, y, w, 16}, 9, text, 14);
}

constexpr ControlRow button(std::string_view name, QStringView caption, int x, int y, int w, int h,
    double points, bool tabStop)
{
    return ui::pushButton(name, caption, {x, y, w, h}, points, tabStop);
}

// The small "C" buttons use the proportional face.
constexpr ControlRow clearButton(std::string_view name, int x, int y)
{
    ControlRow row = button(name, u"C", x, y, 24, 24, 9, true);
    row.proportional = true;
    return row;
}

constexpr ControlRow nameField()
{
    ControlRow row = ui::textField(
        "EDIT26", {368, 8, 152, 24}, 10, kBlue, Align::Left, Border::Sunken, 20, InputMethod::On);
    row.shownMaxBytes = 14;
    row.tabStop = false;
    row.noScroll = true;
    return row;
}

constexpr int kUnlimited = 32767;

// Each control once, named for what it is; the table below gives their creation order.
constexpr ControlRow kBirthYear = dateField(
    "EDIT1", 368, 56, 56, kNavy, Border::Flat, 4, InputMethod::AlnumFull, 4, u"誕生日の年");
constexpr ControlRow kBirthMonth = dateField(
    "EDIT2", 456, 56, 40, kNavy, Border::Sunken, kUnlimited, InputMethod::Off, 2, u"誕生日の月");
constexpr ControlRow kBirthDay = dateField("EDIT3", 528, 56, 40, kNavy, Border::Sunken, kUnlimited,
    InputMethod::AlnumFull, 2, u"誕生日の日");
constexpr ControlRow kShownYear = dateField(
    "EDIT4", 368, 104, 56, kBlue, Border::Sunken, kUnlimited, InputMethod::Off, 4, u"表示する年");
constexpr ControlRow kShownMonth = dateField(
    "EDIT5", 456, 104, 40, kBlue, Border::Sunken, kUnlimited, InputMethod::Off, 2, u"表示する月");
constexpr ControlRow kName = spoken(nameField(), u"氏名");

// Both era groups hold 西暦, 平成, 昭和, 大正, 令和 in the order of engine::Era, each era in its
// own column; the first of a group is checked at first.
constexpr std::array<QStringView, engine::kEraCount> kEraCaptions {
    u"西暦", u"平成", u"昭和", u"大正", u"令和"};
constexpr std::array<int, engine::kEraCount> kEraColumns {320, 432, 488, 544, 376};

struct EraOption
{
    std::string_view name;
    int w;
    QStringView spokenName;
};

constexpr std::array<ControlRow, engine::kEraCount> eraGroup(
    int y, QRgb text, const std::array<EraOption, engine::kEraCount> &options)
{
    std::array<ControlRow, engine::kEraCount> group {};
    for (std::size_t i = 0; i < group.size(); ++i) {
        const EraOption &era = options[i];
        group[i] = spoken(
            option(era.name, kEraCaptions[i], kEraColumns[i], y, era.w, text), era.spokenName);
    }
    group[0] = firstOfGroup(group[0]);
    return group;
}

constexpr auto kBirthEras = eraGroup(40, kNavy,
    {{{"RADIO1", 48, u"誕生日の年号 西暦"}, {"RADIO2", 56, u"誕生日の年号 平成"},
        {"RADIO3", 48, u"誕生日の年号 昭和"}, {"RADIO4", 48, u"誕生日の年号 大正"},
        {"RADIO5", 56, u"誕生日の年号 令和"}}});
constexpr auto kShownEras = eraGroup(88, kBlue,
    {{{"RADIO6", 56, u"表示の年号 西暦"}, {"RADIO7", 56, u"表示の年号 平成"},
        {"RADIO8", 48, u"表示の年号 昭和"}, {"RADIO9", 48, u"表示の年号 大正"},
        {"RADIO10", 48, u"表示の年号 令和"}}});

constexpr ControlRow kShow = button("BUTTON1", u"表示", 232, 56, 80, 48, 10, true);
constexpr ControlRow kPreviousMonth
    = spoken(button("BUTTON2", u"<<前月", 8, 56, 80, 48, 10, false), u"前月");
constexpr ControlRow kNextMonth
    = spoken(button("BUTTON3", u"翌月>>", 152, 56, 80, 48, 10, false), u"翌月");
constexpr ControlRow kQuit = button("BUTTON4", u"終了", 248, 8, 64, 48, 10, false);
constexpr ControlRow kClearAll = button("BUTTON5", u"クリア", 120, 8, 64, 48, 8, false);
constexpr ControlRow kRoster = button("BUTTON10", u"誕生日データ", 8, 8, 112, 48, 10, false);
constexpr ControlRow kManual = button("BUTTON11", u"ヘルプ", 184, 8, 64, 48, 9, false);
constexpr ControlRow kThisMonth = button("BUTTON12", u"今月", 88, 56, 64, 48, 9, false);
constexpr ControlRow kClearName = spoken(clearButton("BUTTON13", 536, 8), u"氏名を消す");
constexpr ControlRow kClearBirth = spoken(clearButton("BUTTON14", 600, 56), u"誕生日を消す");
constexpr ControlRow kClearMonth = spoken(clearButton("BUTTON15", 536, 104), u"表示年月を消す");

constexpr ControlRow kBirthCaption = label("TEXT2", u"誕生日", 312, 64, 56, 9, kNavy, Align::Right);
constexpr ControlRow kBirthYearUnit = label("TEXT3", u"年", 432, 64, 16, 10, kNavy, Align::Left);
constexpr ControlRow kBirthMonthUnit = label("TEXT4", u"月", 504, 64, 16, 10, kNavy, Align::Left);
constexpr ControlRow kBirthDayUnit = label("TEXT5", u"日", 576, 64, 16, 10, kNavy, Align::Left);
constexpr ControlRow kShownCaption = label("TEXT1", u"表示", 328, 112, 32, 9, kBlue, Align::Right);
constexpr ControlRow kShownYearUnit = label("TEXT6", u"年", 432, 112, 16, 10, kBlue, Align::Left);
constexpr ControlRow kShownMonthUnit = label("TEXT7", u"月", 504, 112, 24, 10, kBlue, Align::Left);
constexpr ControlRow kNameCaption = label("TEXT14", u"氏名", 312, 16, 48, 9, kBlue, Align::Right);

constexpr auto kControls = std::to_array<ControlRow>({
    kBirthYear,
    kBirthMonth,
    kBirthDay,
    kBirthCaption,
    kBirthYearUnit,
    kBirthMonthUnit,
    kBirthDayUnit,
    kBirthEras[0],
    kBirthEras[1],
    kBirthEras[2],
    kBirthEras[3],
    kBirthEras[4],
    kShownEras[0],
    kShownEras[1],
    kShownEras[2],
    kShownEras[3],
    kShownEras[4],
    kShownYear,
    kShownMonth,
    kClearMonth,
    kShownCaption,
    kShownYearUnit,
    kShownMonthUnit,
    kShow,
    kPreviousMonth,
    kNextMonth,
    kQuit,
    kClearAll,
    kRoster,
    kName,
    kManual,
    kNameCaption,
    kThisMonth,
    kClearName,
    kClearBirth,
});
static_assert(kControls.size() == 35);

constexpr ui::WindowLayout kMainForm {
    .name = "MAINFORM",
    .caption = u"Quorvel 3.7",
    .clientWidth = chart::kSurfaceSize.width(),
    .clientHeight = chart::kSurfaceSize.height(),
    .position = std::nullopt,
    .controls = kControls,
};

} // namespace

const ui::WindowLayout &mainLayout()
{
    return kMainForm;
}

MainControls::MainControls(const ui::Form &form)
    : birthYear(form.find<ui::ByteLimitedEdit>(kBirthYear.name))
    , birthMonth(form.find<ui::ByteLimitedEdit>(kBirthMonth.name))
    , birthDay(form.find<ui::ByteLimitedEdit>(kBirthDay.name))
    , shownYear(form.find<ui::ByteLimitedEdit>(kShownYear.name))
    , shownMonth(form.find<ui::ByteLimitedEdit>(kShownMonth.name))
    , name(form.find<ui::ByteLimitedEdit>(kName.name))
    , show(form.find<QAbstractButton>(kShow.name))
    , previousMonth(form.find<QAbstractButton>(kPreviousMonth.name))
    , nextMonth(form.find<QAbstractButton>(kNextMonth.name))
    , thisMonth(form.find<QAbstractButton>(kThisMonth.name))
    , quit(form.find<QAbstractButton>(kQuit.name))
    , clearAll(form.find<QAbstractButton>(kClearAll.name))
    , roster(form.find<QAbstractButton>(kRoster.name))
    , manual(form.find<QAbstractButton>(kManual.name))
    , clearName(form.find<QAbstractButton>(kClearName.name))
    , clearBirth(form.find<QAbstractButton>(kClearBirth.name))
    , clearMonth(form.find<QAbstractButton>(kClearMonth.name))
{
    for (std::size_t i = 0; i < engine::kEraCount; ++i) {
        birthEras[i] = &form.find<QAbstractButton>(kBirthEras[i].name);
        shownEras[i] = &form.find<QAbstractButton>(kShownEras[i].name);
    }
}

ui::ByteLimitedEdit *MainControls::field(engine::Field which) const
{
    switch (which) {
    case engine::Field::None:
        break;
    case engine::Field::BirthYear:
        return &birthYear;
    case engine::Field::BirthMonth:
        return &birthMonth;
    case engine::Field::BirthDay:
        return &birthDay;
    case engine::Field::ShownYear:
        return &shownYear;
    case engine::Field::ShownMonth:
        return &shownMonth;
    }
    return nullptr;
}

} // namespace app

// SPDX-License-Identifier: MIT
#include "roster/roster_layout.h"

#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/form.h"

#include <QAbstractButton>
#include <array>

namespace roster {
namespace {

using ui::Align;
using ui::Border;
using ui::ControlRow;
using ui::InputMethod;
using ui::kBlack;
using ui::kBlue;
using ui::numberField;
using ui::spoken;

// Every row k lies at y = 32 k; its controls share the columns below.
constexpr int rowY(int row)
{
    return 32 * row;
}

// A control's name, made at compile time from its kind and number: "EDIT27".
struct ControlName
{
    char text[10] {};
    char16_t caption[10] {};
    std::size_t size = 0;

    constexpr ControlName() = default;
    constexpr ControlName(std::string_view kind, int number)
    {
        std::size_t n = 0;
        for (char c : kind)
            text[n++] = c;
        const std::size_t digits = number >= 10 ? 2 : 1;
        for (std::size_t d = digits; d > 0; --d, number /= 10)
            text[n + d - 1] = char('0' + number % 10);
        n += digits;
        size = n;
        for (std::size_t i = 0; i < n; ++i)
            caption[i] = char16_t(text[i]);
    }
    constexpr std::string_view name() const { return {text, size}; }
    constexpr QStringView shown() const { return {caption, qsizetype(size)}; }
};

// Rows 1–5 number their fields a column at a time (names EDIT6–10, years EDIT11–15,
// months EDIT16–20, days EDIT21–25); rows 6–10 go on from EDIT27, four to a row.
constexpr int fieldNumber(int row, int column)
{
    return row <= 5 ? 6 + 5 * column + (row - 1) : 27 + 4 * (row - 6) + column;
}

struct RowNames
{
    ControlName option, name, year, month, day;
};

constexpr auto kRowNames = [] {
    std::array<RowNames, 10> rows {};
    for (int k = 1; k <= 10; ++k) {
        rows[std::size_t(k - 1)] = {{"RADIO", 10 + k}, {"EDIT", fieldNumber(k, 0)},
            {"EDIT", fieldNumber(k, 1)}, {"EDIT", fieldNumber(k, 2)}, {"EDIT", fieldNumber(k, 3)}};
    }
    return rows;
}();

constexpr const RowNames &rowNames(int row)
{
    return kRowNames[std::size_t(row - 1)];
}

// What a screen reader calls a row's controls: "3人目の氏名", "3人目を選ぶ".
struct SpokenName
{
    char16_t text[12] {};
    std::size_t size = 0;

    constexpr SpokenName() = default;
    constexpr SpokenName(int row, std::u16string_view what)
    {
        if (row >= 10)
            text[size++] = char16_t(u'0' + row / 10);
        text[size++] = char16_t(u'0' + row % 10);
        for (char16_t c : std::u16string_view(u"人目"))
            text[size++] = c;
        for (char16_t c : what)
            text[size++] = c;
    }
    constexpr QStringView view() const { return {text, qsizetype(size)}; }
};

struct RowSpokenNames
{
    SpokenName option, name, year, month, day;
};

constexpr auto kRowSpokenNames = [] {
    std::array<RowSpokenNames, 10> rows {};
    for (int k = 1; k <= 10; ++k) {
        rows[std::size_t(k - 1)]
            = {{k, u"を選ぶ"}, {k, u"の氏名"}, {k, u"の年"}, {k, u"の月"}, {k, u"の日"}};
    }
    return rows;
}();

constexpr const RowSpokenNames &spokenNames(int row)
{
    return kRowSpokenNames[std::size_t(row - 1)];
}

// The caption is the name; the button is too narrow to show it.
constexpr ControlRow option(int row)
{
    const ControlName &name = rowNames(row).option;
    return spoken(ui::optionButton(name.name(), name.shown(), {16, rowY(row), 16, 24}, 10, kBlack,
                      row > 5 ? 14 : 0),
        spokenNames(row).option.view());
}

constexpr ControlRow field(std::string_view name, int x, int w, int row, double points, Align align,
    int maxBytes, InputMethod inputMethod)
{
    return ui::textField(
        name, {x, rowY(row), w, 24}, points, kBlue, align, Border::Sunken, maxBytes, inputMethod);
}

constexpr ControlRow nameField(int row, double points = 10)
{
    return spoken(
        field(rowNames(row).name.name(), 40, 144, row, points, Align::Centre, 14, InputMethod::On),
        spokenNames(row).name.view());
}

constexpr ControlRow yearField(int row, double points = 10)
{
    return spoken(numberField(field(rowNames(row).year.name(), 200, 80, row, points, Align::Right,
                      4, InputMethod::AlnumFull)),
        spokenNames(row).year.view());
}

// The month and day fields of rows 2 and 7 keep the input method off.
constexpr InputMethod dateInputMethod(int row)
{
    return row == 2 || row == 7 ? InputMethod::Off : InputMethod::AlnumFull;
}

constexpr ControlRow monthField(int row, double points = 10)
{
    return spoken(numberField(field(rowNames(row).month.name(), 296, 48, row, points, Align::Right,
                      2, dateInputMethod(row))),
        spokenNames(row).month.view());
}

constexpr ControlRow dayField(int row, double points = 10)
{
    return spoken(numberField(field(rowNames(row).day.name(), 360, 48, row, points, Align::Right, 2,
                      dateInputMethod(row))),
        spokenNames(row).day.view());
}

constexpr ControlRow label(std::string_view name, QStringView caption, int x, int w, Align align)
{
    return ui::label(name, caption, {x, 8, w, 24}, 10, kBlue, align, 0);
}

constexpr ControlRow button(std::string_view name, QStringView caption, int x, int w, bool tabStop)
{
    return ui::pushButton(name, caption, {x, 352, w, 32}, 10, tabStop);
}

// EDIT6 ends the option buttons' group; on a text field that is all the flag means.
constexpr ControlRow firstNameField()
{
    ControlRow row = nameField(1, 12);
    row.groupStart = true;
    return row;
}

constexpr ControlRow boldHeader()
{
    ControlRow row = spoken(label("TEXT13", u"　氏　名", 56, 120, Align::Left), u"氏名");
    row.bold = true;
    return row;
}

constexpr ControlRow kClearRow
    = spoken(button("BUTTON8", u"クリア", 40, 144, false), u"選んだ人を消す");
constexpr ControlRow kSaveAndPick = button("BUTTON9", u"選択・保存", 200, 200, true);

constexpr auto kControls = std::to_array<ControlRow>({
    ui::firstOfGroup(option(1)),
    option(2),
    option(3),
    option(4),
    option(5),
    option(6),
    option(7),
    option(8),
    option(9),
    option(10),
    firstNameField(),
    yearField(1, 14),
    monthField(1),
    dayField(1),
    nameField(2),
    yearField(2),
    monthField(2),
    boldHeader(),
    label("TEXT15", u"【月】", 288, 64, Align::Centre),
    label("TEXT16", u"【日】", 352, 64, Align::Centre),
    dayField(2),
    nameField(3),
    yearField(3),
    monthField(3),
    dayField(3),
    nameField(4),
    yearField(4),
    monthField(4),
    dayField(4),
    nameField(5),
    yearField(5),
    monthField(5),
    dayField(5),
    kClearRow,
    kSaveAndPick,
    label("TEXT17", u"西暦【年】", 200, 88, Align::Left),
    nameField(6, 14),
    yearField(6, 14),
    monthField(6),
    dayField(6),
    nameField(7),
    yearField(7),
    monthField(7, 12),
    dayField(7),
    nameField(8),
    yearField(8),
    monthField(8, 12),
    dayField(8),
    nameField(9),
    yearField(9),
    monthField(9),
    dayField(9),
    nameField(10),
    yearField(10),
    monthField(10),
    dayField(10),
});
static_assert(kControls.size() == 56);

constexpr ui::WindowLayout kForm2 {
    .name = "FORM2",
    .caption = u"誕生日データ",
    .clientWidth = 434,
    .clientHeight = 400,
    .position = QPoint(386, 308),
    .controls = kControls,
};

} // namespace

const ui::WindowLayout &rosterLayout()
{
    return kForm2;
}

RosterControls::RosterControls(const ui::Form &form)
    : clearRow(form.find<QAbstractButton>(kClearRow.name))
    , saveAndPick(form.find<QAbstractButton>(kSaveAndPick.name))
{
    for (int k = 1; k <= 10; ++k) {
        const RowNames &names = rowNames(k);
        rows[std::size_t(k - 1)] = {&form.find<QAbstractButton>(names.option.name()),
            &form.find<ui::ByteLimitedEdit>(names.name.name()),
            &form.find<ui::ByteLimitedEdit>(names.year.name()),
            &form.find<ui::ByteLimitedEdit>(names.month.name()),
            &form.find<ui::ByteLimitedEdit>(names.day.name())};
    }
}

} // namespace roster

// SPDX-License-Identifier: MIT
#include "roster/roster_layout.h"

#include <array>

namespace roster {
namespace {

using ui::Align;
using ui::Border;
using ui::ControlKind;
using ui::ControlRow;
using ui::InputMethod;
using ui::kBlack;
using ui::kBlue;
using ui::kSilver;
using ui::kWhite;

// Every row k lies at y = 32 k; its controls share the columns below.
constexpr int rowY(int row)
{
    return 32 * row;
}

constexpr ControlRow option(std::string_view name, QStringView caption, int row)
{
    return {.name = name,
        .kind = ControlKind::OptionButton,
        .caption = caption,
        .x = 16,
        .y = rowY(row),
        .w = 16,
        .h = 24,
        .points = 10,
        .text = kBlack,
        .back = kSilver};
}

constexpr ControlRow field(std::string_view name, int x, int w, int row, double points, Align align,
    int maxBytes, InputMethod inputMethod)
{
    return {.name = name,
        .kind = ControlKind::TextField,
        .caption = u"",
        .x = x,
        .y = rowY(row),
        .w = w,
        .h = 24,
        .points = points,
        .text = kBlue,
        .back = kWhite,
        .align = align,
        .border = Border::Sunken,
        .tabStop = true,
        .maxBytes = maxBytes,
        .inputMethod = inputMethod};
}

constexpr ControlRow nameField(std::string_view name, int row, double points = 10)
{
    return field(name, 40, 144, row, points, Align::Centre, 14, InputMethod::On);
}

// Year, month and day fields hold numbers.
constexpr ControlRow numberField(ControlRow row)
{
    row.narrowDigits = true;
    return row;
}

constexpr ControlRow yearField(std::string_view name, int row, double points = 10)
{
    return numberField(field(name, 200, 80, row, points, Align::Right, 4, InputMethod::AlnumFull));
}

// The month and day fields of rows 2 and 7 keep the input method off.
constexpr InputMethod dateInputMethod(int row)
{
    return row == 2 || row == 7 ? InputMethod::Off : InputMethod::AlnumFull;
}

constexpr ControlRow monthField(std::string_view name, int row, double points = 10)
{
    return numberField(field(name, 296, 48, row, points, Align::Right, 2, dateInputMethod(row)));
}

constexpr ControlRow dayField(std::string_view name, int row, double points = 10)
{
    return numberField(field(name, 360, 48, row, points, Align::Right, 2, dateInputMethod(row)));
}

constexpr ControlRow label(std::string_view name, QStringView caption, int x, int w, Align align)
{
    return {.name = name,
        .kind = ControlKind::Label,
        .caption = caption,
        .x = x,
        .y = 8,
        .w = w,
        .h = 24,
        .points = 10,
        .text = kBlue,
        .back = kSilver,
        .align = align};
}

constexpr ControlRow button(std::string_view name, QStringView caption, int x, int w, bool tabStop,
    std::string_view handler)
{
    return {.name = name,
        .kind = ControlKind::PushButton,
        .caption = caption,
        .x = x,
        .y = 352,
        .w = w,
        .h = 32,
        .points = 10,
        .text = kBlack,
        .back = kSilver,
        .tabStop = tabStop,
        .handler = handler};
}

constexpr ControlRow firstOption()
{
    ControlRow row = option("RADIO11", u"RADIO11", 1);
    row.groupStart = true;
    row.checked = true;
    return row;
}

// EDIT6 ends the option buttons' group; on a text field that is all the flag means.
constexpr ControlRow firstNameField()
{
    ControlRow row = nameField("EDIT6", 1, 12);
    row.groupStart = true;
    return row;
}

constexpr ControlRow boldHeader()
{
    ControlRow row = label("TEXT13", u"　氏　名", 56, 120, Align::Left);
    row.bold = true;
    return row;
}

constexpr auto kControls = std::to_array<ControlRow>({
    firstOption(),
    option("RADIO12", u"RADIO12", 2),
    option("RADIO13", u"RADIO13", 3),
    option("RADIO14", u"RADIO14", 4),
    option("RADIO15", u"RADIO15", 5),
    option("RADIO16", u"RADIO16", 6),
    option("RADIO17", u"RADIO17", 7),
    option("RADIO18", u"RADIO18", 8),
    option("RADIO19", u"RADIO19", 9),
    option("RADIO20", u"RADIO20", 10),
    firstNameField(),
    yearField("EDIT11", 1, 14),
    monthField("EDIT16", 1),
    dayField("EDIT21", 1),
    nameField("EDIT7", 2),
    yearField("EDIT12", 2),
    monthField("EDIT17", 2),
    boldHeader(),
    label("TEXT15", u"【月】", 288, 64, Align::Centre),
    label("TEXT16", u"【日】", 352, 64, Align::Centre),
    dayField("EDIT22", 2),
    nameField("EDIT8", 3),
    yearField("EDIT13", 3),
    monthField("EDIT18", 3),
    dayField("EDIT23", 3),
    nameField("EDIT9", 4),
    yearField("EDIT14", 4),
    monthField("EDIT19", 4),
    dayField("EDIT24", 4),
    nameField("EDIT10", 5),
    yearField("EDIT15", 5),
    monthField("EDIT20", 5),
    dayField("EDIT25", 5),
    button("BUTTON8", u"クリア", 40, 144, false, "BUTTON8_ON"),
    button("BUTTON9", u"選択・保存", 200, 200, true, "BUTTON9_ON"),
    label("TEXT17", u"西暦【年】", 200, 88, Align::Left),
    nameField("EDIT27", 6, 14),
    yearField("EDIT28", 6, 14),
    monthField("EDIT29", 6),
    dayField("EDIT30", 6),
    nameField("EDIT31", 7),
    yearField("EDIT32", 7),
    monthField("EDIT33", 7, 12),
    dayField("EDIT34", 7),
    nameField("EDIT35", 8),
    yearField("EDIT36", 8),
    monthField("EDIT37", 8, 12),
    dayField("EDIT38", 8),
    nameField("EDIT39", 9),
    yearField("EDIT40", 9),
    monthField("EDIT41", 9),
    dayField("EDIT42", 9),
    nameField("EDIT43", 10),
    yearField("EDIT44", 10),
    monthField("EDIT45", 10),
    dayField("EDIT46", 10),
});
static_assert(kControls.size() == 56);

constexpr ui::WindowLayout kForm2 {
    .name = "FORM2",
    .caption = u"誕生日データ",
    .clientWidth = 434,
    .clientHeight = 400,
    .position = QPoint(386, 308),
    .background = kSilver,
    .controls = kControls,
};

constexpr auto kOpeningFonts = std::to_array<FontSetting>({
    {"RADIO16", 14},
    {"RADIO17", 14},
    {"RADIO18", 14},
    {"RADIO19", 14},
    {"RADIO20", 14},
    {"EDIT6", 18},
    {"EDIT7", 18},
    {"EDIT8", 18},
    {"EDIT9", 18},
    {"EDIT10", 18},
    {"EDIT11", 18},
    {"EDIT12", 18},
    {"EDIT13", 18},
    {"EDIT14", 18},
    {"EDIT15", 18},
    {"EDIT16", 18},
    {"EDIT17", 18},
    {"EDIT18", 18},
    {"EDIT19", 18},
    {"EDIT20", 18},
    {"EDIT21", 18},
    {"EDIT22", 18},
    {"EDIT23", 18},
    {"EDIT24", 18},
    {"EDIT25", 18},
    {"EDIT27", 18},
    {"EDIT28", 18},
    {"EDIT29", 18},
    {"EDIT30", 18},
    {"EDIT31", 18},
    {"EDIT32", 18},
    {"EDIT33", 18},
    {"EDIT34", 18},
    {"EDIT35", 18},
    {"EDIT36", 18},
    {"EDIT37", 18},
    {"EDIT38", 18},
    {"EDIT39", 18},
    {"EDIT40", 18},
    {"EDIT41", 18},
    {"EDIT42", 18},
    {"EDIT43", 18},
    {"EDIT44", 18},
    {"EDIT45", 18},
    {"EDIT46", 18},
    {"BUTTON8", 16},
    {"BUTTON9", 16},
});
static_assert(kOpeningFonts.size() == 5 + 40 + 2);

constexpr std::array<RosterRow, 10> kRows {{
    {"RADIO11", "EDIT6", "EDIT11", "EDIT16", "EDIT21"},
    {"RADIO12", "EDIT7", "EDIT12", "EDIT17", "EDIT22"},
    {"RADIO13", "EDIT8", "EDIT13", "EDIT18", "EDIT23"},
    {"RADIO14", "EDIT9", "EDIT14", "EDIT19", "EDIT24"},
    {"RADIO15", "EDIT10", "EDIT15", "EDIT20", "EDIT25"},
    {"RADIO16", "EDIT27", "EDIT28", "EDIT29", "EDIT30"},
    {"RADIO17", "EDIT31", "EDIT32", "EDIT33", "EDIT34"},
    {"RADIO18", "EDIT35", "EDIT36", "EDIT37", "EDIT38"},
    {"RADIO19", "EDIT39", "EDIT40", "EDIT41", "EDIT42"},
    {"RADIO20", "EDIT43", "EDIT44", "EDIT45", "EDIT46"},
}};

} // namespace

const ui::WindowLayout &rosterLayout()
{
    return kForm2;
}

std::span<const FontSetting> rosterOpeningFonts()
{
    return kOpeningFonts;
}

std::span<const RosterRow, 10> rosterRows()
{
    return kRows;
}

} // namespace roster

// SPDX-License-Identifier: MIT
#pragma once

// The names of the controls and click procedures that code touches, and the codes the
// windows pass around. The names are data: the layouts create the controls under them
// and the code finds them by them, so each is written here once and everything else
// says what it means (kBirthYear, not "EDIT1").

#include <array>
#include <string_view>

namespace engine {

/// The eras in the order of their option buttons.
enum class Era { Western, Heisei, Showa, Taisho, Reiwa };
inline constexpr int kEraCount = 5;

/// Era codes: 1–5 for the birth year's buttons, 6–10 for the displayed year's.
constexpr int birthEraCode(Era era)
{
    return 1 + static_cast<int>(era);
}
constexpr int shownEraCode(Era era)
{
    return 6 + static_cast<int>(era);
}
/// The era of a code of either group: 3 and 8 → Showa; any other number → Western.
constexpr Era eraOfCode(int code)
{
    if (code < 1 || code > 2 * kEraCount)
        return Era::Western;
    return static_cast<Era>((code - 1) % kEraCount);
}

/// What the next pass of the redraw cycle draws.
enum class RedrawRequest { None, AsEntered, PreviousMonth, NextMonth };
/// What the next pass runs in the roster window.
enum class RosterRequest { None, ClearRow = 2, SaveAndPick = 3 };

namespace names {

using Name = std::string_view;
using EraNames = std::array<Name, kEraCount>;

// The main window's input fields.
inline constexpr Name kBirthYear = "EDIT1";
inline constexpr Name kBirthMonth = "EDIT2";
inline constexpr Name kBirthDay = "EDIT3";
inline constexpr Name kShownYear = "EDIT4";
inline constexpr Name kShownMonth = "EDIT5";
inline constexpr Name kName = "EDIT26";

// Its era buttons, in the order of Era, and their click procedures.
inline constexpr EraNames kBirthEraButtons {"RADIO1", "RADIO2", "RADIO3", "RADIO4", "RADIO5"};
inline constexpr EraNames kShownEraButtons {"RADIO6", "RADIO7", "RADIO8", "RADIO9", "RADIO10"};
inline constexpr EraNames kBirthEraProcedures {
    "RADIO1_ON", "RADIO2_ON", "RADIO3_ON", "RADIO4_ON", "RADIO5_ON"};
inline constexpr EraNames kShownEraProcedures {
    "RADIO6_ON", "RADIO7_ON", "RADIO8_ON", "RADIO9_ON", "RADIO10_ON"};

// The main window's buttons' click procedures.
inline constexpr Name kShowProcedure = "BUTTON1_ON"; // 表示
inline constexpr Name kPreviousMonthProcedure = "BUTTON2_ON"; // <<前月
inline constexpr Name kNextMonthProcedure = "BUTTON3_ON"; // 翌月>>
inline constexpr Name kQuitProcedure = "BUTTON4_ON"; // 終了
inline constexpr Name kClearAllProcedure = "BUTTON5_ON"; // クリア
inline constexpr Name kRosterProcedure = "BUTTON10_ON"; // 誕生日データ
inline constexpr Name kManualProcedure = "BUTTON11_ON"; // ヘルプ
inline constexpr Name kThisMonthProcedure = "BUTTON12_ON"; // 今月
inline constexpr Name kClearNameProcedure = "BUTTON13_ON"; // C beside the name
inline constexpr Name kClearBirthProcedure = "BUTTON14_ON"; // C beside the birth date
inline constexpr Name kClearMonthProcedure = "BUTTON15_ON"; // C beside the month

// The roster window's buttons' click procedures.
inline constexpr Name kClearRowProcedure = "BUTTON8_ON"; // クリア
inline constexpr Name kSaveAndPickProcedure = "BUTTON9_ON"; // 選択・保存

constexpr Name eraButton(const EraNames &group, Era era)
{
    return group[static_cast<std::size_t>(era)];
}

} // namespace names

} // namespace engine

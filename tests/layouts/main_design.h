// SPDX-License-Identifier: MIT
#pragma once

// The main window's controls as designed, stated apart from the program's own tables:
// the layout test compares the tables with it, the window test the widgets built.

#include "ui/widgets/layout.h"

namespace main_design {

using namespace ui;

constexpr auto Field = ControlKind::TextField;
constexpr auto Label = ControlKind::Label;
constexpr auto Option = ControlKind::OptionButton;
constexpr auto Button = ControlKind::PushButton;
constexpr auto L = Align::Left;
constexpr auto R = Align::Right;
constexpr auto NoEdge = Border::None;
constexpr auto Flat = Border::Flat;
constexpr auto Sunk = Border::Sunken;
constexpr auto ImUnset = InputMethod::Unset;
constexpr auto ImOn = InputMethod::On;
constexpr auto ImOff = InputMethod::Off;
constexpr auto ImAlnum = InputMethod::AlnumFull;
constexpr bool Y = true;
constexpr bool N = false;

// The window's controls as designed, every property spelt out, in creation order:
// name, kind, caption, x, y, w, h, points, proportional, bold, text, back, align,
// border, tab stop, bytes, input method, group start, checked, no scroll.
// clang-format off
const ControlRow kDesign[] = {
    {"EDIT1", Field, u"", 368, 56, 56, 24, 10, N, N, kNavy, kWhite, R, Flat, Y, 4, ImAlnum, N, N, N},
    {"EDIT2", Field, u"", 456, 56, 40, 24, 10, N, N, kNavy, kWhite, R, Sunk, Y, 32767, ImOff, N, N, N},
    {"EDIT3", Field, u"", 528, 56, 40, 24, 10, N, N, kNavy, kWhite, R, Sunk, Y, 32767, ImAlnum, N, N, N},
    {"TEXT2", Label, u"誕生日", 312, 64, 56, 16, 9, N, N, kNavy, kSilver, R, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT3", Label, u"年", 432, 64, 16, 16, 10, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT4", Label, u"月", 504, 64, 16, 16, 10, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT5", Label, u"日", 576, 64, 16, 16, 10, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO1", Option, u"西暦", 320, 40, 48, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, Y, Y, N},
    {"RADIO2", Option, u"平成", 432, 40, 56, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO3", Option, u"昭和", 488, 40, 48, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO4", Option, u"大正", 544, 40, 48, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO5", Option, u"令和", 376, 40, 56, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO6", Option, u"西暦", 320, 88, 56, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, Y, Y, N},
    {"RADIO7", Option, u"平成", 432, 88, 56, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO8", Option, u"昭和", 488, 88, 48, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO9", Option, u"大正", 544, 88, 48, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO10", Option, u"令和", 376, 88, 48, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"EDIT4", Field, u"", 368, 104, 56, 24, 10, N, N, kBlue, kWhite, R, Sunk, Y, 32767, ImOff, N, N, N},
    {"EDIT5", Field, u"", 456, 104, 40, 24, 10, N, N, kBlue, kWhite, R, Sunk, Y, 32767, ImOff, N, N, N},
    {"BUTTON15", Button, u"C", 536, 104, 24, 24, 9, Y, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N},
    {"TEXT1", Label, u"表示", 328, 112, 32, 16, 9, N, N, kBlue, kSilver, R, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT6", Label, u"年", 432, 112, 16, 16, 10, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT7", Label, u"月", 504, 112, 24, 16, 10, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON1", Button, u"表示", 232, 56, 80, 48, 10, N, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N},
    {"BUTTON2", Button, u"<<前月", 8, 56, 80, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON3", Button, u"翌月>>", 152, 56, 80, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON4", Button, u"終了", 248, 8, 64, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON5", Button, u"クリア", 120, 8, 64, 48, 8, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON10", Button, u"誕生日データ", 8, 8, 112, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"EDIT26", Field, u"", 368, 8, 152, 24, 10, N, N, kBlue, kWhite, L, Sunk, N, 20, ImOn, N, N, Y},
    {"BUTTON11", Button, u"ヘルプ", 184, 8, 64, 48, 9, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT14", Label, u"氏名", 312, 16, 48, 16, 9, N, N, kBlue, kSilver, R, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON12", Button, u"今月", 88, 56, 64, 48, 9, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON13", Button, u"C", 536, 8, 24, 24, 9, Y, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N},
    {"BUTTON14", Button, u"C", 600, 56, 24, 24, 9, Y, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N},
};
// clang-format on

} // namespace main_design

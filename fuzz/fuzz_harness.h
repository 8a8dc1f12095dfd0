// SPDX-License-Identifier: MIT
#pragma once

// What the fuzz targets run on one input, shared with the regression test that
// replays the seed corpora and every input a fuzzer has found.
//
// Both return false when a property that must hold whatever the input is broken;
// crashes and undefined behaviour are left to the sanitizers.

#include <QByteArrayView>

namespace fuzz {

/// The roster reader on raw bytes: ten entries or a reason (Short, Malformed); what
/// it yields saves to bytes that read back and save to the same bytes again.
bool checkRosterBytes(QByteArrayView bytes);

/// The main window's input on one chart command:
///   byte 0  the birth era buttons 西暦, 平成, 昭和, 大正, 令和 checked by bits 0–4 (the
///           first checked counts, 西暦 when none is); bits 5–7 unused
///   byte 1  the same for the displayed month's era
///   byte 2  the step, 1 + value mod 3: 1 as entered, 2 previous month, 3 next month
///   bytes 3–4  today, as days after 1900-01-01 (little-endian)
///   rest    birth year, month and day, displayed year and month, and name as UTF-8,
///           separated by CR (no field can hold one: typing, pasting and the roster
///           file all end a text there)
/// clears the chart area as start-up does, then checks as 表示, <<前月 or 翌月>> does
/// and, when the input is accepted, draws the chart onto a surface the size of the
/// main window. Needs a QGuiApplication.
bool checkInputRedraw(QByteArrayView bytes);

/// The text fields' filter on one change of a field:
///   byte 0  bit 0: the change is the tab that Ctrl+Tab types
///   byte 1  where the rest splits into the text before and the text brought in
///   byte 2  where in the text before the change happens
///   byte 3  how many characters there it replaces
///   rest    one character per byte: below 0xa0 that code (ASCII, C0 and C1 controls),
///           above it a full-width character or a surrogate half
/// Nothing without a control character is refused, and nothing taken brings one in,
/// not even in place of another.
bool checkFieldChange(QByteArrayView bytes);

} // namespace fuzz

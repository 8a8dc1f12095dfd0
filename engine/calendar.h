// SPDX-License-Identifier: MIT
#pragma once

// Calendar arithmetic. Every value is a single-precision float, as the program keeps
// all its numbers; each stored intermediate is rounded to float.

#include "engine/era.h"

#include <string>
#include <string_view>

namespace engine {

struct Date
{
    float year = 0;
    float month = 0;
    float day = 0;
};

/// The era functions take era codes of either group (see birthEraCode, shownEraCode).
/// Offset added to an era year: 0, 1988, 1925, 1911, 2018.
float eraOffset(int eraCode);
/// Whether an era year lies in the accepted range: 西暦 and 平成 Y ≥ 1, 昭和 1–63,
/// 大正 1–15, 令和 1–45.
bool eraYearAccepted(int eraCode, float eraYear);
/// The era's last accepted year: 63 for 昭和, 15 for 大正, 45 for 令和; 0 where it has none.
float eraLastYear(int eraCode);
/// (Y − 1) + first Western year of the era; 平成 1 → 1989.
float westernYear(int eraCode, float eraYear);

bool isLeapYear(float year);
/// 28–31; any month number outside 1–12 gives 30.
float monthLength(float year, float month);

/// Days counted so that 1 January of year 1 is day 1.
float dayIndex(float year, float month, float day);
/// Day index of day 1 of the month, minus 1.
float monthStart(float year, float month);
/// Days since birth of day `day` of the month whose monthStart() is given:
/// (monthStartIndex + day) − birthIndex. Born 2000-01-01, day 1 of March 2000 → 60.
float daysSinceBirth(float birthIndex, float monthStartIndex, float day);
/// Serial day number (arbitrary origin); only differences are meaningful.
float serialDay(float year, float month, float day);

/// "%04u/%02u/%02u" text → date, from characters 1–4, 6–7 and 9–10.
Date dateFromText(std::string_view todayText);
/// Decimal value of the text as the fields read it: leading spaces skipped, an
/// optional sign, digits and one decimal point; text that does not start with a
/// number gives 0.
float parseNumber(std::string_view text);
/// Shortest decimal text of a value, without leading spaces or exponent:
/// 2024 → "2024", 3.5 → "3.5".
std::string numberText(float value);

/// The year and month in which the date table counts its weekdays, read from the
/// displayed month's fields as they stand: the year's number plus the offset of the
/// display era, and the month's number. "6" in 令和, "1" → 2024, 1.
struct TableMonth
{
    float year = 0;
    float month = 0;
};
TableMonth tableMonth(std::string_view yearText, std::string_view monthText, Era era);

/// The weekday of each day of the date table, counted once per day, in day order,
/// after reset().
class WeekdayState
{
public:
    void reset() { m_dayCounter = 0; }

    /// Counts the next day of the month and works out its weekday.
    void nextWeekday(const TableMonth &month);

    float year() const { return m_year; }
    float month() const { return m_month; }
    float day() const { return m_dayCounter; }
    int number() const { return m_number; }
    std::string_view name() const { return m_name; }

private:
    void countDay(const TableMonth &month);
    void computeNumber();
    void lookUpName();

    float m_year = 0;
    float m_month = 0;
    float m_dayCounter = 0;
    float m_serial = 0;
    int m_number = 0;
    std::string_view m_name;
};

/// Weekday number 0–6 (0 Monday) → name "月" … "日" (UTF-8); empty outside 0–6.
std::string_view weekdayName(int number);

} // namespace engine

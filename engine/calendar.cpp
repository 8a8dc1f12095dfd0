// SPDX-License-Identifier: MIT
#include "engine/calendar.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace engine {

namespace {

// Lengths of the months before month i (item i, counted from 1; item 1 is 0).
// December's length is never needed, so it is not in the lists.
constexpr std::array<float, 12> kLeapOffsets {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30};
constexpr std::array<float, 12> kCommonOffsets {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30};

constexpr std::array<std::string_view, 7> kWeekdayNames {"月", "火", "水", "木", "金", "土", "日"};

std::size_t eraIndex(int eraCode)
{
    return static_cast<std::size_t>(eraOfCode(eraCode));
}

constexpr std::array<float, kEraCount> kEraOffsets {0.0f, 1988.0f, 1925.0f, 1911.0f, 2018.0f};
constexpr std::array<float, kEraCount> kEraFirstYears {0.0f, 1989.0f, 1926.0f, 1912.0f, 2019.0f};
constexpr std::array<float, kEraCount> kEraLastYears {
    0.0f, 0.0f, 63.0f, 15.0f, 45.0f}; // 0: unbounded

// Sum of items 1 to M of the chosen list, taken by a counting loop as the lists are
// read item by item; a fractional M stops at the largest whole counter not above it.
// Counters past the twelfth item find nothing to read (months are checked before).
float monthOffsetSum(float year, float month)
{
    const auto &items = isLeapYear(year) ? kLeapOffsets : kCommonOffsets;
    float sum = 0.0f;
    for (float counter = 1.0f; counter <= month && counter <= 12.0f; counter = counter + 1.0f)
        sum = sum + items[static_cast<std::size_t>(counter) - 1];
    return sum;
}

// Days before 1 January of the year, as (Y′ − L) × 365 + L × 366.
float yearBase(float year)
{
    const float priorYears = year - 1.0f;
    const float q4 = std::trunc(priorYears / 4.0f);
    const float q100 = std::trunc(priorYears / 100.0f);
    const float q400 = std::trunc(priorYears / 400.0f);
    const float l1 = q4 - q100;
    const float leaps = l1 + q400;
    const float commonYears = priorYears - leaps;
    const float commonDays = commonYears * 365.0f;
    const float leapDays = leaps * 366.0f;
    return commonDays + leapDays;
}

} // namespace

float eraOffset(int eraCode)
{
    return kEraOffsets[eraIndex(eraCode)];
}

bool eraYearAccepted(int eraCode, float eraYear)
{
    if (!(eraYear >= 1.0f))
        return false;
    const float last = eraLastYear(eraCode);
    return last == 0.0f || eraYear <= last;
}

float eraLastYear(int eraCode)
{
    return kEraLastYears[eraIndex(eraCode)];
}

float westernYear(int eraCode, float eraYear)
{
    const std::size_t era = eraIndex(eraCode);
    if (era == 0)
        return eraYear;
    const float before = eraYear - 1.0f;
    return before + kEraFirstYears[era];
}

bool isLeapYear(float year)
{
    const float q4 = year / 4.0f;
    if (q4 != std::trunc(q4))
        return false;
    const float q100 = year / 100.0f;
    if (q100 != std::trunc(q100))
        return true;
    const float q400 = year / 400.0f;
    return q400 == std::trunc(q400);
}

float monthLength(float year, float month)
{
    if (month == 2.0f)
        return isLeapYear(year) ? 29.0f : 28.0f;
    if (month == 1.0f || month == 3.0f || month == 5.0f || month == 7.0f || month == 8.0f
        || month == 10.0f || month == 12.0f)
        return 31.0f;
    return 30.0f;
}

float dayIndex(float year, float month, float day)
{
    const float start = monthStart(year, month);
    return start + day;
}

float monthStart(float year, float month)
{
    const float base = yearBase(year);
    const float sum = monthOffsetSum(year, month);
    return base + sum;
}

float daysSinceBirth(float birthIndex, float monthStartIndex, float day)
{
    const float index = monthStartIndex + day;
    return index - birthIndex;
}

float serialDay(float year, float month, float day)
{
    float y = year;
    float m = month;
    if (m < 3.0f) {
        m = m + 12.0f;
        y = y - 1.0f;
    }
    y = y - 1600.0f;
    const float days = 365.0f * y;
    const float q4 = std::floor(y / 4.0f);
    const float q100 = std::floor(y / 100.0f);
    const float q400 = std::floor(y / 400.0f);
    float n = days + q4;
    n = n - q100;
    n = n + q400;
    const float m1 = m + 1.0f;
    const float monthDays = std::floor(30.6f * m1);
    n = n + monthDays;
    n = n + day;
    return n - 1.0f;
}

Date dateFromText(std::string_view todayText)
{
    auto part = [todayText](std::size_t from, std::size_t count) {
        return from < todayText.size() ? todayText.substr(from, count) : std::string_view();
    };
    return Date {parseNumber(part(0, 4)), parseNumber(part(5, 2)), parseNumber(part(8, 2))};
}

float parseNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // The number is the longest run of digits with at most one decimal point.
    const std::size_t start = pos;
    bool point = false;
    bool digits = false;
    for (; pos < text.size(); ++pos) {
        const char ch = text[pos];
        if (ch >= '0' && ch <= '9') {
            digits = true;
        } else if (ch == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0f;
    const std::string_view number = text.substr(start, pos - start);
    float value = 0.0f;
    // from_chars rounds correctly and ignores the locale the application may have set.
    const auto result = std::from_chars(
        number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Only a whole part with a non-zero digit can be too large; anything else is tiny.
        const std::string_view whole = number.substr(0, number.find('.'));
        value = whole.find_first_not_of('0') != std::string_view::npos ? HUGE_VALF : 0.0f;
    }
    return negative ? -value : value;
}

std::string numberText(float value)
{
    std::array<char, 64> buffer {};
    const float v = value + 0.0f; // no "-0"
    const auto result
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed);
    if (result.ec != std::errc())
        return std::string();
    return std::string(buffer.data(), result.ptr);
}

TableMonth tableMonth(std::string_view yearText, std::string_view monthText, Era era)
{
    TableMonth month;
    float year = parseNumber(yearText);
    const float offset = eraOffset(shownEraCode(era));
    year = year + offset;
    month.year = year;
    month.month = parseNumber(monthText);
    return month;
}

void WeekdayState::nextWeekday(const TableMonth &month)
{
    countDay(month);
    computeNumber();
    lookUpName();
}

void WeekdayState::countDay(const TableMonth &month)
{
    m_year = month.year;
    m_month = month.month;
    m_dayCounter = m_dayCounter + 1.0f;
}

void WeekdayState::computeNumber()
{
    float y = m_year;
    float m = m_month;
    if (m < 3.0f) {
        y = y - 1.0f;
        m = m + 13.0f;
    } else {
        m = m + 1.0f;
    }
    const float yearDays = std::floor(365.25f * y);
    const float monthDays = std::floor(30.6f * m);
    const float q400 = std::floor(y / 400.0f);
    const float q100 = std::floor(y / 100.0f);
    float n = yearDays + monthDays;
    n = n + q400;
    n = n + m_dayCounter;
    n = n - q100;
    n = n - 429.0f;
    m_serial = n;
    const float weeks = std::floor(n / 7.0f);
    const float whole = weeks * 7.0f;
    const float number = n - whole;
    // Only nonsense field texts (infinite years) can leave 0–6; keep the cast defined.
    m_number = number >= 0.0f && number <= 6.0f ? static_cast<int>(number) : 0;
}

void WeekdayState::lookUpName()
{
    m_name = weekdayName(m_number);
}

std::string_view weekdayName(int number)
{
    if (number < 0 || number > 6)
        return {};
    return kWeekdayNames[static_cast<std::size_t>(number)];
}

} // namespace engine

// SPDX-License-Identifier: MIT
#include "engine/calendar.h"
#include "test_helpers.h"

#include <QString>
#include <QTest>
#include <chrono>
#include <cmath>
#include <string>

using namespace Qt::StringLiterals;
using namespace engine;

Q_DECLARE_METATYPE(engine::Date)
Q_DECLARE_METATYPE(engine::Era)

namespace {

// Days from 1 January 1970 by the standard library's proleptic Gregorian calendar.
long civilDays(int y, unsigned m, unsigned d)
{
    using namespace std::chrono;
    return sys_days(year_month_day(year(y), month(m), day(d))).time_since_epoch().count();
}

// Monday = 0 … Sunday = 6, as the weekday list counts.
int civilWeekday(int y, unsigned m, unsigned d)
{
    using namespace std::chrono;
    const weekday wd {sys_days {year_month_day {year {y}, month {m}, day {d}}}};
    return static_cast<int>((wd.c_encoding() + 6) % 7);
}

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void leapYear_data();
    void leapYear();
    void monthLengths_data();
    void monthLengths();
    void eraYears_data();
    void eraYears();
    void eraRanges_data();
    void eraRanges();
    void dayCountsAgree_data();
    void dayCountsAgree();
    void dayIndexMatchesCivilCalendar();
    void dayIndexOfFractionalMonth();
    void daysSinceBirth_data();
    void daysSinceBirth();
    void parseNumber_data();
    void parseNumber();
    void numberText_data();
    void numberText();
    void dateFromText();
    void weekdaysOfJanuary2024();
    void firstWeekday_data();
    void firstWeekday();
    void weekdaysMatchCivilCalendar();
};

void TestCalendar::leapYear_data()
{
    QTest::addColumn<float>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("1900 common") << 1900.0f << false;
    QTest::newRow("2100 common") << 2100.0f << false;
    QTest::newRow("2000 leap") << 2000.0f << true;
    QTest::newRow("2024 leap") << 2024.0f << true;
    QTest::newRow("2023 common") << 2023.0f << false;
    QTest::newRow("year 4 leap") << 4.0f << true;
    QTest::newRow("1600 leap, before 1582 too") << 1600.0f << true;
    QTest::newRow("1500 common, Gregorian rule") << 1500.0f << false;
    QTest::newRow("fractional year") << 2024.5f << false;
}

void TestCalendar::leapYear()
{
    QFETCH(float, year);
    QFETCH(bool, leap);
    QCOMPARE(isLeapYear(year), leap);
}

void TestCalendar::monthLengths_data()
{
    QTest::addColumn<float>("year");
    QTest::addColumn<float>("month");
    QTest::addColumn<float>("length");
    QTest::newRow("February 1900") << 1900.0f << 2.0f << 28.0f;
    QTest::newRow("February 2000") << 2000.0f << 2.0f << 29.0f;
    QTest::newRow("February 2023") << 2023.0f << 2.0f << 28.0f;
    QTest::newRow("January") << 2023.0f << 1.0f << 31.0f;
    QTest::newRow("April") << 2023.0f << 4.0f << 30.0f;
    QTest::newRow("August") << 2023.0f << 8.0f << 31.0f;
    QTest::newRow("November") << 2023.0f << 11.0f << 30.0f;
    QTest::newRow("December") << 2023.0f << 12.0f << 31.0f;
    QTest::newRow("month 0") << 2023.0f << 0.0f << 30.0f;
    QTest::newRow("month 13") << 2023.0f << 13.0f << 30.0f;
    QTest::newRow("month 2.5") << 2023.0f << 2.5f << 30.0f;
}

void TestCalendar::monthLengths()
{
    QFETCH(float, year);
    QFETCH(float, month);
    QFETCH(float, length);
    QCOMPARE_EXACT(monthLength(year, month), length);
}

void TestCalendar::eraYears_data()
{
    QTest::addColumn<int>("era");
    QTest::addColumn<float>("eraYear");
    QTest::addColumn<float>("western");
    QTest::addColumn<float>("offset");
    QTest::newRow("西暦 2024") << 1 << 2024.0f << 2024.0f << 0.0f;
    QTest::newRow("平成 1") << 2 << 1.0f << 1989.0f << 1988.0f;
    QTest::newRow("昭和 1") << 3 << 1.0f << 1926.0f << 1925.0f;
    QTest::newRow("大正 1") << 4 << 1.0f << 1912.0f << 1911.0f;
    QTest::newRow("令和 1") << 5 << 1.0f << 2019.0f << 2018.0f;
    QTest::newRow("displayed 西暦") << 6 << 1999.0f << 1999.0f << 0.0f;
    QTest::newRow("displayed 平成 36") << 7 << 36.0f << 2024.0f << 1988.0f;
    QTest::newRow("displayed 令和 6") << 10 << 6.0f << 2024.0f << 2018.0f;
}

void TestCalendar::eraYears()
{
    QFETCH(int, era);
    QFETCH(float, eraYear);
    QFETCH(float, western);
    QFETCH(float, offset);
    QCOMPARE_EXACT(westernYear(era, eraYear), western);
    QCOMPARE_EXACT(eraOffset(era), offset);
}

void TestCalendar::eraRanges_data()
{
    QTest::addColumn<int>("era");
    QTest::addColumn<float>("eraYear");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("西暦 0") << 1 << 0.0f << false;
    QTest::newRow("西暦 0.5") << 1 << 0.5f << false;
    QTest::newRow("西暦 1") << 1 << 1.0f << true;
    QTest::newRow("平成 0") << 2 << 0.0f << false;
    QTest::newRow("平成 99999, no upper bound") << 2 << 99999.0f << true;
    QTest::newRow("昭和 63") << 3 << 63.0f << true;
    QTest::newRow("昭和 64") << 3 << 64.0f << false;
    QTest::newRow("大正 15") << 4 << 15.0f << true;
    QTest::newRow("大正 16") << 4 << 16.0f << false;
    QTest::newRow("令和 45") << 5 << 45.0f << true;
    QTest::newRow("令和 46") << 5 << 46.0f << false;
    QTest::newRow("displayed 昭和 64") << 8 << 64.0f << false;
    QTest::newRow("displayed 令和 46") << 10 << 46.0f << false;
    QTest::newRow("negative") << 1 << -5.0f << false;
}

void TestCalendar::eraRanges()
{
    QFETCH(int, era);
    QFETCH(float, eraYear);
    QFETCH(bool, accepted);
    QCOMPARE(eraYearAccepted(era, eraYear), accepted);
}

void TestCalendar::dayCountsAgree_data()
{
    QTest::addColumn<Date>("from");
    QTest::addColumn<Date>("to");
    QTest::addColumn<float>("days");
    QTest::newRow("28 Feb → 1 Mar 2000") << Date {2000, 2, 28} << Date {2000, 3, 1} << 2.0f;
    QTest::newRow("28 Feb → 1 Mar 1900") << Date {1900, 2, 28} << Date {1900, 3, 1} << 1.0f;
    QTest::newRow("31 Dec 1999 → 1 Jan 2000") << Date {1999, 12, 31} << Date {2000, 1, 1} << 1.0f;
    QTest::newRow("31 Jan → 1 Feb") << Date {2024, 1, 31} << Date {2024, 2, 1} << 1.0f;
    QTest::newRow("a leap year") << Date {2024, 1, 1} << Date {2025, 1, 1} << 366.0f;
    QTest::newRow("a common year") << Date {2023, 1, 1} << Date {2024, 1, 1} << 365.0f;
    QTest::newRow("1028 years") << Date {1000, 1, 1} << Date {2028, 1, 1} << 375469.0f;
}

void TestCalendar::dayCountsAgree()
{
    QFETCH(Date, from);
    QFETCH(Date, to);
    QFETCH(float, days);
    QCOMPARE_EXACT(
        dayIndex(to.year, to.month, to.day) - dayIndex(from.year, from.month, from.day), days);
    QCOMPARE_EXACT(
        serialDay(to.year, to.month, to.day) - serialDay(from.year, from.month, from.day), days);
}

void TestCalendar::dayIndexMatchesCivilCalendar()
{
    QCOMPARE_EXACT(dayIndex(1, 1, 1), 1.0f);
    const float origin = dayIndex(1970, 1, 1);
    const float serialOrigin = serialDay(1970, 1, 1);
    for (int y : {1, 2, 99, 100, 101, 399, 400, 401, 1582, 1899, 1900, 1999, 2000, 2024, 9999}) {
        for (unsigned m = 1; m <= 12; ++m) {
            const auto length = static_cast<unsigned>(monthLength(float(y), float(m)));
            QCOMPARE_EXACT(monthStart(float(y), float(m)) + 1.0f, dayIndex(float(y), float(m), 1));
            for (unsigned d = 1; d <= length; ++d) {
                const auto expected = static_cast<float>(civilDays(y, m, d));
                QCOMPARE_EXACT(dayIndex(float(y), float(m), float(d)) - origin, expected);
                QCOMPARE_EXACT(serialDay(float(y), float(m), float(d)) - serialOrigin, expected);
            }
            // The month length agrees with the civil calendar as well.
            QVERIFY(!std::chrono::year_month_day(
                std::chrono::year(y), std::chrono::month(m), std::chrono::day(length + 1))
                         .ok());
        }
    }
}

void TestCalendar::dayIndexOfFractionalMonth()
{
    // The counting loop stops at the largest whole counter not above the month.
    QCOMPARE_EXACT(dayIndex(2000, 2.5f, 1), dayIndex(2000, 2, 1));
    QCOMPARE_EXACT(monthStart(2000, 0.0f), monthStart(2000, 1));
}

void TestCalendar::daysSinceBirth_data()
{
    QTest::addColumn<Date>("birth");
    QTest::addColumn<Date>("shown");
    QTest::addColumn<float>("days");
    QTest::newRow("the birth date") << Date {2000, 1, 1} << Date {2000, 1, 1} << 0.0f;
    QTest::newRow("born on the 15th, day 1") << Date {2000, 5, 15} << Date {2000, 5, 1} << -14.0f;
    QTest::newRow("born 2000-01-01, 1 March") << Date {2000, 1, 1} << Date {2000, 3, 1} << 60.0f;
}

void TestCalendar::daysSinceBirth()
{
    QFETCH(Date, birth);
    QFETCH(Date, shown);
    QFETCH(float, days);
    const float birthIndex = dayIndex(birth.year, birth.month, birth.day);
    QCOMPARE_EXACT(
        engine::daysSinceBirth(birthIndex, monthStart(shown.year, shown.month), shown.day), days);
}

void TestCalendar::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("value");
    QTest::newRow("whole") << u"2024"_s << 2024.0f;
    QTest::newRow("leading spaces") << u"   12"_s << 12.0f;
    QTest::newRow("minus") << u"-3"_s << -3.0f;
    QTest::newRow("plus") << u"+4"_s << 4.0f;
    QTest::newRow("fraction") << u"2.5"_s << 2.5f;
    QTest::newRow("single precision of 0.1") << u"0.1"_s << 0.1f;
    QTest::newRow("leading point") << u".5"_s << 0.5f;
    QTest::newRow("second point ends it") << u"1.5.3"_s << 1.5f;
    QTest::newRow("trailing text") << u"12abc"_s << 12.0f;
    QTest::newRow("no exponent") << u"1e5"_s << 1.0f;
    QTest::newRow("leading zero") << u"04"_s << 4.0f;
    QTest::newRow("empty") << QString() << 0.0f;
    QTest::newRow("letters") << u"abc"_s << 0.0f;
    QTest::newRow("point only") << u"."_s << 0.0f;
    QTest::newRow("sign only") << u"-"_s << 0.0f;
    QTest::newRow("space after sign") << u"- 3"_s << 0.0f;
    QTest::newRow("full-width digits") << u"１２"_s << 0.0f;
    QTest::newRow("era name") << u"平成"_s << 0.0f;
    QTest::newRow("too large") << u"9999999999999999999999999999999999999999"_s << HUGE_VALF;
    QTest::newRow("too small") << u"0.00000000000000000000000000000000000000000000001"_s << 0.0f;
}

void TestCalendar::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(float, value);
    QCOMPARE_EXACT(engine::parseNumber(text.toStdString()), value);
}

void TestCalendar::numberText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("year") << 2024.0f << u"2024"_s;
    QTest::newRow("month") << 12.0f << u"12"_s;
    QTest::newRow("fraction") << 3.5f << u"3.5"_s;
    QTest::newRow("shortest") << 0.1f << u"0.1"_s;
    QTest::newRow("no exponent") << 100000.0f << u"100000"_s;
    QTest::newRow("negative") << -1.0f << u"-1"_s;
    QTest::newRow("negative zero") << -0.0f << u"0"_s;
}

void TestCalendar::numberText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(engine::numberText(value)), text);
}

void TestCalendar::dateFromText()
{
    const Date today = engine::dateFromText("2024/03/07");
    QCOMPARE_EXACT(today.year, 2024.0f);
    QCOMPARE_EXACT(today.month, 3.0f);
    QCOMPARE_EXACT(today.day, 7.0f);
    const Date shortText = engine::dateFromText("2024/1");
    QCOMPARE_EXACT(shortText.month, 1.0f);
    QCOMPARE_EXACT(shortText.day, 0.0f);
}

void TestCalendar::weekdaysOfJanuary2024()
{
    const TableMonth january = tableMonth("2024", "1", Era::Western);
    const QStringList names {u"月"_s, u"火"_s, u"水"_s, u"木"_s, u"金"_s, u"土"_s, u"日"_s};
    WeekdayState state;
    state.reset();
    for (int day = 1; day <= 31; ++day) {
        state.nextWeekday(january);
        QCOMPARE_EXACT(state.day(), float(day));
        QCOMPARE_EXACT(state.year(), 2024.0f);
        QCOMPARE(state.number(), (day - 1) % 7);
        QCOMPARE(utf8(state.name()), names[(day - 1) % 7]);
    }
}

void TestCalendar::firstWeekday_data()
{
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<Era>("era");
    QTest::addColumn<QString>("monthText");
    QTest::addColumn<QString>("name");
    QTest::newRow("西暦 January 2024") << u"2024"_s << Era::Western << u"1"_s << u"月"_s;
    QTest::newRow("令和 6 January") << u"6"_s << Era::Reiwa << u"1"_s << u"月"_s;
    QTest::newRow("平成 36 May") << u"36"_s << Era::Heisei << u"5"_s << u"水"_s;
    QTest::newRow("昭和 64 January") << u"64"_s << Era::Showa << u"1"_s << u"日"_s;
    QTest::newRow("大正 1 August") << u"1"_s << Era::Taisho << u"8"_s << u"木"_s;
    QTest::newRow("June 2024") << u"2024"_s << Era::Western << u"6"_s << u"土"_s;
    QTest::newRow("year 1") << u"1"_s << Era::Western << u"1"_s << u"月"_s;
}

void TestCalendar::firstWeekday()
{
    QFETCH(QString, yearText);
    QFETCH(Era, era);
    QFETCH(QString, monthText);
    QFETCH(QString, name);
    WeekdayState state;
    state.reset();
    state.nextWeekday(tableMonth(yearText.toStdString(), monthText.toStdString(), era));
    QCOMPARE(utf8(state.name()), name);
}

void TestCalendar::weekdaysMatchCivilCalendar()
{
    for (int y : {1, 100, 1582, 1900, 1999, 2000, 2023, 2100, 9999}) {
        for (unsigned m = 1; m <= 12; ++m) {
            const TableMonth month = tableMonth(std::to_string(y), std::to_string(m), Era::Western);
            WeekdayState state;
            state.reset();
            const auto length = static_cast<unsigned>(monthLength(float(y), float(m)));
            for (unsigned d = 1; d <= length; ++d) {
                state.nextWeekday(month);
                QCOMPARE(state.number(), civilWeekday(y, m, d));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestCalendar)
#include "tst_calendar.moc"

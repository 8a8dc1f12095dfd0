// SPDX-License-Identifier: MIT
// What the fields' texts become: the checks' input, the month shown after a step or
// by 今月, a pick from the roster, and the chart's snapshot.

#include "chart/chart_input.h"

#include <QTest>

using namespace Qt::StringLiterals;
using engine::Era;

Q_DECLARE_METATYPE(engine::Era)

class TestChartInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void monthOfDate_data();
    void monthOfDate();
    void steppedMonth_data();
    void steppedMonth();
    void formInput();
    void pickedPerson();
    void snapshot_data();
    void snapshot();
};

void TestChartInput::monthOfDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("todayText");
    QTest::newRow("March") << QDate(2026, 3, 5) << u"2026"_s << u"3"_s << u"2026/03/05"_s;
    QTest::newRow("December") << QDate(2025, 12, 31) << u"2025"_s << u"12"_s << u"2025/12/31"_s;
    QTest::newRow("three-digit year") << QDate(999, 1, 2) << u"0999"_s << u"1"_s << u"0999/01/02"_s;
}

void TestChartInput::monthOfDate()
{
    QFETCH(QDate, date);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, todayText);
    chart::FieldTexts texts;
    texts.shownEra = Era::Heisei;
    texts.showMonthOf(date);
    QCOMPARE(texts.shownYear, year);
    QCOMPARE(texts.shownMonth, month);
    QCOMPARE(texts.shownEra, Era::Western);
    QCOMPARE(chart::chartInput({}, texts, chart::engineDate(date)).todayText(), todayText);
}

void TestChartInput::steppedMonth_data()
{
    QTest::addColumn<float>("year");
    QTest::addColumn<float>("month");
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<QString>("monthText");
    QTest::newRow("January") << 2025.0f << 1.0f << u"2025"_s << u"1"_s;
    QTest::newRow("a fraction") << 2024.0f << 13.5f << u"2024"_s << u"13.5"_s;
    QTest::newRow("year 1") << 1.0f << 12.0f << u"1"_s << u"12"_s;
}

void TestChartInput::steppedMonth()
{
    QFETCH(float, year);
    QFETCH(float, month);
    QFETCH(QString, yearText);
    QFETCH(QString, monthText);
    chart::FieldTexts texts;
    texts.birthYear = u"8"_s;
    texts.birthEra = Era::Heisei;
    texts.shownEra = Era::Reiwa;
    engine::CheckedInput stepped;
    stepped.shownYear = year;
    stepped.shownMonth = month;
    texts.showSteppedMonth(stepped);
    QCOMPARE(texts.shownYear, yearText);
    QCOMPARE(texts.shownMonth, monthText);
    QCOMPARE(texts.shownEra, Era::Western);
    // The birth date stays as it is.
    QCOMPARE(texts.birthYear, u"8"_s);
    QCOMPARE(texts.birthEra, Era::Heisei);
}

void TestChartInput::formInput()
{
    chart::FieldTexts texts;
    texts.birthYear = u"６３"_s;
    texts.birthMonth = u"4"_s;
    texts.birthDay = u" 1"_s;
    texts.birthEra = Era::Showa;
    texts.shownYear = u"6"_s;
    texts.shownMonth = u"12"_s;
    texts.shownEra = Era::Reiwa;
    texts.name = u"太郎"_s;
    const engine::FormInput input = texts.formInput();
    QCOMPARE(input.birthYear, std::string("\xef\xbc\x96\xef\xbc\x93")); // UTF-8 of "６３"
    QCOMPARE(input.birthMonth, std::string("4"));
    QCOMPARE(input.birthDay, std::string(" 1"));
    QCOMPARE(input.birthEra, Era::Showa);
    QCOMPARE(input.shownYear, std::string("6"));
    QCOMPARE(input.shownMonth, std::string("12"));
    QCOMPARE(input.shownEra, Era::Reiwa);
}

void TestChartInput::pickedPerson()
{
    const chart::FieldTexts texts
        = chart::pickedPerson(u"花子"_s, u"1985"_s, u"04"_s, u"7"_s, QDate(2026, 2, 20));
    QCOMPARE(texts.name, u"花子"_s);
    QCOMPARE(texts.birthYear, u"1985"_s);
    QCOMPARE(texts.birthMonth, u"04"_s);
    QCOMPARE(texts.birthDay, u"7"_s);
    QCOMPARE(texts.birthEra, Era::Western);
    QCOMPARE(texts.shownYear, u"2026"_s);
    QCOMPARE(texts.shownMonth, u"2"_s);
    QCOMPARE(texts.shownEra, Era::Western);
}

void TestChartInput::snapshot_data()
{
    QTest::addColumn<QString>("shownYear");
    QTest::addColumn<Era>("shownEra");
    QTest::addColumn<QString>("birthYear");
    QTest::addColumn<float>("tableYear");
    QTest::addColumn<bool>("birthYearEntered");
    QTest::newRow("Western") << u"2024"_s << Era::Western << u"1985"_s << 2024.0f << true;
    QTest::newRow("平成 36") << u"36"_s << Era::Heisei << u"1985"_s << 2024.0f << true;
    QTest::newRow("令和 6") << u"6"_s << Era::Reiwa << u"0"_s << 2024.0f << true;
    QTest::newRow("no birth year") << u"2024"_s << Era::Western << QString() << 2024.0f << false;
}

void TestChartInput::snapshot()
{
    QFETCH(QString, shownYear);
    QFETCH(Era, shownEra);
    QFETCH(QString, birthYear);
    QFETCH(float, tableYear);
    QFETCH(bool, birthYearEntered);
    chart::FieldTexts texts;
    texts.birthYear = birthYear;
    texts.birthMonth = u"04"_s;
    texts.birthDay = u" 9"_s;
    texts.shownYear = shownYear;
    texts.shownMonth = u"05"_s;
    texts.shownEra = shownEra;
    texts.name = u"太郎"_s;
    engine::CheckedInput checked;
    checked.birthYear = 1985;
    const chart::ChartInput input
        = chart::chartInput(checked, texts, chart::engineDate(QDate(2024, 5, 9)));
    QCOMPARE(input.checked.birthYear, 1985.0f);
    QCOMPARE(input.tableMonth.year, tableYear);
    QCOMPARE(input.tableMonth.month, 5.0f);
    QCOMPARE(input.birthYearEntered, birthYearEntered);
    QCOMPARE(input.birthMonth, 4.0f);
    QCOMPARE(input.birthDay, 9.0f);
    QCOMPARE(input.name, u"太郎"_s);
    QCOMPARE(input.today.year, 2024.0f);
    QCOMPARE(input.today.month, 5.0f);
    QCOMPARE(input.today.day, 9.0f);
}

QTEST_APPLESS_MAIN(TestChartInput)
#include "tst_chart_input.moc"

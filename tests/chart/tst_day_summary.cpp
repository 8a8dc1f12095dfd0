// SPDX-License-Identifier: MIT
// The day-count sentence and the birthday greeting.

#include "chart/day_summary.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDaySummary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void counts_data();
    void counts();
    void dayCount_data();
    void dayCount();
    void greeting_data();
    void greeting();
    void greetingText();
};

void TestDaySummary::counts_data()
{
    QTest::addColumn<float>("count");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("0") << 0.0f << u"誕生日から今日(2026/12/08)まで 0日です。"_s;
    QTest::newRow("999") << 999.0f << u"誕生日から今日(2026/12/08)まで 999日です。"_s;
    QTest::newRow("1000") << 1000.0f << u"誕生日から今日(2026/12/08)まで 1,000日です。"_s;
    QTest::newRow("1234") << 1234.0f << u"誕生日から今日(2026/12/08)まで 1,234日です。"_s;
    QTest::newRow("12345") << 12345.0f << u"誕生日から今日(2026/12/08)まで 12,345日です。"_s;
    QTest::newRow("123456") << 123456.0f << u"誕生日から今日(2026/12/08)まで 123,456日です。"_s;
    // Only one separator is ever inserted.
    QTest::newRow("740000") << 740000.0f << u"誕生日から今日(2026/12/08)まで 740,000日です。"_s;
    QTest::newRow("1234567") << 1234567.0f << u"誕生日から今日(2026/12/08)まで 1234,567日です。"_s;
}

void TestDaySummary::counts()
{
    QFETCH(float, count);
    QFETCH(QString, sentence);
    QCOMPARE(chart::summaryText(count, u"2026/12/08"_s), sentence);
}

void TestDaySummary::dayCount_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<float>("count");
    QTest::newRow("born today") << QDate(2026, 12, 8) << QDate(2026, 12, 8) << 0.0f;
    QTest::newRow("born tomorrow") << QDate(2026, 12, 9) << QDate(2026, 12, 8) << 0.0f;
    QTest::newRow("year end") << QDate(1999, 12, 31) << QDate(2000, 1, 1) << 1.0f;
    QTest::newRow("leap day") << QDate(2000, 2, 28) << QDate(2000, 3, 1) << 2.0f;
    QTest::newRow("1985") << QDate(1985, 4, 12) << QDate(2026, 12, 8) << 15215.0f;
    QTest::newRow("year 1") << QDate(1, 1, 1) << QDate(2026, 12, 8) << 739957.0f;
}

void TestDaySummary::dayCount()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, today);
    QFETCH(float, count);
    QCOMPARE(chart::dayCount(chart::engineDate(birth), chart::engineDate(today)), count);
}

void TestDaySummary::greeting_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("due");
    QTest::newRow("birthday another year")
        << u"1985"_s << u"12"_s << u"8"_s << QDate(2026, 12, 8) << true;
    QTest::newRow("day before") << u"1985"_s << u"12"_s << u"9"_s << QDate(2026, 12, 8) << false;
    QTest::newRow("other month") << u"1985"_s << u"11"_s << u"8"_s << QDate(2026, 12, 8) << false;
    QTest::newRow("leading zero") << u"1985"_s << u"04"_s << u"01"_s << QDate(2026, 4, 1) << true;
    QTest::newRow("empty year") << u""_s << u"12"_s << u"8"_s << QDate(2026, 12, 8) << false;
    QTest::newRow("29 Feb in a leap year")
        << u"2000"_s << u"2"_s << u"29"_s << QDate(2028, 2, 29) << true;
    QTest::newRow("29 Feb not in a common year")
        << u"2000"_s << u"2"_s << u"29"_s << QDate(2027, 2, 28) << false;
    QTest::newRow("29 Feb not on 1 March")
        << u"2000"_s << u"2"_s << u"29"_s << QDate(2027, 3, 1) << false;
}

void TestDaySummary::greeting()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QDate, today);
    QFETCH(bool, due);
    chart::FieldTexts fields;
    fields.birthYear = year;
    fields.birthMonth = month;
    fields.birthDay = day;
    QCOMPARE(chart::greetingDue(chart::chartInput({}, fields, chart::engineDate(today))), due);
}

void TestDaySummary::greetingText()
{
    QCOMPARE(chart::greetingText(u"ABC"_s), u"★ ABCさん、誕生日おめでとう ★"_s);
    QCOMPARE(chart::greetingText(QString()), u"★ さん、誕生日おめでとう ★"_s);
}

QTEST_APPLESS_MAIN(TestDaySummary)
#include "tst_day_summary.moc"

// SPDX-License-Identifier: MIT
// The drawn chart, read back from the window's surface pixel by pixel.

#include "app_fixture.h"

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kMagenta = qRgb(255, 0, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// Row colours of the fifteen day-kind rows.
constexpr std::array<QRgb, 15> kRowColours {kRed, kGreen, kMagenta, kBlue, kRed, kMagenta, kBlue,
    kGreen, kMagenta, kBlue, kGreen, kRed, kBlue, kRed, kMagenta};

int countColour(const QImage &image, QRect area, QRgb colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

/// Middle of row k's band, away from its rule line.
int rowMiddle(int k)
{
    return 229 + 16 * k;
}

} // namespace

class TestChartSurface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyRule3AtFirstSample();
    void blocksOnBirthDay();
    void noCautionBlockBeyondLimit_data();
    void noCautionBlockBeyondLimit();
    void weekdayColours();
    void todayBox_data();
    void todayBox();
    void noTodayBoxElsewhere_data();
    void noTodayBoxElsewhere();
    void dayColumns();
    void legendAndLabels();
    void summaryAndGreeting_data();
    void summaryAndGreeting();
};

// Born 1 January 2000, March 2000: at x = 130 only row 1 is marked.
void TestChartSurface::onlyRule3AtFirstSample()
{
    AppFixture app;
    app.show(u"2000"_s, u"1"_s, u"1"_s, u"2000"_s, u"3"_s);
    const QImage &image = app.surface();
    for (int k = 0; k < 15; ++k)
        QCOMPARE(image.pixel(130, rowMiddle(k)) == kRowColours[k], k == 1);
}

// Day 1 is the birth date: rows 7–14 get blocks from x − 7 (rows 7, 8, 12–14) or
// x − 6 (rows 9–11) around x = 130.
void TestChartSurface::blocksOnBirthDay()
{
    AppFixture app;
    app.show(u"2000"_s, u"3"_s, u"1"_s, u"2000"_s, u"3"_s);
    const QImage &image = app.surface();
    for (int k = 7; k < 15; ++k) {
        const bool fromSeven = k == 7 || k == 8 || k >= 12;
        const int y = rowMiddle(k);
        QCOMPARE(image.pixel(123, y) == kRowColours[k], fromSeven);
        QCOMPARE(image.pixel(124, y), kRowColours[k]);
        QCOMPARE(image.pixel(122, y), kWhite);
        QCOMPARE(image.pixel(136, y), kRowColours[k]);
    }
    for (int k = 0; k < 7; ++k)
        QCOMPARE(image.pixel(130, rowMiddle(k)), kWhite);
}

void TestChartSurface::noCautionBlockBeyondLimit_data()
{
    QTest::addColumn<QStringList>("input");
    // Months of 31 days whose last day has zero-level passages near its end.
    for (int day = 1; day <= 28; day += 3)
        QTest::addRow("born 1990-01-%02d", day)
            << QStringList {u"1990"_s, u"1"_s, QString::number(day), u"2026"_s, u"1"_s};
    QTest::newRow("born on day 1") << QStringList {u"2026"_s, u"1"_s, u"1"_s, u"2026"_s, u"1"_s};
}

void TestChartSurface::noCautionBlockBeyondLimit()
{
    QFETCH(QStringList, input);
    AppFixture app;
    app.show(input[0], input[1], input[2], input[3], input[4]);
    const QImage &image = app.surface();
    // A block of a sample at x ≤ 620 ends by 626.
    for (int k = 8; k < 15; ++k)
        QCOMPARE(countColour(image, QRect(627, 225 + 16 * k, 7, 14), kRowColours[k]), 0);
}

// January 2024 starts on a Monday: day 6 is Saturday (blue), day 7 Sunday (red).
void TestChartSurface::weekdayColours()
{
    AppFixture app;
    app.show(u"2000"_s, u"1"_s, u"1"_s, u"2024"_s, u"1"_s);
    const QImage &image = app.surface();
    auto nameCell = [](int day) {
        const int x = day <= 9 ? 122 + 16 * (day - 1) + 2 : 262 + 16 * (day - 10) + 6;
        return QRect(x, 157, 14, 14);
    };
    for (int day = 1; day <= 31; ++day) {
        const int weekday = (day - 1) % 7; // 0 Monday
        const QRgb colour = weekday == 5 ? kBlue : weekday == 6 ? kRed : kBlack;
        QVERIFY2(countColour(image, nameCell(day), colour) > 0, qPrintable(QString::number(day)));
        for (QRgb other : {kBlue, kRed, kBlack})
            if (other != colour)
                QCOMPARE(countColour(image, nameCell(day), other), 0);
    }
}

void TestChartSurface::todayBox_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QRect>("box");
    QTest::newRow("day 8") << QDate(2026, 12, 8) << QRect(QPoint(237, 142), QPoint(247, 154));
    QTest::newRow("day 1") << QDate(2026, 12, 1) << QRect(QPoint(125, 142), QPoint(135, 154));
    QTest::newRow("day 10") << QDate(2026, 12, 10) << QRect(QPoint(267, 142), QPoint(282, 154));
    QTest::newRow("day 31") << QDate(2026, 12, 31) << QRect(QPoint(603, 142), QPoint(618, 154));
}

void TestChartSurface::todayBox()
{
    QFETCH(QDate, today);
    QFETCH(QRect, box);
    AppFixture app(today);
    app.show(u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"12"_s);
    const QImage &image = app.surface();
    // The left column of the box lies under the number's leading space.
    QCOMPARE(image.pixel(box.left(), box.top()), kYellow);
    QCOMPARE(image.pixel(box.left(), box.bottom()), kYellow);
    QCOMPARE(image.pixel(box.left() - 1, box.top()), kWhite);
    QCOMPARE(image.pixel(box.left(), box.top() - 1), kWhite);
    QCOMPARE(image.pixel(box.left(), box.bottom() + 1), kWhite);
    QVERIFY(image.pixel(box.right(), box.top()) == kYellow
        || image.pixel(box.right(), box.top()) == kBlue);
    QCOMPARE(image.pixel(box.right() + 1, box.top()), kWhite);
    QCOMPARE(
        countColour(image, QRect(0, 139, 634, 337), kYellow), countColour(image, box, kYellow));
}

void TestChartSurface::noTodayBoxElsewhere_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::newRow("same month, another year") << u"2025"_s << u"12"_s;
    QTest::newRow("another month") << u"2026"_s << u"11"_s;
}

void TestChartSurface::noTodayBoxElsewhere()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    AppFixture app(QDate(2026, 12, 8));
    app.show(u"1985"_s, u"4"_s, u"12"_s, year, month);
    QCOMPARE(countColour(app.surface(), QRect(0, 139, 634, 337), kYellow), 0);
}

// Day 9 stands at 250 and day 10 at 262: the digits leave a gap at 264–268.
void TestChartSurface::dayColumns()
{
    AppFixture app(QDate(2030, 1, 1));
    app.show(u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"2"_s);
    const QImage &image = app.surface();
    const int numberRows = 14;
    QVERIFY(countColour(image, QRect(257, 142, 7, numberRows), kBlue) > 0); // "9"
    QCOMPARE(countColour(image, QRect(264, 142, 5, numberRows), kBlue), 0); // space of " 10"
    QVERIFY(countColour(image, QRect(269, 142, 14, numberRows), kBlue) > 0); // "10"
    // February 2026 has 28 days: the last column is at 550, nothing after it.
    QVERIFY(countColour(image, QRect(557, 142, 14, numberRows), kBlue) > 0);
    QCOMPARE(countColour(image, QRect(571, 142, 60, numberRows), kBlue), 0);
}

void TestChartSurface::legendAndLabels()
{
    AppFixture app;
    app.show(u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"12"_s);
    const QImage &image = app.surface();
    const std::array<QRgb, 3> legend {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i) {
        const QRect text(17, 172 + 16 * i, 88, 16);
        QVERIFY(countColour(image, text, legend[i]) > 20);
        QVERIFY(countColour(image, QRect(112, 172 + 16 * i, 8, 16), kBlack) > 0); // marker
    }
    for (int k = 0; k < 15; ++k) {
        const QRect label(7, 225 + 16 * k, 112, 14);
        QVERIFY2(countColour(image, label, kRowColours[k]) > 20, qPrintable(QString::number(k)));
        for (QRgb other : {kRed, kGreen, kBlue, kMagenta})
            if (other != kRowColours[k])
                QCOMPARE(countColour(image, label, other), 0);
        // The rule line under the row, in the same colour, spans 120–623.
        const QRect rule(120, 224 + 16 * k, 504, 16);
        QVERIFY(countColour(image, rule, kRowColours[k]) > 63 * 4);
    }
    // "日付" in blue, "曜日" in black.
    QVERIFY(countColour(image, QRect(90, 141, 28, 14), kBlue) > 10);
    QVERIFY(countColour(image, QRect(90, 157, 28, 14), kBlack) > 10);
}

void TestChartSurface::summaryAndGreeting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("birth");
    QTest::addColumn<bool>("greeted");
    QTest::newRow("birthday") << u"山田"_s << QStringList {u"1985"_s, u"12"_s, u"8"_s} << true;
    QTest::newRow("empty name still greeted")
        << QString() << QStringList {u"1990"_s, u"12"_s, u"8"_s} << true;
    QTest::newRow("not the birthday")
        << u"山田"_s << QStringList {u"1985"_s, u"12"_s, u"9"_s} << false;
}

void TestChartSurface::summaryAndGreeting()
{
    QFETCH(QString, name);
    QFETCH(QStringList, birth);
    QFETCH(bool, greeted);
    AppFixture app(QDate(2026, 12, 8));
    app.setText(u"EDIT26", name);
    app.show(birth[0], birth[1], birth[2], u"2026"_s, u"12"_s);
    const QImage &image = app.surface();
    QCOMPARE(countColour(image, QRect(10, 106, 300, 14), kBlue) > 0, greeted);
    QVERIFY(countColour(image, QRect(10, 123, 400, 14), qRgb(0, 0, 128)) > 50);
}

QTEST_MAIN(TestChartSurface)
#include "tst_chart_surface.moc"

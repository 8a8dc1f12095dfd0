// SPDX-License-Identifier: MIT
// Where the chart draws the rows' marks, and the colours of the rows and the weekday names.

#include "chart/chart_colours.h"
#include "chart/mark_geometry.h"
#include "engine/calendar.h"
#include "engine/rhythm.h"
#include "engine/test_helpers.h"

#include <QList>
#include <QTest>

using namespace engine;

Q_DECLARE_METATYPE(engine::MarkShape)

class TestChartMarks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowColours();
    void markBoxes_data();
    void markBoxes();
    void blockStarts();
    void blocksOfTheBirthDate();
    void weekdayColours();
};

void TestChartMarks::rowColours()
{
    const QList<int> colours {5, 9, 7, 3, 5, 7, 3, 9, 7, 3, 9, 5, 3, 5, 7};
    for (int row = 0; row < kRowCount; ++row)
        QCOMPARE(chart::kRowColours[std::size_t(row)], colours[row]);
}

void TestChartMarks::markBoxes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<MarkShape>("shape");
    QTest::addColumn<QList<float>>("box");
    // At x = 200.
    QTest::newRow("stroke, row 0") << 0 << MarkShape::Stroke << QList<float> {200, 225, 200, 238};
    QTest::newRow("stroke, row 6") << 6 << MarkShape::Stroke << QList<float> {200, 321, 200, 334};
    QTest::newRow("shifted stroke, row 2")
        << 2 << MarkShape::ShiftedStroke << QList<float> {198, 271, 198, 257};
    QTest::newRow("stroke, row 7") << 7 << MarkShape::Stroke << QList<float> {200, 337, 200, 350};
    QTest::newRow("block from x - 7, row 8")
        << 8 << MarkShape::Block << QList<float> {193, 353, 206, 366};
    QTest::newRow("block from x - 6, row 9")
        << 9 << MarkShape::Block << QList<float> {194, 369, 206, 382};
    QTest::newRow("block, row 14") << 14 << MarkShape::Block << QList<float> {193, 449, 206, 462};
}

void TestChartMarks::markBoxes()
{
    QFETCH(int, row);
    QFETCH(MarkShape, shape);
    QFETCH(QList<float>, box);
    const chart::MarkBox drawn = chart::markBox(200.0f, row, shape);
    QCOMPARE_EXACT(drawn.x1, box[0]);
    QCOMPARE_EXACT(drawn.y1, box[1]);
    QCOMPARE_EXACT(drawn.x2, box[2]);
    QCOMPARE_EXACT(drawn.y2, box[3]);
}

void TestChartMarks::blockStarts()
{
    // Every block rule's box starts 7 left of x, 6 on rows 9 to 11, and ends 6 right of it.
    const float x = 130.96f;
    for (const Rule &rule : kRules) {
        if (rule.shape != MarkShape::Block)
            continue;
        const chart::MarkBox box = chart::markBox(x, rule.row, rule.shape);
        QCOMPARE_EXACT(box.x1, x - ((rule.row >= 9 && rule.row <= 11) ? 6.0f : 7.0f));
        QCOMPARE_EXACT(box.x2, x + 6.0f);
    }
}

void TestChartMarks::blocksOfTheBirthDate()
{
    // A month that starts on the birth date: all levels zero at x = 130.
    for (float days : {0.0f, 21252.0f, 42504.0f}) {
        SampleWalk walk(days, 30.0f);
        Sample s;
        QVERIFY(walk.next(s));
        QList<float> starts;
        for (int i = 0; i < s.markCount; ++i) {
            const Mark &m = s.marks[std::size_t(i)];
            starts.append(chart::markBox(s.x, m.row, m.shape).x1);
        }
        QCOMPARE(starts, (QList<float> {123, 130, 123, 124, 124, 124, 124, 123, 123, 123, 123}));
    }
}

void TestChartMarks::weekdayColours()
{
    // January 2024 starts on a Monday: Saturdays blue, Sundays red.
    const QList<int> colours {0, 0, 0, 0, 0, 3, 5};
    WeekdayState state;
    state.reset();
    for (int day = 1; day <= 31; ++day) {
        state.nextWeekday({2024, 1});
        QCOMPARE(chart::weekdayColour(state.number()), colours[(day - 1) % 7]);
    }
    QCOMPARE(chart::weekdayColour(-1), 0);
    QCOMPARE(chart::weekdayColour(7), 0);
}

QTEST_APPLESS_MAIN(TestChartMarks)
#include "tst_chart_marks.moc"

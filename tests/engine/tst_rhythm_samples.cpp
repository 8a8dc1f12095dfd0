// SPDX-License-Identifier: MIT
// The samples of a month: offsets, positions, curve values and levels.

#include "engine/rhythm.h"
#include "rhythm_helpers.h"
#include "test_helpers.h"

#include <QList>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;
using namespace engine;

class TestRhythmSamples : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void phaseOffsets_data();
    void phaseOffsets();
    void march2000FromNewYear2000();
    void monthStartingOnBirthDate();
    void birthOnThe15th();
    void roundedOnceWhenStored();
    void sampleCounts_data();
    void sampleCounts();
    void cautionLimit();
    void wholePeriodIsZeroLevel_data();
    void wholePeriodIsZeroLevel();
};

void TestRhythmSamples::phaseOffsets_data()
{
    QTest::addColumn<float>("days");
    QTest::addColumn<QList<float>>("offsets");
    QTest::newRow("birth date") << 0.0f << QList<float> {0, 0, 0};
    QTest::newRow("60 days") << 60.0f << QList<float> {14, 4, 27};
    QTest::newRow("born on the 15th") << -14.0f << QList<float> {-14, -14, -14};
    QTest::newRow("born on the 31st") << -30.0f << QList<float> {-7, -2, -30};
    QTest::newRow("one common cycle, not reduced") << 21252.0f << QList<float> {0, 0, 0};
    QTest::newRow("past one cycle") << 21253.0f << QList<float> {1, 1, 1};
    QTest::newRow("two cycles and 60") << 42564.0f << QList<float> {14, 4, 27};
    QTest::newRow("1028 years") << 375469.0f << QList<float> {17, 17, 28};
    QTest::newRow("half rounds up") << 2.5f << QList<float> {3, 3, 3};
    QTest::newRow("negative half rounds down") << -2.5f << QList<float> {-3, -3, -3};
    QTest::newRow("below half") << 2.49f << QList<float> {2, 2, 2};
}

void TestRhythmSamples::phaseOffsets()
{
    QFETCH(float, days);
    QFETCH(QList<float>, offsets);
    const Offsets o = engine::phaseOffsets(days);
    for (int r = 0; r < kRhythmCount; ++r)
        QCOMPARE_EXACT(o.values[std::size_t(r)], offsets[r]);
}

void TestRhythmSamples::march2000FromNewYear2000()
{
    SampleWalk walk(60.0f, 31.0f);
    Sample s;
    QVERIFY(walk.next(s));
    QCOMPARE_EXACT(s.t, 0.0f);
    QCOMPARE_EXACT(s.x, 130.0f);
    const std::array<float, 3> curves {100.59f, 72.37f, 106.21f};
    const std::array<float, 3> levels {195.0f, 167.0f, 201.0f};
    for (std::size_t r = 0; r < 3; ++r) {
        QVERIFY2(
            std::fabs(s.curve[r] - curves[r]) < 0.01f, qPrintable(QString::number(s.curve[r])));
        QCOMPARE_EXACT(s.level[r], levels[r]);
    }
    QCOMPARE(rulesOf(s), QList<int> {3});
    QCOMPARE(s.marks[0].row, 1);
    QCOMPARE(utf8(kDayKinds[1].label), u"ゲーム  　好調日"_s);
}

void TestRhythmSamples::monthStartingOnBirthDate()
{
    for (float days : {0.0f, 21252.0f, 42504.0f}) {
        SampleWalk walk(days, 30.0f);
        Sample s;
        QVERIFY(walk.next(s));
        for (std::size_t r = 0; r < 3; ++r)
            QCOMPARE_EXACT(s.level[r], 183.0f);
        QList<int> rows;
        for (int i = 0; i < s.markCount; ++i)
            rows.append(s.marks[std::size_t(i)].row);
        QCOMPARE(rows, (QList<int> {7, 7, 8, 9, 10, 11, 11, 12, 13, 13, 14}));
    }
}

void TestRhythmSamples::birthOnThe15th()
{
    const std::vector<Sample> samples = walkAll(-14.0f, 31.0f);
    const auto firstAfter = std::find_if(
        samples.begin(), samples.end(), [](const Sample &s) { return s.t >= 14.0f; });
    QVERIFY(firstAfter - samples.begin() >= 3);
    QVERIFY(std::fabs(firstAfter->t - 14.04f) < 0.005f);
    for (auto it = firstAfter - 3; it != firstAfter; ++it) {
        for (std::size_t r = 0; r < 3; ++r)
            QCOMPARE_EXACT(it->level[r], 183.0f);
        QCOMPARE(it->markCount, 11); // rows 7 to 14
    }
    for (std::size_t r = 0; r < 3; ++r)
        QCOMPARE_EXACT(firstAfter->level[r], 182.0f);
    // Before the three, P is already below its zero band.
    QCOMPARE_EXACT((firstAfter - 4)->level[0], 184.0f);
}

void TestRhythmSamples::roundedOnceWhenStored()
{
    // x = 16t + 130 at t = 0.06 rounded once is 130.96001; step by step, 130.95999.
    QCOMPARE_EXACT(walkAll(60.0f, 31.0f).at(1).x, 130.96f);
    // Born on the 22nd, its month shown: at the birthday's first sample c + 108 lies just
    // below 196, and must not round up to it on its way to the level.
    const Sample s = walkAll(-21.0f, 31.0f).at(350);
    QCOMPARE(QList<float>(s.level.begin(), s.level.end()), (QList<float> {182, 182, 182}));
    QCOMPARE(rulesOf(s), QList<int> {15});
}

void TestRhythmSamples::sampleCounts_data()
{
    QTest::addColumn<float>("length");
    QTest::addColumn<int>("count");
    QTest::newRow("31 days") << 31.0f << 516;
    QTest::newRow("30 days") << 30.0f << 499;
    QTest::newRow("29 days") << 29.0f << 482;
}

void TestRhythmSamples::sampleCounts()
{
    QFETCH(float, length);
    QFETCH(int, count);
    const std::vector<Sample> samples = walkAll(60.0f, length);
    QCOMPARE(int(samples.size()), count);
    // Positions follow 16t + 130, each step 0.96 pixel.
    for (const Sample &s : samples)
        QVERIFY(std::fabs(s.x - (16.0f * s.t + 130.0f)) < 0.001f);
    QVERIFY(samples.back().t <= length - 0.1f);
}

void TestRhythmSamples::cautionLimit()
{
    int blocks = 0;
    for (float days = -30.0f; days < 21252.0f; days += 131.0f) {
        for (float length : {28.0f, 29.0f, 30.0f, 31.0f}) {
            const std::vector<Sample> samples = walkAll(days, length);
            if (length < 31.0f)
                QVERIFY(samples.back().x < kCautionLimit);
            for (const Sample &s : samples) {
                for (int i = 0; i < s.markCount; ++i) {
                    if (s.marks[std::size_t(i)].shape != MarkShape::Block)
                        continue;
                    QVERIFY(s.x <= 620.0f);
                    ++blocks;
                }
            }
        }
    }
    QVERIFY(blocks > 0);
}

void TestRhythmSamples::wholePeriodIsZeroLevel_data()
{
    QTest::addColumn<int>("rhythm");
    QTest::addColumn<float>("t");
    QTest::newRow("P at 23") << 0 << 23.0f;
    QTest::newRow("S at 28") << 1 << 28.0f;
    QTest::newRow("I at 33") << 2 << 33.0f;
}

void TestRhythmSamples::wholePeriodIsZeroLevel()
{
    QFETCH(int, rhythm);
    QFETCH(float, t);
    Sample s;
    evaluateSample(t, Offsets {}, s);
    // 6.28 falls short of 2π: the sine there is about −0.0032, just below zero.
    QVERIFY(s.curve[std::size_t(rhythm)] > 88.06f && s.curve[std::size_t(rhythm)] < 88.07f);
    QCOMPARE_EXACT(s.level[std::size_t(rhythm)], 183.0f);
}

QTEST_APPLESS_MAIN(TestRhythmSamples)
#include "tst_rhythm_samples.moc"

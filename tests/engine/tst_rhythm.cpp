// SPDX-License-Identifier: MIT
#include "engine/rhythm.h"
#include "test_helpers.h"

#include <QList>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;
using namespace engine;

Q_DECLARE_METATYPE(engine::LevelTest)
Q_DECLARE_METATYPE(engine::MarkShape)

namespace {

QList<int> rulesOf(const Sample &s)
{
    QList<int> rules;
    for (int i = 0; i < s.markCount; ++i)
        rules.append(s.marks[static_cast<std::size_t>(i)].rule);
    return rules;
}

std::vector<Sample> walkAll(float daysSinceBirth, float length)
{
    std::vector<Sample> samples;
    SampleWalk walk(daysSinceBirth, length);
    for (Sample s; walk.next(s);)
        samples.push_back(s);
    return samples;
}

Sample withLevels(float x, float p, float s, float i)
{
    Sample sample;
    sample.x = x;
    sample.level = {p, s, i};
    markSample(sample);
    return sample;
}

} // namespace

class TestRhythm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dayKinds();
    void ruleTableShape();
    void levelTests_data();
    void levelTests();
    void rulesForLevels_data();
    void rulesForLevels();
    void everyLevelCombination();
    void markCoordinates_data();
    void markCoordinates();
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

void TestRhythm::dayKinds()
{
    const QStringList labels {
        u"スポーツ　好調日"_s,
        u"ゲーム  　好調日"_s,
        u"ギャンブル好調日"_s,
        u"読書 学習 好調日"_s,
        u"持久持続力好調日"_s,
        u"体力活動　好調日"_s,
        u"知的 創造 好調日"_s,
        u"休養 休息 充電日"_s,
        u"風邪 体調 注意日"_s,
        u"ポカ不手際注意日"_s,
        u"ミス 過失 注意日"_s,
        u"運転 事故 注意日"_s,
        u"過運動無理注意日"_s,
        u"事故 ケガ 注意日"_s,
        u"病気 ケガ 注意日"_s,
    };
    const QList<int> colours {5, 9, 7, 3, 5, 7, 3, 9, 7, 3, 9, 5, 3, 5, 7};
    for (int row = 0; row < kRowCount; ++row) {
        QCOMPARE(utf8(kDayKinds[std::size_t(row)].label), labels[row]);
        QCOMPARE(kDayKinds[std::size_t(row)].colour, colours[row]);
    }
    // Two ordinary spaces, then one full-width space.
    QCOMPARE(utf8(kDayKinds[1].label).mid(3, 3), u"  \u3000"_s);
}

void TestRhythm::ruleTableShape()
{
    // Blocks are the caution rules; they start 7 left of x, 6 on rows 9 to 11.
    for (const Rule &rule : kRules) {
        QCOMPARE(rule.caution, rule.shape == MarkShape::Block);
        if (rule.shape == MarkShape::Block)
            QCOMPARE_EXACT(rule.blockFrom, (rule.row >= 9 && rule.row <= 11) ? 6.0f : 7.0f);
    }
    for (std::size_t i = 1; i < kRules.size(); ++i)
        QVERIFY(kRules[i - 1].row <= kRules[i].row);
    QCOMPARE(kRules.back().row, kRowCount - 1);
}

void TestRhythm::levelTests_data()
{
    QTest::addColumn<LevelTest>("test");
    QTest::addColumn<float>("level");
    QTest::addColumn<bool>("holds");
    QTest::newRow("high 180") << LevelTest::High << 180.0f << true;
    QTest::newRow("high 181") << LevelTest::High << 181.0f << false;
    QTest::newRow("low 181") << LevelTest::Low << 181.0f << false;
    QTest::newRow("low 182") << LevelTest::Low << 182.0f << true;
    QTest::newRow("not high 180") << LevelTest::NotHigh << 180.0f << false;
    QTest::newRow("not high 181") << LevelTest::NotHigh << 181.0f << true;
    QTest::newRow("zero 182") << LevelTest::Zero << 182.0f << false;
    QTest::newRow("zero 183") << LevelTest::Zero << 183.0f << true;
    QTest::newRow("zero 184") << LevelTest::Zero << 184.0f << false;
    QTest::newRow("peak 167") << LevelTest::Peak << 167.0f << true;
    QTest::newRow("peak 168") << LevelTest::Peak << 168.0f << false;
    QTest::newRow("any 203") << LevelTest::Any << 203.0f << true;
}

void TestRhythm::levelTests()
{
    QFETCH(LevelTest, test);
    QFETCH(float, level);
    QFETCH(bool, holds);
    QCOMPARE(levelHolds(test, level), holds);
}

void TestRhythm::rulesForLevels_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("p");
    QTest::addColumn<float>("s");
    QTest::addColumn<float>("i");
    QTest::addColumn<QList<int>>("rules");
    QTest::newRow("all high: good-day rows 0,1,3-6")
        << 300.0f << 170.0f << 170.0f << 170.0f << QList<int> {2, 4, 7, 9, 11, 13};
    QTest::newRow("all at peak adds row 2")
        << 300.0f << 167.0f << 167.0f << 167.0f << QList<int> {2, 4, 5, 7, 9, 11, 13};
    QTest::newRow("all 181: rest day only")
        << 300.0f << 181.0f << 181.0f << 181.0f << QList<int> {15};
    QTest::newRow("I at 181 leaves row 0 empty")
        << 300.0f << 170.0f << 170.0f << 181.0f << QList<int> {};
    QTest::newRow("S at 181: row 5 only")
        << 300.0f << 170.0f << 181.0f << 170.0f << QList<int> {10};
    QTest::newRow("S at 182: still row 5 only")
        << 300.0f << 170.0f << 182.0f << 170.0f << QList<int> {10};
    QTest::newRow("P high, S and I low") << 300.0f << 170.0f << 190.0f << 190.0f << QList<int> {8};
    QTest::newRow("P low, S low, I high") << 300.0f << 190.0f << 190.0f << 170.0f << QList<int> {6};
    QTest::newRow("P low, S high, I high")
        << 300.0f << 190.0f << 170.0f << 170.0f << QList<int> {12};
    QTest::newRow("P high, S high, I low")
        << 300.0f << 170.0f << 170.0f << 190.0f << QList<int> {1};
    QTest::newRow("all zero") << 300.0f << 183.0f << 183.0f << 183.0f
                              << QList<int> {14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25};
    QTest::newRow("all zero at the limit")
        << 620.0f << 183.0f << 183.0f << 183.0f
        << QList<int> {14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25};
    QTest::newRow("all zero past the limit")
        << 620.5f << 183.0f << 183.0f << 183.0f << QList<int> {15};
    QTest::newRow("P high, S and I zero")
        << 300.0f << 170.0f << 183.0f << 183.0f << QList<int> {8, 17, 18, 20, 21};
    QTest::newRow("P and S zero, I low")
        << 300.0f << 183.0f << 183.0f << 190.0f << QList<int> {15, 16, 18, 24};
    QTest::newRow("P and I zero, S high")
        << 300.0f << 183.0f << 170.0f << 183.0f << QList<int> {3, 16, 17, 19};
}

void TestRhythm::rulesForLevels()
{
    QFETCH(float, x);
    QFETCH(float, p);
    QFETCH(float, s);
    QFETCH(float, i);
    QFETCH(QList<int>, rules);
    QCOMPARE(rulesOf(withLevels(x, p, s, i)), rules);
}

void TestRhythm::everyLevelCombination()
{
    // The marks follow the rule table read literally, for every level a sample can have.
    for (float x : {130.0f, 620.0f, 620.96f}) {
        for (float p = 163; p <= 203; ++p) {
            for (float s = 163; s <= 203; ++s) {
                for (float i = 163; i <= 203; ++i) {
                    QList<int> expected;
                    for (std::size_t r = 0; r < kRules.size(); ++r) {
                        const Rule &rule = kRules[r];
                        if (levelHolds(rule.tests[0], p) && levelHolds(rule.tests[1], s)
                            && levelHolds(rule.tests[2], i) && (!rule.caution || x <= 620.0f))
                            expected.append(int(r) + 1);
                    }
                    const QList<int> actual = rulesOf(withLevels(x, p, s, i));
                    if (actual != expected)
                        QCOMPARE(actual, expected);
                }
            }
        }
    }
}

void TestRhythm::markCoordinates_data()
{
    QTest::addColumn<float>("level");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("colour");
    QTest::addColumn<MarkShape>("shape");
    QTest::addColumn<QList<float>>("box");
    // At x = 200.
    QTest::newRow("stroke, row 0")
        << 170.0f << 2 << 0 << 5 << MarkShape::Stroke << QList<float> {200, 225, 200, 238};
    QTest::newRow("stroke, row 6")
        << 170.0f << 13 << 6 << 3 << MarkShape::Stroke << QList<float> {200, 321, 200, 334};
    QTest::newRow("shifted stroke, row 2")
        << 165.0f << 5 << 2 << 7 << MarkShape::ShiftedStroke << QList<float> {198, 271, 198, 257};
    QTest::newRow("stroke, row 7")
        << 183.0f << 15 << 7 << 9 << MarkShape::Stroke << QList<float> {200, 337, 200, 350};
    QTest::newRow("block from x - 7, row 8")
        << 183.0f << 16 << 8 << 7 << MarkShape::Block << QList<float> {193, 353, 206, 366};
    QTest::newRow("block from x - 6, row 9")
        << 183.0f << 17 << 9 << 3 << MarkShape::Block << QList<float> {194, 369, 206, 382};
    QTest::newRow("block, row 14")
        << 183.0f << 25 << 14 << 7 << MarkShape::Block << QList<float> {193, 449, 206, 462};
}

void TestRhythm::markCoordinates()
{
    QFETCH(float, level);
    QFETCH(int, rule);
    QFETCH(int, row);
    QFETCH(int, colour);
    QFETCH(MarkShape, shape);
    QFETCH(QList<float>, box);
    const Sample s = withLevels(200.0f, level, level, level);
    const auto end = s.marks.begin() + s.markCount;
    const auto it
        = std::find_if(s.marks.begin(), end, [rule](const Mark &m) { return m.rule == rule; });
    QVERIFY(it != end);
    QCOMPARE(it->row, row);
    QCOMPARE(it->colour, colour);
    QCOMPARE(it->shape, shape);
    QCOMPARE_EXACT(it->x1, box[0]);
    QCOMPARE_EXACT(it->y1, box[1]);
    QCOMPARE_EXACT(it->x2, box[2]);
    QCOMPARE_EXACT(it->y2, box[3]);
}

void TestRhythm::phaseOffsets_data()
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

void TestRhythm::phaseOffsets()
{
    QFETCH(float, days);
    QFETCH(QList<float>, offsets);
    const Offsets o = engine::phaseOffsets(days);
    for (int r = 0; r < kRhythmCount; ++r)
        QCOMPARE_EXACT(o.values[std::size_t(r)], offsets[r]);
}

void TestRhythm::march2000FromNewYear2000()
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

void TestRhythm::monthStartingOnBirthDate()
{
    for (float days : {0.0f, 21252.0f, 42504.0f}) {
        SampleWalk walk(days, 30.0f);
        Sample s;
        QVERIFY(walk.next(s));
        for (std::size_t r = 0; r < 3; ++r)
            QCOMPARE_EXACT(s.level[r], 183.0f);
        QList<int> rows;
        QList<float> starts;
        for (int i = 0; i < s.markCount; ++i) {
            const Mark &m = s.marks[std::size_t(i)];
            rows.append(m.row);
            starts.append(m.x1);
        }
        QCOMPARE(rows, (QList<int> {7, 7, 8, 9, 10, 11, 11, 12, 13, 13, 14}));
        QCOMPARE(starts, (QList<float> {123, 130, 123, 124, 124, 124, 124, 123, 123, 123, 123}));
    }
}

void TestRhythm::birthOnThe15th()
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

void TestRhythm::roundedOnceWhenStored()
{
    // x = 16t + 130 at t = 0.06 rounded once is 130.96001; step by step, 130.95999.
    QCOMPARE_EXACT(walkAll(60.0f, 31.0f).at(1).x, 130.96f);
    // Born on the 22nd, its month shown: at the birthday's first sample c + 108 lies just
    // below 196, and must not round up to it on its way to the level.
    const Sample s = walkAll(-21.0f, 31.0f).at(350);
    QCOMPARE(QList<float>(s.level.begin(), s.level.end()), (QList<float> {182, 182, 182}));
    QCOMPARE(rulesOf(s), QList<int> {15});
}

void TestRhythm::sampleCounts_data()
{
    QTest::addColumn<float>("length");
    QTest::addColumn<int>("count");
    QTest::newRow("31 days") << 31.0f << 516;
    QTest::newRow("30 days") << 30.0f << 499;
    QTest::newRow("29 days") << 29.0f << 482;
}

void TestRhythm::sampleCounts()
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

void TestRhythm::cautionLimit()
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

void TestRhythm::wholePeriodIsZeroLevel_data()
{
    QTest::addColumn<int>("rhythm");
    QTest::addColumn<float>("t");
    QTest::newRow("P at 23") << 0 << 23.0f;
    QTest::newRow("S at 28") << 1 << 28.0f;
    QTest::newRow("I at 33") << 2 << 33.0f;
}

void TestRhythm::wholePeriodIsZeroLevel()
{
    QFETCH(int, rhythm);
    QFETCH(float, t);
    Sample s;
    evaluateSample(t, Offsets {}, s);
    // 6.28 falls short of 2π: the sine there is about −0.0032, just below zero.
    QVERIFY(s.curve[std::size_t(rhythm)] > 88.06f && s.curve[std::size_t(rhythm)] < 88.07f);
    QCOMPARE_EXACT(s.level[std::size_t(rhythm)], 183.0f);
}

QTEST_APPLESS_MAIN(TestRhythm)
#include "tst_rhythm.moc"

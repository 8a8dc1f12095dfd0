// SPDX-License-Identifier: MIT
// The day-kind rows and the rule table: which rules hold for which levels.

#include "engine/rhythm.h"
#include "rhythm_helpers.h"
#include "test_helpers.h"

#include <QList>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace engine;

Q_DECLARE_METATYPE(engine::LevelTest)
Q_DECLARE_METATYPE(engine::MarkShape)

class TestRhythmRules : public QObject
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
    void markShapes_data();
    void markShapes();
};

void TestRhythmRules::dayKinds()
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
    for (int row = 0; row < kRowCount; ++row)
        QCOMPARE(utf8(kDayKinds[std::size_t(row)].label), labels[row]);
    // Two ordinary spaces, then one full-width space.
    QCOMPARE(utf8(kDayKinds[1].label).mid(3, 3), u"  \u3000"_s);
}

void TestRhythmRules::ruleTableShape()
{
    // Blocks are the caution rules.
    for (const Rule &rule : kRules)
        QCOMPARE(rule.caution, rule.shape == MarkShape::Block);
    for (std::size_t i = 1; i < kRules.size(); ++i)
        QVERIFY(kRules[i - 1].row <= kRules[i].row);
    QCOMPARE(kRules.back().row, kRowCount - 1);
}

void TestRhythmRules::levelTests_data()
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

void TestRhythmRules::levelTests()
{
    QFETCH(LevelTest, test);
    QFETCH(float, level);
    QFETCH(bool, holds);
    QCOMPARE(levelHolds(test, level), holds);
}

void TestRhythmRules::rulesForLevels_data()
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

void TestRhythmRules::rulesForLevels()
{
    QFETCH(float, x);
    QFETCH(float, p);
    QFETCH(float, s);
    QFETCH(float, i);
    QFETCH(QList<int>, rules);
    QCOMPARE(rulesOf(withLevels(x, p, s, i)), rules);
}

void TestRhythmRules::everyLevelCombination()
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

void TestRhythmRules::markShapes_data()
{
    QTest::addColumn<float>("level");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("row");
    QTest::addColumn<MarkShape>("shape");
    QTest::newRow("stroke, row 0") << 170.0f << 2 << 0 << MarkShape::Stroke;
    QTest::newRow("stroke, row 6") << 170.0f << 13 << 6 << MarkShape::Stroke;
    QTest::newRow("shifted stroke, row 2") << 165.0f << 5 << 2 << MarkShape::ShiftedStroke;
    QTest::newRow("stroke, row 7") << 183.0f << 15 << 7 << MarkShape::Stroke;
    QTest::newRow("block, row 8") << 183.0f << 16 << 8 << MarkShape::Block;
    QTest::newRow("block, row 9") << 183.0f << 17 << 9 << MarkShape::Block;
    QTest::newRow("block, row 14") << 183.0f << 25 << 14 << MarkShape::Block;
}

void TestRhythmRules::markShapes()
{
    QFETCH(float, level);
    QFETCH(int, rule);
    QFETCH(int, row);
    QFETCH(MarkShape, shape);
    const Sample s = withLevels(200.0f, level, level, level);
    const auto end = s.marks.begin() + s.markCount;
    const auto it
        = std::find_if(s.marks.begin(), end, [rule](const Mark &m) { return m.rule == rule; });
    QVERIFY(it != end);
    QCOMPARE(it->row, row);
    QCOMPARE(it->shape, shape);
}

QTEST_APPLESS_MAIN(TestRhythmRules)
#include "tst_rhythm_rules.moc"

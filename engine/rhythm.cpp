// SPDX-License-Identifier: MIT
#include "engine/rhythm.h"

#include <bit>
#include <cmath>
#include <limits>

namespace engine {

namespace {

constexpr float kCommonCycle = 21252.0f; // 23 × 28 × 33
// Not 2π: the curves drift slightly per period. The single-precision constant, widened.
constexpr double kAngleFactor = 6.28f;
constexpr double kAmplitude = 20.0;
constexpr double kCurveBase = 88.0;
constexpr float kStep = 0.06f;
constexpr float kEndMargin = 0.1f;

constexpr LevelTest A = LevelTest::Any;
constexpr LevelTest H = LevelTest::High;
constexpr LevelTest L = LevelTest::Low;
constexpr LevelTest N = LevelTest::NotHigh;
constexpr LevelTest Z = LevelTest::Zero;
constexpr LevelTest K = LevelTest::Peak;
constexpr MarkShape St = MarkShape::Stroke;
constexpr MarkShape Sh = MarkShape::ShiftedStroke;
constexpr MarkShape Bl = MarkShape::Block;

// Row, tests of P, S, I, mark, caution. The rows' tests differ where the
// table says so (row 5 uses "not high" for S, row 13's second rule "low" for I).
constexpr std::array<Rule, kRuleCount> kRuleTable {{
    {0, {H, H, L}, St, false}, // 1
    {0, {H, H, H}, St, false}, // 2
    {1, {L, H, L}, St, false}, // 3
    {1, {H, H, H}, St, false}, // 4
    {2, {K, K, K}, Sh, false}, // 5
    {3, {L, L, H}, St, false}, // 6
    {3, {H, H, H}, St, false}, // 7
    {4, {H, L, L}, St, false}, // 8
    {4, {H, H, H}, St, false}, // 9
    {5, {H, N, H}, St, false}, // 10
    {5, {H, H, H}, St, false}, // 11
    {6, {L, H, H}, St, false}, // 12
    {6, {H, H, H}, St, false}, // 13
    {7, {Z, Z, Z}, Bl, true}, // 14
    {7, {N, N, N}, St, false}, // 15
    {8, {Z, A, A}, Bl, true}, // 16
    {9, {A, A, Z}, Bl, true}, // 17
    {10, {A, Z, A}, Bl, true}, // 18
    {11, {Z, A, Z}, Bl, true}, // 19
    {11, {A, Z, Z}, Bl, true}, // 20
    {12, {H, Z, Z}, Bl, true}, // 21
    {12, {Z, Z, Z}, Bl, true}, // 22
    {13, {Z, Z, Z}, Bl, true}, // 23
    {13, {Z, Z, L}, Bl, true}, // 24
    {14, {Z, Z, Z}, Bl, true}, // 25
}};

constexpr bool holds(LevelTest test, float level)
{
    switch (test) {
    case LevelTest::Any:
        return true;
    case LevelTest::High:
        return level < 181.0f;
    case LevelTest::Low:
        return level > 181.0f;
    case LevelTest::NotHigh:
        return level >= 181.0f;
    case LevelTest::Zero:
        return level == 183.0f;
    case LevelTest::Peak:
        return level <= 167.0f;
    }
    return false;
}

// The level tests split the levels into six classes that no test tells apart inside:
// peak, other high, 181, low (182 and 184 up), zero (183), and no number at all.
constexpr int kLevelClasses = 6;
constexpr std::array<float, kLevelClasses> kClassSamples {
    167.0f, 170.0f, 181.0f, 182.0f, 183.0f, std::numeric_limits<float>::quiet_NaN()};

int levelClass(float level)
{
    if (level <= 167.0f)
        return 0;
    if (level < 181.0f)
        return 1;
    if (level == 181.0f)
        return 2;
    if (level == 183.0f)
        return 4;
    if (level > 181.0f)
        return 3;
    return 5;
}

// For every combination of the three classes, the set of rules (bit i: rule i + 1) whose
// level tests hold, worked out from the rule table once, at compile time. Testing a
// sample is then one look-up instead of 75 comparisons.
constexpr auto kRulesByClass = [] {
    std::array<std::uint32_t, kLevelClasses * kLevelClasses * kLevelClasses> sets {};
    for (int p = 0; p < kLevelClasses; ++p) {
        for (int s = 0; s < kLevelClasses; ++s) {
            for (int i = 0; i < kLevelClasses; ++i) {
                const std::array<float, kRhythmCount> levels {kClassSamples[std::size_t(p)],
                    kClassSamples[std::size_t(s)], kClassSamples[std::size_t(i)]};
                std::uint32_t set = 0;
                for (std::size_t r = 0; r < kRuleTable.size(); ++r) {
                    bool all = true;
                    for (std::size_t k = 0; k < kRhythmCount; ++k)
                        all = all && holds(kRuleTable[r].tests[k], levels[k]);
                    if (all)
                        set |= std::uint32_t {1} << r;
                }
                sets[std::size_t((p * kLevelClasses + s) * kLevelClasses + i)] = set;
            }
        }
    }
    return sets;
}();

constexpr std::uint32_t kCautionRules = [] {
    std::uint32_t set = 0;
    for (std::size_t r = 0; r < kRuleTable.size(); ++r) {
        if (kRuleTable[r].caution)
            set |= std::uint32_t {1} << r;
    }
    return set;
}();

} // namespace

const std::array<Rule, kRuleCount> kRules = kRuleTable;

const std::array<DayKind, kRowCount> kDayKinds {{
    {"スポーツ　好調日"},
    {"ゲーム  　好調日"},
    {"ギャンブル好調日"},
    {"読書 学習 好調日"},
    {"持久持続力好調日"},
    {"体力活動　好調日"},
    {"知的 創造 好調日"},
    {"休養 休息 充電日"},
    {"風邪 体調 注意日"},
    {"ポカ不手際注意日"},
    {"ミス 過失 注意日"},
    {"運転 事故 注意日"},
    {"過運動無理注意日"},
    {"事故 ケガ 注意日"},
    {"病気 ケガ 注意日"},
}};

bool levelHolds(LevelTest test, float level)
{
    return holds(test, level);
}

Offsets phaseOffsets(float daysSinceBirthDay1)
{
    float d = daysSinceBirthDay1;
    while (d > kCommonCycle)
        d = d - kCommonCycle;
    const long whole = std::lround(d); // half away from zero
    Offsets offsets {};
    for (int r = 0; r < kRhythmCount; ++r) {
        const auto period = static_cast<long>(kPeriods[static_cast<std::size_t>(r)]);
        offsets.values[static_cast<std::size_t>(r)] = static_cast<float>(whole % period);
    }
    return offsets;
}

SampleWalk::SampleWalk(float daysSinceBirthDay1, float monthLength)
    : m_offsets(phaseOffsets(daysSinceBirthDay1))
    , m_last(monthLength - kEndMargin)
{ }

bool SampleWalk::next(Sample &out)
{
    if (m_started)
        m_t = m_t + kStep;
    m_started = true;
    if (!(m_t <= m_last))
        return false;
    evaluateSample(m_t, m_offsets, out);
    return true;
}

void evaluateSample(float t, const Offsets &offsets, Sample &out)
{
    // Each stored value is rounded to single precision once, where it is stored; the
    // formula behind it runs in double from its stored operands. Rounding every step
    // on its own moves x at t = 0.06 and can turn a level of 182 into 183.
    const double position = t;
    out.t = t;
    out.x = static_cast<float>(((position * 4.0 + 31.0) * 4.0) + 6.0);

    for (std::size_t r = 0; r < kRhythmCount; ++r) {
        const double angle = ((position + offsets.values[r]) / kPeriods[r]) * kAngleFactor;
        const auto c = static_cast<float>(kCurveBase - kAmplitude * std::sin(angle));
        out.curve[r] = c;
        const auto plotted = static_cast<float>(c + 108.0);
        const auto level = static_cast<float>((plotted + 95.0) - 108.0);
        out.level[r] = std::floor(level);
    }
    markSample(out);
}

void markSample(Sample &out)
{
    const int key
        = (levelClass(out.level[0]) * kLevelClasses + levelClass(out.level[1])) * kLevelClasses
        + levelClass(out.level[2]);
    std::uint32_t rules = kRulesByClass[static_cast<std::size_t>(key)];
    if (!(out.x <= kCautionLimit))
        rules &= ~kCautionRules;
    int count = 0;
    for (; rules != 0; rules &= rules - 1) {
        const auto i = static_cast<std::size_t>(std::countr_zero(rules));
        const Rule &rule = kRuleTable[i];
        Mark &mark = out.marks[static_cast<std::size_t>(count++)];
        mark.rule = static_cast<int>(i) + 1;
        mark.row = rule.row;
        mark.shape = rule.shape;
    }
    out.markCount = count;
}

} // namespace engine

// SPDX-License-Identifier: MIT
#pragma once

// Rhythm samples along a month and the day-kind rules that mark the fifteen rows.

#include <array>
#include <cstdint>
#include <string_view>

namespace engine {

inline constexpr int kRhythmCount = 3; // physical, emotional, intellectual
inline constexpr std::array<float, kRhythmCount> kPeriods {23.0f, 28.0f, 33.0f};
inline constexpr int kRowCount = 15;
inline constexpr int kRuleCount = 25;
/// Caution rules (the blocks) hold only up to this x.
inline constexpr float kCautionLimit = 620.0f;

/// A day-kind row: its label (UTF-8, exactly as shown).
struct DayKind
{
    std::string_view label;
};
extern const std::array<DayKind, kRowCount> kDayKinds;

/// How one rhythm's level is tested by a rule.
enum class LevelTest : std::uint8_t {
    Any, ///< not tested
    High, ///< q < 181
    Low, ///< q > 181
    NotHigh, ///< q ≥ 181
    Zero, ///< q = 183
    Peak, ///< q ≤ 167
};
bool levelHolds(LevelTest test, float level);

enum class MarkShape : std::uint8_t { Stroke, ShiftedStroke, Block };

struct Rule
{
    int row;
    std::array<LevelTest, kRhythmCount> tests; ///< P, S, I
    MarkShape shape;
    bool caution; ///< holds only where x ≤ kCautionLimit
};
/// Rules 1–25 in table order.
extern const std::array<Rule, kRuleCount> kRules;

/// One rule that holds at a sample: which row it marks, and as a stroke or a block.
struct Mark
{
    int rule; ///< 1–25
    int row; ///< 0–14
    MarkShape shape;
};

struct Sample
{
    float t = 0; ///< days from the start of day 1
    float x = 0; ///< ((t × 4 + 31) × 4) + 6
    std::array<float, kRhythmCount> curve; ///< c = 88 − 20 sin(((t + off) / p) × 6.28)
    std::array<float, kRhythmCount> level; ///< whole numbers 163–203
    std::array<Mark, kRuleCount> marks; ///< the first markCount hold, in rule order
    int markCount = 0;
};

struct Offsets
{
    std::array<float, kRhythmCount> values; ///< offP, offS, offI
};
/// Offsets of the three rhythms for the days since birth of day 1 of the month.
Offsets phaseOffsets(float daysSinceBirthDay1);

/// Produces the samples of a month one at a time, left to right, so that each can
/// be drawn before the next is computed:
///     SampleWalk walk(60, 31);
///     for (Sample s; walk.next(s);) draw(s);
class SampleWalk
{
public:
    SampleWalk(float daysSinceBirthDay1, float monthLength);
    bool next(Sample &out);
    const Offsets &offsets() const { return m_offsets; }

private:
    Offsets m_offsets;
    float m_last;
    float m_t = 0.0f;
    bool m_started = false;
};

/// Evaluates one sample at position t with the given offsets (used by SampleWalk).
void evaluateSample(float t, const Offsets &offsets, Sample &out);
/// Tests all rules, in table order, against the sample's x and levels and fills its
/// marks (called by evaluateSample). All levels 183 at x = 130 → rules 14–20 and 22–25.
void markSample(Sample &sample);

} // namespace engine

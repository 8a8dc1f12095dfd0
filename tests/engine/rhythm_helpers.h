// SPDX-License-Identifier: MIT
#pragma once

// Samples for the rhythm tests: a whole month walked, or one sample at chosen levels.

#include "engine/rhythm.h"

#include <QList>
#include <vector>

inline QList<int> rulesOf(const engine::Sample &s)
{
    QList<int> rules;
    for (int i = 0; i < s.markCount; ++i)
        rules.append(s.marks[static_cast<std::size_t>(i)].rule);
    return rules;
}

inline std::vector<engine::Sample> walkAll(float daysSinceBirth, float length)
{
    std::vector<engine::Sample> samples;
    engine::SampleWalk walk(daysSinceBirth, length);
    for (engine::Sample s; walk.next(s);)
        samples.push_back(s);
    return samples;
}

inline engine::Sample withLevels(float x, float p, float s, float i)
{
    engine::Sample sample;
    sample.x = x;
    sample.level = {p, s, i};
    engine::markSample(sample);
    return sample;
}

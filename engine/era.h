// SPDX-License-Identifier: MIT
#pragma once

// The eras of the year fields, and the codes the checks take for them.

namespace engine {

/// The eras in the order of their option buttons.
enum class Era { Western, Heisei, Showa, Taisho, Reiwa };
inline constexpr int kEraCount = 5;

/// Era codes: 1–5 for the birth year's buttons, 6–10 for the displayed year's.
constexpr int birthEraCode(Era era)
{
    return 1 + static_cast<int>(era);
}
constexpr int shownEraCode(Era era)
{
    return 6 + static_cast<int>(era);
}
/// The era of a code of either group: 3 and 8 → Showa; any other number → Western.
constexpr Era eraOfCode(int code)
{
    if (code < 1 || code > 2 * kEraCount)
        return Era::Western;
    return static_cast<Era>((code - 1) % kEraCount);
}

} // namespace engine

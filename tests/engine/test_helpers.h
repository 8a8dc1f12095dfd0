// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTest>
#include <string_view>

// QCOMPARE treats floats as equal within a relative 1e-5, which would hide an
// off-by-one day count near 730000. Compared as doubles, one float ulp shows.
#define QCOMPARE_EXACT(actual, expected)                                                           \
    QCOMPARE(static_cast<double>(actual), static_cast<double>(expected))

inline QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

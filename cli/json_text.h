// SPDX-License-Identifier: MIT
#pragma once

// The few pieces of JSON the program writes, made by hand so that the keys keep their
// order and floats keep every digit they need.

#include <QByteArray>
#include <QStringView>

namespace cli {

/// A JSON string in UTF-8 with quotes: R"(a"b)" → R"("a\"b")"; control characters as \u00XX.
QByteArray jsonString(QStringView text);
/// A single-precision value as %.9g prints it, whatever the locale: 130.960007 → "130.960007",
/// 31 → "31". Reading the text back as a float gives the same value.
QByteArray jsonFloat(float value);

} // namespace cli

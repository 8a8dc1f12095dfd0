// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace soak {

using namespace Qt::StringLiterals;

/// The main window's input fields, in the order the soak types into them.
inline const std::array<QString, 6> kMainFields {
    u"EDIT1"_s, u"EDIT2"_s, u"EDIT3"_s, u"EDIT4"_s, u"EDIT5"_s, u"EDIT26"_s};

inline QString qName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace soak

// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace ui {

/// The engine's UTF-8 texts and control names as QString.
inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace ui

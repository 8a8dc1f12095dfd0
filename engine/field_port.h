// SPDX-License-Identifier: MIT
#pragma once

#include "engine/control_names.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine {

/// The main window's fields and option buttons as the engine sees them, by control
/// name, with texts in UTF-8. The window implements it; tests use a map.
class FieldPort
{
public:
    virtual ~FieldPort() = default;
    virtual std::string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, std::string_view utf8) = 0;
    virtual bool isChecked(std::string_view control) const = 0;
    /// Changes the check state only; the button's click procedure does not run.
    virtual void setChecked(std::string_view control, bool checked) = 0;
    /// Maximum text length in code-page-932 bytes.
    virtual void setMaxBytes(std::string_view control, int bytes) = 0;
};

/// The era of the last checked button of a group; nothing when none is checked.
inline std::optional<Era> checkedEra(const FieldPort &fields, const names::EraNames &buttons)
{
    std::optional<Era> era;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (fields.isChecked(buttons[i]))
            era = static_cast<Era>(i);
    }
    return era;
}

} // namespace engine

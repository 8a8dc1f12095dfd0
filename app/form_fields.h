// SPDX-License-Identifier: MIT
#pragma once

#include "engine/field_port.h"

namespace ui {
class Form;
}

namespace app {

/// A window's controls as the engine reads and writes them: by control name, with
/// texts in UTF-8.
class FormFields : public engine::FieldPort
{
public:
    explicit FormFields(ui::Form &form)
        : m_form(form)
    { }

    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view utf8) override;
    bool isChecked(std::string_view control) const override;
    void setChecked(std::string_view control, bool checked) override;
    void setMaxBytes(std::string_view control, int bytes) override;

private:
    ui::Form &m_form;
};

} // namespace app

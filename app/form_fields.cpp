// SPDX-License-Identifier: MIT
#include "app/form_fields.h"

#include "ui/text/strings.h"
#include "ui/widgets/form.h"

namespace app {

std::string FormFields::text(std::string_view control) const
{
    return m_form.text(ui::toQString(control)).toStdString();
}

void FormFields::setText(std::string_view control, std::string_view utf8)
{
    m_form.setText(ui::toQString(control), ui::toQString(utf8));
}

bool FormFields::isChecked(std::string_view control) const
{
    return m_form.isChecked(ui::toQString(control));
}

void FormFields::setChecked(std::string_view control, bool checked)
{
    m_form.setChecked(ui::toQString(control), checked);
}

void FormFields::setMaxBytes(std::string_view control, int bytes)
{
    m_form.setMaxBytes(ui::toQString(control), bytes);
}

} // namespace app

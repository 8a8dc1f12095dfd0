#pragma once

// The input of one chart, taken through the window's own checks, and the window's
// fields as they stand after them, so that the chart draws and reads exactly what the
// window would.

#include "engine/field_port.h"
#include "engine/input_check.h"

#include <QString>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace cli {

/// The texts of the birth date and month fields and the era codes of their buttons, as
/// they would be typed.
struct FieldTexts
{
    QString birthYear, birthMonth, birthDay;
    int birthEra = engine::birthEraCode(engine::Era::Western); ///< 1–5
    QString shownYear, shownMonth;
    int shownEra = engine::shownEraCode(engine::Era::Western); ///< 6–10
};

/// Why the checks emptied a field.
struct Refusal
{
    engine::Field field = engine::Field::None;
    QString value; ///< the refused value as given: "昭和64", "13"
    QString reason; ///< "out of range for 昭和 (1–63)"

    /// "birth year", "birth month", "birth day", "month year", "month".
    QString fieldLabel() const;
    /// "birth year 昭和64: out of range for 昭和 (1–63)"
    QString message() const;
};

struct CheckedRequest
{
    std::optional<engine::CheckedInput> input; ///< set when every check passed
    std::optional<Refusal> refusal; ///< set otherwise
};

/// Reads the texts as the fields do and runs the checks of a click on 表示.
CheckedRequest checkFields(const FieldTexts &texts);

/// The window's fields and buttons in a map, addressed by control name.
class FieldMap : public engine::FieldPort
{
public:
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view utf8) override;
    bool isChecked(std::string_view control) const override;
    void setChecked(std::string_view control, bool checked) override;
    void setMaxBytes(std::string_view control, int bytes) override;

private:
    std::map<std::string, std::string, std::less<>> m_texts;
    std::set<std::string, std::less<>> m_checked;
};

/// The fields after a successful check: the Western birth date and month with 西暦
/// checked in both era groups, and the name.
FieldMap windowFields(const engine::CheckedInput &input, const QString &name);

} // namespace cli

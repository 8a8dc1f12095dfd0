// SPDX-License-Identifier: MIT
#include "fuzz/fuzz_harness.h"

#include "chart/month_chart.h"
#include "engine/calendar.h"
#include "engine/field_port.h"
#include "engine/redraw_cycle.h"
#include "roster/roster_file.h"
#include "ui/drawing/image_canvas.h"
#include "ui/text/cp932.h"
#include "ui/text/text_filter.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>

namespace fuzz {

bool checkRosterBytes(QByteArrayView bytes)
{
    const roster::RosterResult<roster::Roster> read = roster::parseRoster(bytes);
    if (!read)
        return read.error() == roster::RosterError::Short
            || read.error() == roster::RosterError::Malformed;
    // The writer stores quotes and characters without a code-page-932 form safely, so
    // one save settles the values and a second round changes nothing.
    const QByteArray saved = roster::rosterBytes(*read);
    const roster::RosterResult<roster::Roster> again = roster::parseRoster(saved);
    return again && roster::rosterBytes(*again) == saved;
}

namespace {

namespace names = engine::names;

// In the order the input gives them.
constexpr std::array<std::string_view, 6> kTextFields {names::kBirthYear, names::kBirthMonth,
    names::kBirthDay, names::kShownYear, names::kShownMonth, names::kName};
constexpr const names::EraNames &kBirthButtons = names::kBirthEraButtons;
constexpr const names::EraNames &kShownButtons = names::kShownEraButtons;

/// The main window's fields as a map; texts pass through QString as they do in the
/// window, so invalid UTF-8 arrives as U+FFFD.
class MapWindow : public engine::CyclePort, public engine::FieldPort
{
public:
    explicit MapWindow(QString today)
        : m_today(std::move(today))
        , m_canvas(chart::kSurfaceSize)
    {
        m_canvas.clear();
    }

    std::string text(std::string_view control) const override
    {
        const auto it = m_texts.find(std::string(control));
        return it == m_texts.end() ? std::string() : it->second;
    }
    void setText(std::string_view control, std::string_view utf8) override
    {
        m_texts[std::string(control)]
            = QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toStdString();
    }
    bool isChecked(std::string_view control) const override
    {
        const auto it = m_checked.find(std::string(control));
        return it != m_checked.end() && it->second;
    }
    void setChecked(std::string_view control, bool checked) override
    {
        m_checked[std::string(control)] = checked;
    }
    // Limits bind typing only, and nobody types here.
    void setMaxBytes(std::string_view, int) override { }
    void clearChartArea() override { chart::clearChartArea(m_canvas); }
    void drawChart(const engine::CheckedInput &input) override
    {
        chart::redrawChart(m_canvas, chart::chartInput(input, fieldTexts(), m_today));
        ++m_draws;
    }
    void rosterCommand(engine::RosterRequest) override { }

    int draws() const { return m_draws; }

private:
    chart::FieldTexts fieldTexts() const
    {
        const auto textOf
            = [this](std::string_view field) { return QString::fromStdString(text(field)); };
        chart::FieldTexts texts;
        texts.birthYear = textOf(names::kBirthYear);
        texts.birthMonth = textOf(names::kBirthMonth);
        texts.birthDay = textOf(names::kBirthDay);
        texts.shownYear = textOf(names::kShownYear);
        texts.shownMonth = textOf(names::kShownMonth);
        texts.shownEra
            = engine::checkedEra(*this, names::kShownEraButtons).value_or(engine::Era::Western);
        texts.name = textOf(names::kName);
        return texts;
    }

    QString m_today;
    ui::ImageCanvas m_canvas;
    std::map<std::string, std::string, std::less<>> m_texts;
    std::map<std::string, bool, std::less<>> m_checked;
    int m_draws = 0;
};

void setButtons(MapWindow &window, const names::EraNames &buttons, unsigned bits)
{
    for (std::size_t i = 0; i < buttons.size(); ++i)
        window.setChecked(buttons[i], (bits >> i) & 1u);
}

} // namespace

bool checkInputRedraw(QByteArrayView bytes)
{
    if (bytes.size() < 5)
        return true;
    const auto byte
        = [&bytes](qsizetype i) { return unsigned(static_cast<unsigned char>(bytes[i])); };
    const QDate today = QDate(1900, 1, 1).addDays(byte(3) | byte(4) << 8);
    const QString todayText = today.toString(QStringLiteral("yyyy/MM/dd"));

    MapWindow window(todayText);
    setButtons(window, kBirthButtons, byte(0));
    setButtons(window, kShownButtons, byte(1));
    QByteArrayView rest = bytes.sliced(5);
    for (std::string_view field : kTextFields) {
        const qsizetype end = rest.indexOf('\r');
        const QByteArrayView piece = end < 0 ? rest : rest.first(end);
        window.setText(field, std::string_view(piece.data(), std::size_t(piece.size())));
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    }

    engine::RedrawCycle cycle(window, window);
    cycle.setBirthEra(int(byte(0) >> 5) % 5 + 1);
    cycle.setShownEra(int(byte(1) >> 5) % 5 + 6);
    cycle.afterEvent(); // the first pass, as at start-up
    const auto request = static_cast<engine::RedrawRequest>(int(byte(2) % 3) + 1);
    cycle.setRedrawRequest(request);
    cycle.afterEvent();

    // One pass draws at most once and never leaves a request behind.
    if (window.draws() > 1 || cycle.redrawRequest() != engine::RedrawRequest::None
        || cycle.rosterRequest() != engine::RosterRequest::None)
        return false;
    // A month that was stepped and drawn shows its year in Western form, from 1 to 9999.
    if (request != engine::RedrawRequest::AsEntered && window.draws() == 1) {
        const float year = engine::parseNumber(window.text(names::kShownYear));
        if (!(year >= 1.0f && year <= 9999.0f))
            return false;
        if (!window.isChecked(kShownButtons[0]))
            return false;
        for (std::size_t i = 1; i < kShownButtons.size(); ++i) {
            if (window.isChecked(kShownButtons[i]))
                return false;
        }
    }
    return true;
}

namespace {

QString fieldText(QByteArrayView bytes)
{
    static constexpr std::array<char16_t, 8> kOthers {
        u'あ', u'漢', u'\u3000', u'＂', 0xd83d, 0xde00, 0xfffd, u'ｱ'};
    QString text;
    for (const char b : bytes) {
        const auto code = static_cast<unsigned char>(b);
        text += code < 0xa0 ? QChar(char16_t(code)) : QChar(kOthers[code % kOthers.size()]);
    }
    return text;
}

} // namespace

bool checkFieldChange(QByteArrayView bytes)
{
    if (bytes.size() < 4)
        return true;
    const auto byte
        = [&bytes](qsizetype i) { return qsizetype(static_cast<unsigned char>(bytes[i])); };
    using ui::text_filter::Tab;
    const Tab tab = (byte(0) & 1) ? Tab::Allowed : Tab::Refused;
    const QByteArrayView rest = bytes.sliced(4);
    const qsizetype split = rest.size() * byte(1) / 256;
    const QString before = fieldText(rest.first(split));
    const QString brought = fieldText(rest.sliced(split));
    const qsizetype at = byte(2) % (before.size() + 1);
    const qsizetype replaced = byte(3) % (before.size() - at + 1);
    const QString after = QString(before).replace(at, replaced, brought);

    const auto refused = [tab](QChar c) {
        return ui::text_filter::isControl(c.unicode()) && !(tab == Tab::Allowed && c == u'\t');
    };
    const bool allowed = ui::text_filter::allowsChange(before, after, tab);
    if (!ui::text_filter::allowsChange(before, before, tab))
        return false;
    if (std::none_of(brought.begin(), brought.end(), refused))
        return allowed;
    if (!allowed)
        return true;
    // Taken: every control character after the change was already there before it,
    // and not another one in its place.
    std::array<int, 0xa0> left {};
    for (const QChar c : before) {
        if (refused(c))
            ++left[c.unicode()];
    }
    for (const QChar c : after) {
        if (refused(c) && --left[c.unicode()] < 0)
            return false;
    }
    return true;
}

} // namespace fuzz

// SPDX-License-Identifier: MIT
#include "fuzz/fuzz_harness.h"

#include "chart/chart_input.h"
#include "chart/month_chart.h"
#include "engine/calendar.h"
#include "engine/input_check.h"
#include "roster/roster_file.h"
#include "ui/drawing/image_canvas.h"
#include "ui/text/cp932.h"
#include "ui/text/text_filter.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <array>
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

// The era of a group as the window reads its buttons, checked by bits 0–4: the first
// checked one, 西暦 when none is.
engine::Era checkedEra(unsigned bits)
{
    for (int i = 0; i < engine::kEraCount; ++i) {
        if ((bits >> i) & 1u)
            return static_cast<engine::Era>(i);
    }
    return engine::Era::Western;
}

} // namespace

bool checkInputRedraw(QByteArrayView bytes)
{
    if (bytes.size() < 5)
        return true;
    const auto byte
        = [&bytes](qsizetype i) { return unsigned(static_cast<unsigned char>(bytes[i])); };
    const QDate today = QDate(1900, 1, 1).addDays(byte(3) | byte(4) << 8);

    chart::FieldTexts texts;
    texts.birthEra = checkedEra(byte(0));
    texts.shownEra = checkedEra(byte(1));
    // In the order the input gives them; invalid UTF-8 arrives as U+FFFD, as in a field.
    QString *const fields[] = {&texts.birthYear, &texts.birthMonth, &texts.birthDay,
        &texts.shownYear, &texts.shownMonth, &texts.name};
    QByteArrayView rest = bytes.sliced(5);
    for (QString *field : fields) {
        const qsizetype end = rest.indexOf('\r');
        *field = QString::fromUtf8(end < 0 ? rest : rest.first(end));
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    }

    // Start-up's white chart area, then one chart command as the main window runs it.
    ui::ImageCanvas canvas(chart::kSurfaceSize);
    canvas.clear();
    chart::clearChartArea(canvas);
    const auto step = static_cast<engine::Step>(int(byte(2) % 3) + 1);
    const engine::CheckOutcome outcome = engine::check(texts.formInput(), step);
    if (outcome.stepped)
        texts.showSteppedMonth(*outcome.stepped);
    // Every field emptied has its reason, and only a field emptied has one.
    if ((outcome.rejected == engine::Field::None) != (outcome.reason == engine::Reason::None))
        return false;
    if (outcome.rejected != engine::Field::None)
        return true;
    chart::redrawChart(canvas, chart::chartInput(outcome.input, texts, chart::engineDate(today)));

    // A month that was stepped and drawn was written back, its year in Western form, from
    // 1 to 9999.
    if (step != engine::Step::AsEntered) {
        if (!outcome.stepped || texts.shownEra != engine::Era::Western)
            return false;
        const float year = engine::parseNumber(texts.shownYear.toStdString());
        if (!(year >= 1.0f && year <= 9999.0f))
            return false;
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

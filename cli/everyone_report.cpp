// SPDX-License-Identifier: MIT
#include "cli/everyone_report.h"

#include "chart/day_summary.h"
#include "cli/json_text.h"
#include "engine/calendar.h"
#include "engine/month_walk.h"
#include "engine/rhythm.h"
#include "ui/text/strings.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

QString isoDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

/// The labels of the rows set in bits, in row order.
QStringList labels(std::uint32_t rows)
{
    QStringList out;
    for (int row = 0; row < engine::kRowCount; ++row) {
        if (rows & (std::uint32_t(1) << row))
            out.append(ui::toQString(engine::kDayKinds[static_cast<std::size_t>(row)].label));
    }
    return out;
}

PersonDay personOn(const roster::RosterEntry &entry, int number, const QDate &date)
{
    PersonDay person;
    person.entry = number;
    person.name = entry.name;
    // As 選択・保存 puts them.
    const chart::FieldTexts texts
        = chart::pickedPerson(entry.name, entry.year, entry.month, entry.day, date);
    const CheckedRequest request = checkFields(texts);
    if (!request.input) {
        person.refusal = request.refusal;
        return person;
    }
    const engine::CheckedInput &in = *request.input;
    person.dayCount
        = chart::dayCount({in.birthYear, in.birthMonth, in.birthDay}, chart::engineDate(date));
    person.rows = engine::MonthWalk(in).dayRows().at(static_cast<std::size_t>(date.day() - 1));
    return person;
}

} // namespace

std::vector<PersonDay> everyoneOn(const roster::Roster &roster, const QDate &date)
{
    std::vector<PersonDay> people;
    for (std::size_t k = 0; k < roster.size(); ++k) {
        const roster::RosterEntry &entry = roster[k];
        if (entry.name.isEmpty() && entry.year.isEmpty() && entry.month.isEmpty()
            && entry.day.isEmpty())
            continue;
        people.push_back(personOn(entry, static_cast<int>(k) + 1, date));
    }
    return people;
}

QString everyoneTable(const QDate &date, const std::vector<PersonDay> &people)
{
    // Monday is 1 here and 0 in the engine.
    QString out
        = isoDate(date) % u' ' % ui::toQString(engine::weekdayName(date.dayOfWeek() - 1)) % u'\n';
    for (const PersonDay &person : people) {
        out += u"%1  "_s.arg(person.entry, 2) % person.name % u"  "_s;
        if (person.refusal) {
            out += person.refusal->message() % u'\n';
            continue;
        }
        out += chart::countText(person.dayCount).trimmed() % u'日';
        const QStringList kinds = labels(person.rows);
        if (!kinds.isEmpty())
            out += u"  "_s % kinds.join(u" | "_s);
        out += u'\n';
    }
    return out;
}

QByteArray everyoneJson(const QDate &date, const std::vector<PersonDay> &people)
{
    QByteArray out = "{\n  \"date\": " + jsonString(isoDate(date)) + ",\n  \"people\": [";
    for (std::size_t i = 0; i < people.size(); ++i) {
        const PersonDay &person = people[i];
        out += (i ? ",\n    {" : "\n    {");
        out += "\"entry\": " + QByteArray::number(person.entry)
            + ", \"name\": " + jsonString(person.name) + ", ";
        if (person.refusal) {
            out += "\"refused\": {\"field\": " + jsonString(person.refusal->fieldLabel())
                + ", \"value\": " + jsonString(person.refusal->value)
                + ", \"reason\": " + jsonString(person.refusal->reason) + "}}";
            continue;
        }
        QByteArray rows, kinds;
        for (int row = 0; row < engine::kRowCount; ++row) {
            if (person.rows & (std::uint32_t(1) << row))
                rows += (rows.isEmpty() ? "" : ", ") + QByteArray::number(row);
        }
        for (const QString &label : labels(person.rows))
            kinds += (kinds.isEmpty() ? "" : ", ") + jsonString(label);
        out += "\"days\": " + jsonFloat(person.dayCount) + ", \"rows\": [" + rows
            + "], \"kinds\": [" + kinds + "]}";
    }
    out += people.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

} // namespace cli

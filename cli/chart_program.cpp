// SPDX-License-Identifier: MIT
#include "cli/chart_program.h"

#include "chart/chart_picture.h"
#include "cli/chart_report.h"
#include "cli/chart_request.h"
#include "cli/command_line.h"
#include "cli/everyone_report.h"
#include "cli/roster_json.h"
#include "export/ics_calendar.h"
#include "roster/roster_file.h"
#include "ui/drawing/png_file.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

constexpr QStringView kProgram = u"quorvel-chart: ";

void write(QIODevice &device, const QString &text)
{
    device.write(text.toUtf8());
}

/// The roster, or a message for a file the roster window could not read either.
std::optional<roster::Roster> readRosterFile(const QString &fileName, QString &error)
{
    // Unlike the roster window, which starts a missing roster afresh, nothing is created.
    roster::RosterError reason = roster::RosterError::Unreadable;
    std::optional<roster::Roster> roster = roster::readRoster(fileName, &reason);
    if (roster)
        return roster;
    QString why;
    switch (reason) {
    case roster::RosterError::Missing:
        why = u"no such file"_s;
        break;
    case roster::RosterError::Short:
        why = u"it ends before ten entries of four items (name, year, month, day)"_s;
        break;
    case roster::RosterError::Malformed:
        why = u"an item has a second double quote right after its closing quote"_s;
        break;
    case roster::RosterError::Unreadable:
    case roster::RosterError::WriteFailed:
        why = u"it cannot be opened for reading"_s;
        break;
    }
    error = u"roster file "_s % fileName % u": "_s % why;
    return std::nullopt;
}

/// The texts and eras as they would stand in the main window's fields.
chart::FieldTexts fieldTexts(
    const CommandLine &line, const std::optional<roster::RosterEntry> &person, const QDate &today)
{
    chart::FieldTexts texts;
    if (person) {
        // As 選択・保存 puts them.
        texts = chart::pickedPerson(person->name, person->year, person->month, person->day, today);
    } else {
        texts.birthYear = line.birth->year;
        texts.birthMonth = line.birth->month;
        texts.birthDay = line.birth->day;
        texts.birthEra = line.birth->era;
    }
    if (line.month) {
        texts.shownYear = line.month->year;
        texts.shownMonth = line.month->month;
        texts.shownEra = line.month->era;
    } else {
        texts.showMonthOf(today);
    }
    texts.name = line.name ? *line.name : person ? person->name : QString();
    return texts;
}

bool saveBytes(const QByteArray &bytes, const QString &fileName, QIODevice &out, QString &error)
{
    if (fileName == u"-"_s) {
        out.write(bytes);
        return true;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = u"cannot write "_s % fileName % u": "_s % file.errorString();
        return false;
    }
    return true;
}

/// The picture, the JSON report, the calendar and the day table that the command line
/// asks for.
int writeOutputs(const CommandLine &line, const chart::ChartInput &input, const QDateTime &now,
    QIODevice &out, QIODevice &err, const std::function<void()> &beforeDrawing)
{
    QString error;
    if (!line.pngFile.isEmpty()) {
        if (beforeDrawing)
            beforeDrawing();
        QString reason;
        if (!ui::writePng(chart::renderChart(input, line.scale), line.pngFile, &reason)) {
            write(err, kProgram % u"cannot write "_s % line.pngFile % u": "_s % reason % u'\n');
            return kOutputFailed;
        }
    }
    if (!line.icsFile.isEmpty()) {
        const ics::ChartCalendar calendar = ics::chartCalendar(input, line.months, line.kinds, now);
        if (!saveBytes(calendar.text, line.icsFile, out, error)) {
            write(err, kProgram % error % u'\n');
            return kOutputFailed;
        }
        if (calendar.months < line.months)
            write(err,
                kProgram % u"the calendar holds "_s % QString::number(calendar.months) % u" of "_s
                    % QString::number(line.months)
                    % u" months: no date after November 3000 can be written\n"_s);
    }
    if (line.jsonFile.isEmpty() && !line.days)
        return kDone;
    const MonthReport report = buildReport(input);
    if (!line.jsonFile.isEmpty() && !saveBytes(reportJson(report), line.jsonFile, out, error)) {
        write(err, kProgram % error % u'\n');
        return kOutputFailed;
    }
    if (line.days)
        write(out, dayTable(report));
    return kDone;
}

/// Everyone's day: the table, or the JSON where --json asks for it.
int writeEveryone(const CommandLine &line, const roster::Roster &roster, const QDate &date,
    QIODevice &out, QIODevice &err)
{
    const std::vector<PersonDay> people = everyoneOn(roster, date);
    if (line.jsonFile.isEmpty()) {
        write(out, everyoneTable(date, people));
        return kDone;
    }
    QString error;
    if (!saveBytes(everyoneJson(date, people), line.jsonFile, out, error)) {
        write(err, kProgram % error % u'\n');
        return kOutputFailed;
    }
    return kDone;
}

} // namespace

int runChartProgram(const QStringList &arguments, const QDateTime &localNow, QIODevice &out,
    QIODevice &err, const std::function<void()> &beforeDrawing)
{
    const QDate localToday = localNow.date();
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (parsed.help) {
        write(out, usageText());
        return kDone;
    }
    if (!parsed.commandLine) {
        write(err, kProgram % parsed.error % u'\n' % usageText());
        return kUsageError;
    }
    const CommandLine &line = *parsed.commandLine;

    std::optional<roster::RosterEntry> person;
    if (!line.rosterFile.isEmpty()) {
        QString error;
        const std::optional<roster::Roster> roster = readRosterFile(line.rosterFile, error);
        if (!roster) {
            write(err, kProgram % error % u'\n');
            return kRosterUnreadable;
        }
        if (line.rosterOnly()) {
            out.write(rosterJson(*roster));
            return kDone;
        }
        if (line.everyone)
            return writeEveryone(line, *roster, line.date.value_or(localToday), out, err);
        person = (*roster)[static_cast<std::size_t>(line.person - 1)];
    }

    const QDate today = line.today.value_or(localToday);

    const chart::FieldTexts texts = fieldTexts(line, person, today);
    const CheckedRequest request = checkFields(texts);
    if (!request.input) {
        write(err, kProgram % request.refusal->message() % u'\n');
        return kInputRefused;
    }
    const chart::ChartInput input
        = chart::chartInput(*request.input, texts, chart::engineDate(today));

    return writeOutputs(line, input, localNow, out, err, beforeDrawing);
}

} // namespace cli

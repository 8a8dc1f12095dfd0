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
#include "ui/text/save_file.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

constexpr QStringView kProgram = u"quorvel-chart: ";

void write(QIODevice &device, const QString &text)
{
    device.write(text.toUtf8());
}

/// The roster, or a message for a file the roster window could not read either.
engine::Result<roster::Roster, QString> readRosterFile(const QString &fileName)
{
    // Unlike the roster window, which starts a missing roster afresh, nothing is created.
    roster::RosterResult<roster::Roster> roster = roster::readRoster(fileName);
    if (roster)
        return std::move(*roster);
    QString why;
    switch (roster.error()) {
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
    return engine::Failure {QString(u"roster file "_s % fileName % u": "_s % why)};
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

/// Whether the file was saved; if not, a message on err says why.
bool reportSave(const QString &fileName, const ui::SaveResult &saved, QIODevice &err)
{
    if (!saved)
        write(err, kProgram % u"cannot write "_s % fileName % u": "_s % saved.error() % u'\n');
    return saved.ok();
}

/// The bytes into the file, or onto standard output for "-".
bool saveBytes(const QByteArray &bytes, const QString &fileName, QIODevice &out, QIODevice &err)
{
    if (fileName == u"-"_s) {
        out.write(bytes);
        return true;
    }
    return reportSave(fileName, ui::saveFile(fileName, bytes), err);
}

/// The picture, the JSON report, the calendar and the day table that the command line
/// asks for.
int writeOutputs(const CommandLine &line, const chart::ChartInput &input, const QDateTime &now,
    QIODevice &out, QIODevice &err, const std::function<void()> &beforeDrawing)
{
    if (!line.pngFile.isEmpty()) {
        if (beforeDrawing)
            beforeDrawing();
        const QImage picture = chart::renderChart(input, line.scale);
        if (!reportSave(line.pngFile, ui::writePng(picture, line.pngFile), err))
            return kOutputFailed;
    }
    if (!line.icsFile.isEmpty()) {
        const ics::ChartCalendar calendar = ics::chartCalendar(input, line.months, line.kinds, now);
        if (!saveBytes(calendar.text, line.icsFile, out, err))
            return kOutputFailed;
        if (calendar.months < line.months)
            write(err,
                kProgram % u"the calendar holds "_s % QString::number(calendar.months) % u" of "_s
                    % QString::number(line.months)
                    % u" months: no date after November 3000 can be written\n"_s);
    }
    if (line.jsonFile.isEmpty() && !line.days)
        return kDone;
    const MonthReport report = buildReport(input);
    if (!line.jsonFile.isEmpty() && !saveBytes(reportJson(report), line.jsonFile, out, err))
        return kOutputFailed;
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
    return saveBytes(everyoneJson(date, people), line.jsonFile, out, err) ? kDone : kOutputFailed;
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
        const engine::Result<roster::Roster, QString> roster = readRosterFile(line.rosterFile);
        if (!roster) {
            write(err, kProgram % roster.error() % u'\n');
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

// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <QRegularExpression>
#include <array>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

constexpr std::array<QStringView, engine::kEraCount> kEraNames {
    u"西暦", u"平成", u"昭和", u"大正", u"令和"};

// In the order of ics::Kinds.
const QStringList kKindNames {u"caution"_s, u"good"_s, u"all"_s};

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return false;
    }
    return true;
}

/// Splits off a leading era name; no name means 西暦.
std::pair<engine::Era, QStringView> splitEra(QStringView text)
{
    for (std::size_t i = 0; i < kEraNames.size(); ++i) {
        if (text.startsWith(kEraNames[i]))
            return {static_cast<engine::Era>(i), text.mid(kEraNames[i].size())};
    }
    return {engine::Era::Western, text};
}

std::optional<EraDate> parseParts(QStringView text, int partCount)
{
    const auto [era, rest] = splitEra(text);
    const QList<QStringView> parts = rest.split(u'-');
    if (parts.size() != partCount)
        return std::nullopt;
    for (QStringView part : parts) {
        if (!allDigits(part))
            return std::nullopt;
    }
    EraDate date;
    date.era = era;
    date.year = parts[0].toString();
    date.month = parts[1].toString();
    if (partCount == 3)
        date.day = parts[2].toString();
    return date;
}

bool parseInteger(const QString &text, int low, int high, int &value)
{
    if (!allDigits(text) || text.size() > 2)
        return false;
    value = text.toInt();
    return value >= low && value <= high;
}

/// Takes the value of an option given as "--opt value" or "--opt=value".
class ArgumentCursor
{
public:
    explicit ArgumentCursor(const QStringList &arguments)
        : m_arguments(arguments)
    { }

    bool atEnd() const { return m_index >= m_arguments.size(); }

    /// The next option name; an attached "=value" is kept for value().
    QString nextOption()
    {
        QString argument = m_arguments[m_index++];
        m_attached.reset();
        const qsizetype equals = argument.indexOf(u'=');
        if (argument.startsWith(u"--"_s) && equals > 2) {
            m_attached = argument.mid(equals + 1);
            argument.truncate(equals);
        }
        return argument;
    }

    bool hasAttachedValue() const { return m_attached.has_value(); }

    std::optional<QString> value()
    {
        if (m_attached)
            return std::exchange(m_attached, std::nullopt);
        if (atEnd())
            return std::nullopt;
        return m_arguments[m_index++];
    }

private:
    const QStringList &m_arguments;
    qsizetype m_index = 0;
    std::optional<QString> m_attached;
};

ParsedCommandLine failure(const QString &error)
{
    ParsedCommandLine parsed;
    parsed.error = error;
    return parsed;
}

} // namespace

QStringView eraName(engine::Era era)
{
    return kEraNames[static_cast<std::size_t>(era)];
}

std::optional<EraDate> parseDate(QStringView text)
{
    return parseParts(text, 3);
}

std::optional<EraDate> parseMonth(QStringView text)
{
    return parseParts(text, 2);
}

std::optional<QDate> parseToday(QStringView text)
{
    static const QRegularExpression form(u"^\\d{4}-\\d{2}-\\d{2}$"_s);
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(text.toString(), Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

namespace {

/// Stores the value of an option that names a date, a month or a person; the message
/// when the value is not of the option's form.
QString takeInputValue(CommandLine &line, const QString &option, const QString &value)
{
    if (option == u"--birth"_s) {
        line.birth = parseDate(value);
        if (!line.birth)
            return u"--birth: expected YYYY-MM-DD or an era form such as 昭和60-4-12, got "_s
                + value;
    } else if (option == u"--month"_s) {
        line.month = parseMonth(value);
        if (!line.month)
            return u"--month: expected YYYY-MM or an era form such as 令和8-12, got "_s + value;
    } else if (option == u"--today"_s || option == u"--date"_s) {
        std::optional<QDate> &date = option == u"--today"_s ? line.today : line.date;
        date = parseToday(value);
        if (!date)
            return option + u": expected a date YYYY-MM-DD, got "_s + value;
    } else if (option == u"--name"_s) {
        line.name = value;
    } else if (option == u"--roster"_s) {
        if (value.isEmpty())
            return u"--roster needs a file name"_s;
        line.rosterFile = value;
    } else if (option == u"--person"_s) {
        if (!parseInteger(value, 1, 10, line.person))
            return u"--person: expected 1 to 10, got "_s + value;
    }
    return {};
}

/// The same for the options of the outputs.
QString takeOutputValue(CommandLine &line, const QString &option, const QString &value)
{
    if (option == u"--png"_s || option == u"--json"_s || option == u"--ics"_s) {
        if (value.isEmpty())
            return option
                + (option == u"--png"_s ? u" needs a file name"_s : u" needs a file name or -"_s);
        (option == u"--png"_s           ? line.pngFile
                : option == u"--json"_s ? line.jsonFile
                                        : line.icsFile)
            = value;
    } else if (option == u"--scale"_s) {
        if (!parseInteger(value, 1, 4, line.scale))
            return u"--scale: expected 1 to 4, got "_s + value;
    } else if (option == u"--months"_s) {
        if (!parseInteger(value, 1, kMaxCalendarMonths, line.months))
            return u"--months: expected 1 to 24, got "_s + value;
    } else if (option == u"--kinds"_s) {
        const qsizetype kinds = kKindNames.indexOf(value);
        if (kinds < 0)
            return u"--kinds: expected caution, good or all, got "_s + value;
        line.kinds = static_cast<ics::Kinds>(kinds);
    } else {
        return takeInputValue(line, option, value);
    }
    return {};
}

/// The message when --everyone comes with options it does not take.
QString checkEveryone(const CommandLine &line, const QStringList &seen)
{
    if (line.rosterFile.isEmpty())
        return u"--everyone needs --roster"_s;
    for (const QString &option : seen) {
        if (option != u"--roster"_s && option != u"--everyone"_s && option != u"--date"_s
            && option != u"--json"_s)
            return u"--everyone does not go with "_s + option;
    }
    return {};
}

/// The message when the options do not go together; fills in the default day table.
QString checkCombination(CommandLine &line, const QStringList &seen)
{
    if (line.person != 0 && line.rosterFile.isEmpty())
        return u"--person needs --roster"_s;
    if (line.person != 0 && line.birth)
        return u"--birth and --person both give the birth date"_s;
    if (line.everyone)
        return checkEveryone(line, seen);
    if (line.date)
        return u"--date needs --everyone"_s;
    if (line.rosterOnly()) {
        if (seen.size() > 1)
            return u"--roster without --person only prints the roster"_s;
    } else if (!line.birth && line.person == 0) {
        return u"--birth or --roster with --person is needed"_s;
    }
    if (seen.contains(u"--scale"_s) && line.pngFile.isEmpty())
        return u"--scale needs --png"_s;
    for (QStringView option : {u"--months", u"--kinds"}) {
        if (seen.contains(option) && line.icsFile.isEmpty())
            return option.toString() + u" needs --ics"_s;
    }
    const bool jsonOut = line.jsonFile == u"-"_s, icsOut = line.icsFile == u"-"_s;
    if (jsonOut && line.days)
        return u"--json - and --days would both write to standard output"_s;
    if (icsOut && (jsonOut || line.days))
        return u"--ics - and "_s + (jsonOut ? u"--json -"_s : u"--days"_s)
            + u" would both write to standard output"_s;
    if (!line.rosterOnly() && line.pngFile.isEmpty() && line.jsonFile.isEmpty()
        && line.icsFile.isEmpty())
        line.days = true;
    return {};
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    QStringList seen;
    ArgumentCursor cursor(arguments);
    while (!cursor.atEnd()) {
        const QString option = cursor.nextOption();
        if (option == u"--help"_s || option == u"-h"_s) {
            ParsedCommandLine parsed;
            parsed.help = true;
            return parsed;
        }
        if (seen.contains(option))
            return failure(option + u" is given twice"_s);
        seen.append(option);

        if (option == u"--days"_s || option == u"--everyone"_s) {
            if (cursor.hasAttachedValue())
                return failure(option + u" takes no value"_s);
            (option == u"--days"_s ? line.days : line.everyone) = true;
            continue;
        }
        static const QStringList valued {u"--birth"_s, u"--month"_s, u"--today"_s, u"--name"_s,
            u"--roster"_s, u"--person"_s, u"--png"_s, u"--scale"_s, u"--json"_s, u"--ics"_s,
            u"--months"_s, u"--kinds"_s, u"--date"_s};
        if (!valued.contains(option))
            return failure(u"unknown argument "_s + option);
        const std::optional<QString> value = cursor.value();
        if (!value)
            return failure(option + u" needs a value"_s);
        if (const QString error = takeOutputValue(line, option, *value); !error.isEmpty())
            return failure(error);
    }
    if (const QString error = checkCombination(line, seen); !error.isEmpty())
        return failure(error);

    ParsedCommandLine parsed;
    parsed.commandLine = std::move(line);
    return parsed;
}

QString usageText()
{
    return u"usage: quorvel-chart [--birth DATE] [--month MONTH] [--today YYYY-MM-DD] [--name "
           u"NAME]\n"
           "                     [--roster FILE [--person N]] [--png FILE] [--scale K]\n"
           "                     [--json FILE|-] [--days]\n"
           "                     [--ics FILE|- [--months N] [--kinds caution|good|all]]\n"
           "       quorvel-chart --roster FILE --everyone [--date YYYY-MM-DD] [--json FILE|-]\n"
           "\n"
           "  --birth DATE      birth date: YYYY-MM-DD, or in an era: 昭和60-4-12, 平成31-4-30,\n"
           "                    大正15-1-1, 令和8-12-8, 西暦2000-1-1\n"
           "  --month MONTH     month shown: YYYY-MM or 令和8-12 (default: today's month)\n"
           "  --today DATE      today's date (default: the local date)\n"
           "  --name NAME       name for the birthday greeting and the calendar\n"
           "  --roster FILE     the birthday roster; alone, prints its ten entries as JSON\n"
           "  --person N        with --roster: chart entry N (1-10)\n"
           "  --png FILE        the chart as a 634 x 476 PNG picture\n"
           "  --scale K         with --png: K (1-4) times larger\n"
           "  --json FILE|-     samples, marks and days as JSON (- for standard output)\n"
           "  --days            one line per day with the rows marked that day (the default\n"
           "                    when none of --png, --json and --ics is given)\n"
           "  --ics FILE|-      the marked days as all-day events of an iCalendar file\n"
           "  --months N        with --ics: N (1-24) months from the month shown (default 1)\n"
           "  --kinds KINDS     with --ics: caution (the default): caution days; good: good\n"
           "                    days and rest days; all: every row\n"
           "  --everyone        with --roster: every entry's day count and rows on one date,\n"
           "                    as a table or with --json; refused entries say why\n"
           "  --date DATE       with --everyone: that date (default: today)\n"
           "\n"
           "exit status: 0 done, 1 an output could not be written, 2 usage,\n"
           "             3 input refused by the checks, 4 roster file unreadable\n"_s;
}

} // namespace cli

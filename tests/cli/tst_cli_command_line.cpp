// SPDX-License-Identifier: MIT
// Argument forms, usage errors, and the window's checks as the program applies them:
// era years convert as the era buttons do, and every refused value names its field and
// reason and ends with status 3 without writing anything.

#include "cli/chart_request.h"
#include "cli/command_line.h"
#include "cli_test_helpers.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The fields of a --birth and a --month as the program reads them, checked.
cli::CheckedRequest checked(const QString &birth, const QString &month)
{
    const cli::EraDate b = *cli::parseDate(birth);
    const cli::EraDate m = *cli::parseMonth(month);
    return cli::checkFields({b.year, b.month, b.day, b.era, m.year, m.month, m.era, {}});
}

} // namespace

class TestCliCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateForms_data();
    void dateForms();
    void monthForms_data();
    void monthForms();
    void usageErrors_data();
    void usageErrors();
    void defaultOutput_data();
    void defaultOutput();
    void eraYearsConvert_data();
    void eraYearsConvert();
    void refusals_data();
    void refusals();
    void refusalWritesNothing();
};

void TestCliCommandLine::dateForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("era");
    QTest::addColumn<QStringList>("parts");

    QTest::newRow("western") << u"1985-04-12"_s << true << 0
                             << QStringList {u"1985"_s, u"04"_s, u"12"_s};
    QTest::newRow("showa") << u"昭和60-4-12"_s << true << 2
                           << QStringList {u"60"_s, u"4"_s, u"12"_s};
    QTest::newRow("heisei") << u"平成31-4-30"_s << true << 1
                            << QStringList {u"31"_s, u"4"_s, u"30"_s};
    QTest::newRow("taisho") << u"大正15-1-1"_s << true << 3
                            << QStringList {u"15"_s, u"1"_s, u"1"_s};
    QTest::newRow("reiwa") << u"令和8-12-8"_s << true << 4 << QStringList {u"8"_s, u"12"_s, u"8"_s};
    QTest::newRow("seireki") << u"西暦2000-1-1"_s << true << 0
                             << QStringList {u"2000"_s, u"1"_s, u"1"_s};
    // Out-of-range values are well formed: the checks refuse them, not the parser.
    QTest::newRow("showa 64") << u"昭和64-1-1"_s << true << 2
                              << QStringList {u"64"_s, u"1"_s, u"1"_s};
    QTest::newRow("slashes") << u"1985/04/12"_s << false << 0 << QStringList {};
    QTest::newRow("two parts") << u"昭和60-4"_s << false << 0 << QStringList {};
    QTest::newRow("four parts") << u"2000-1-1-1"_s << false << 0 << QStringList {};
    QTest::newRow("unknown era") << u"明治1-1-1"_s << false << 0 << QStringList {};
    QTest::newRow("era without year") << u"令和-1-1"_s << false << 0 << QStringList {};
    QTest::newRow("sign") << u"-1-1-1"_s << false << 0 << QStringList {};
    QTest::newRow("letters") << u"85-4-x"_s << false << 0 << QStringList {};
    QTest::newRow("fraction") << u"2000-2.5-1"_s << false << 0 << QStringList {};
    QTest::newRow("empty") << QString() << false << 0 << QStringList {};
}

void TestCliCommandLine::dateForms()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<cli::EraDate> date = cli::parseDate(text);
    QCOMPARE(date.has_value(), valid);
    if (!valid)
        return;
    QFETCH(int, era);
    QFETCH(QStringList, parts);
    QCOMPARE(int(date->era), era);
    QCOMPARE((QStringList {date->year, date->month, date->day}), parts);
}

void TestCliCommandLine::monthForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("era");

    QTest::newRow("western") << u"2026-12"_s << true << 0;
    QTest::newRow("reiwa") << u"令和8-12"_s << true << 4;
    QTest::newRow("heisei") << u"平成36-5"_s << true << 1;
    QTest::newRow("with day") << u"2026-12-01"_s << false << 0;
    QTest::newRow("year only") << u"2026"_s << false << 0;
}

void TestCliCommandLine::monthForms()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<cli::EraDate> month = cli::parseMonth(text);
    QCOMPARE(month.has_value(), valid);
    if (valid) {
        QFETCH(int, era);
        QCOMPARE(int(month->era), era);
        QVERIFY(month->day.isEmpty());
    }
}

void TestCliCommandLine::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");

    QTest::newRow("nothing") << QStringList {} << u"--birth"_s;
    QTest::newRow("unknown") << QStringList {u"--birth"_s, u"2000-1-1"_s, u"--colour"_s}
                             << u"--colour"_s;
    QTest::newRow("no value") << QStringList {u"--birth"_s} << u"--birth"_s;
    QTest::newRow("bad date") << QStringList {u"--birth"_s, u"2000/1/1"_s} << u"2000/1/1"_s;
    QTest::newRow("bad month") << QStringList {u"--birth=2000-1-1"_s, u"--month=2000"_s}
                               << u"--month"_s;
    QTest::newRow("impossible today")
        << QStringList {u"--birth=2000-1-1"_s, u"--today=2026-02-30"_s} << u"--today"_s;
    QTest::newRow("twice") << QStringList {u"--birth=2000-1-1"_s, u"--birth=2001-1-1"_s}
                           << u"twice"_s;
    QTest::newRow("person alone") << QStringList {u"--person=1"_s} << u"--roster"_s;
    QTest::newRow("person 11") << QStringList {u"--roster=r"_s, u"--person=11"_s} << u"--person"_s;
    QTest::newRow("person 0") << QStringList {u"--roster=r"_s, u"--person=0"_s} << u"--person"_s;
    QTest::newRow("birth and person")
        << QStringList {u"--roster=r"_s, u"--person=1"_s, u"--birth=2000-1-1"_s} << u"--person"_s;
    QTest::newRow("roster and png")
        << QStringList {u"--roster=r"_s, u"--png=a.png"_s} << u"--roster"_s;
    QTest::newRow("scale 5") << QStringList {u"--birth=2000-1-1"_s, u"--png=a.png"_s,
        u"--scale=5"_s} << u"--scale"_s;
    QTest::newRow("scale without png")
        << QStringList {u"--birth=2000-1-1"_s, u"--scale=2"_s} << u"--png"_s;
    QTest::newRow("two on stdout")
        << QStringList {u"--birth=2000-1-1"_s, u"--json=-"_s, u"--days"_s} << u"standard output"_s;
    QTest::newRow("days with value")
        << QStringList {u"--birth=2000-1-1"_s, u"--days=yes"_s} << u"--days"_s;
    const QStringList ics {u"--birth=2000-1-1"_s, u"--ics=a.ics"_s};
    QTest::newRow("months 0") << ics + QStringList {u"--months=0"_s} << u"--months"_s;
    QTest::newRow("months 25") << ics + QStringList {u"--months=25"_s} << u"--months"_s;
    QTest::newRow("months without ics")
        << QStringList {u"--birth=2000-1-1"_s, u"--months=2"_s} << u"--ics"_s;
    QTest::newRow("unknown kinds") << ics + QStringList {u"--kinds=bad"_s} << u"--kinds"_s;
    QTest::newRow("calendar and days on stdout")
        << QStringList {u"--birth=2000-1-1"_s, u"--ics=-"_s, u"--days"_s} << u"standard output"_s;
    QTest::newRow("everyone without roster") << QStringList {u"--everyone"_s} << u"--roster"_s;
    QTest::newRow("everyone and person")
        << QStringList {u"--roster=r"_s, u"--everyone"_s, u"--person=1"_s} << u"--person"_s;
    QTest::newRow("date without everyone")
        << QStringList {u"--roster=r"_s, u"--date=2026-12-08"_s} << u"--everyone"_s;
}

void TestCliCommandLine::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentions);
    QVERIFY(!cli::parseCommandLine(arguments).commandLine);
    const cli_test::Run run = cli_test::runProgram(arguments);
    QCOMPARE(run.status, int(cli::kUsageError));
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.contains(mentions), qPrintable(err));
    QVERIFY(err.contains(u"usage: quorvel-chart"_s));
    QVERIFY(run.out.isEmpty());
}

void TestCliCommandLine::defaultOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("days");

    QTest::newRow("nothing asked") << QStringList {u"--birth"_s, u"2000-1-1"_s} << true;
    QTest::newRow("png") << QStringList {u"--birth"_s, u"2000-1-1"_s, u"--png"_s, u"a.png"_s}
                         << false;
    QTest::newRow("json") << QStringList {u"--birth"_s, u"2000-1-1"_s, u"--json"_s, u"-"_s}
                          << false;
    QTest::newRow("png and days") << QStringList {u"--birth"_s, u"2000-1-1"_s, u"--png"_s,
        u"a.png"_s, u"--days"_s} << true;
    QTest::newRow("ics") << QStringList {u"--birth"_s, u"2000-1-1"_s, u"--ics"_s, u"a.ics"_s}
                         << false;
}

void TestCliCommandLine::defaultOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, days);
    const cli::ParsedCommandLine parsed = cli::parseCommandLine(arguments);
    QVERIFY2(parsed.commandLine, qPrintable(parsed.error));
    QCOMPARE(parsed.commandLine->days, days);
}

void TestCliCommandLine::eraYearsConvert_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("month");
    QTest::addColumn<float>("birthYear");
    QTest::addColumn<float>("shownYear");

    QTest::newRow("昭和60") << u"昭和60-4-12"_s << u"2026-12"_s << 1985.0f << 2026.0f;
    QTest::newRow("平成31") << u"平成31-4-30"_s << u"令和8-12"_s << 2019.0f << 2026.0f;
    QTest::newRow("大正15") << u"大正15-1-1"_s << u"昭和1-12"_s << 1926.0f << 1926.0f;
    QTest::newRow("令和8") << u"令和8-12-8"_s << u"令和8-12"_s << 2026.0f << 2026.0f;
    QTest::newRow("西暦2000") << u"西暦2000-1-1"_s << u"平成12-1"_s << 2000.0f << 2000.0f;
    QTest::newRow("平成 has no upper bound")
        << u"平成100-1-1"_s << u"平成100-2"_s << 2088.0f << 2088.0f;
}

void TestCliCommandLine::eraYearsConvert()
{
    QFETCH(QString, birth);
    QFETCH(QString, month);
    QFETCH(float, birthYear);
    QFETCH(float, shownYear);
    const cli::CheckedRequest request = checked(birth, month);
    QVERIFY2(request.input, qPrintable(request.refusal->message()));
    QCOMPARE(request.input->birthYear, birthYear);
    QCOMPARE(request.input->shownYear, shownYear);
}

void TestCliCommandLine::refusals_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("message"); // empty: accepted

    auto accepted = [](const char *tag, const char *birth, const char *month) {
        QTest::newRow(tag) << QString::fromUtf8(birth) << QString::fromUtf8(month) << QString();
    };
    auto refused = [](const char *tag, const char *birth, const char *month, const char *message) {
        QTest::newRow(tag) << QString::fromUtf8(birth) << QString::fromUtf8(month)
                           << QString::fromUtf8(message);
    };

    accepted("昭和63 accepted", "昭和63-1-1", "2026-12");
    refused("昭和64", "昭和64-1-1", "2026-12", "birth year 昭和64: out of range for 昭和 (1–63)");
    accepted("大正15 accepted", "大正15-1-1", "2026-12");
    refused("大正16", "大正16-1-1", "2026-12", "birth year 大正16: out of range for 大正 (1–15)");
    accepted("令和45 accepted", "2019-5-1", "令和45-1");
    refused("令和46", "令和46-1-1", "2026-12", "birth year 令和46: out of range for 令和 (1–45)");
    refused(
        "平成0", "平成0-1-1", "2026-12", "birth year 平成0: out of range for 平成 (1 or later)");
    refused("year 0", "0-1-1", "2026-12", "birth year 0: not a year (1 or later)");
    accepted("year 9999 accepted", "9999-1-1", "9999-12");
    refused("year 10000", "10000-1-1", "10000-12", "birth year 10000: later than the year 9999");
    refused("month 13", "2000-13-1", "2026-12", "birth month 13: not a month (1–12)");
    refused("month 0", "2000-0-1", "2026-12", "birth month 0: not a month (1–12)");
    accepted("29 Feb leap", "2000-2-29", "2026-12");
    refused("29 Feb common", "2023-02-29", "2026-12", "birth day 29: not a day of 2023-02 (1–28)");
    refused("31 in June", "2000-6-31", "2026-12", "birth day 31: not a day of 2000-06 (1–30)");
    refused("display 昭和64", "1950-1-1", "昭和64-1",
        "month year 昭和64: out of range for 昭和 (1–63)");
    accepted("birth month shown", "1990-7-15", "1990-07");
    refused("before the birth month", "1990-7-15", "1990-06",
        "birth year 1990: the month 1990-06 is before the birth month 1990-07");
    refused("earlier year, later month", "1990-7-15", "1989-08",
        "month year 1989: before the birth year 1990");
    accepted("1028 years accepted", "1000-1-1", "2028-1");
    refused("1029 years", "1000-1-1", "2029-1",
        "month year 2029: more than 1028 years after the birth year 1000");
    refused("month 13 shown", "2000-1-1", "2026-13", "month 13: not a month (1–12)");
}

void TestCliCommandLine::refusals()
{
    QFETCH(QString, birth);
    QFETCH(QString, month);
    QFETCH(QString, message);
    const cli::CheckedRequest request = checked(birth, month);
    if (message.isEmpty()) {
        QVERIFY2(request.input, qPrintable(request.refusal->message()));
        return;
    }
    QVERIFY(!request.input);
    QCOMPARE(request.refusal->message(), message);

    const cli_test::Run run = cli_test::runProgram({u"--birth"_s, birth, u"--month"_s, month});
    QCOMPARE(run.status, int(cli::kInputRefused));
    QCOMPARE(QString::fromUtf8(run.err), u"quorvel-chart: "_s % message % u'\n');
    QVERIFY(run.out.isEmpty());
}

void TestCliCommandLine::refusalWritesNothing()
{
    const QTemporaryDir dir;
    const QString png = dir.filePath(u"chart.png"_s);
    const QString json = dir.filePath(u"chart.json"_s);
    const cli_test::Run run
        = cli_test::runProgram({u"--birth=令和46-1-1"_s, u"--png"_s, png, u"--json"_s, json});
    QCOMPARE(run.status, int(cli::kInputRefused));
    QVERIFY(!QFileInfo::exists(png));
    QVERIFY(!QFileInfo::exists(json));
}

QTEST_MAIN(TestCliCommandLine)
#include "tst_cli_command_line.moc"

// SPDX-License-Identifier: MIT
// --roster: the roster window's reader with its failures turned into status 4, the ten
// entries as JSON, and --person charting an entry as 選択・保存 would.

#include "cli_test_helpers.h"
#include "ui/text/cp932.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray line(const QStringList &items)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < items.size(); ++i)
        bytes += (i ? "," : "") + ('"' + *ui::cp932::encode(items[i]) + '"');
    return bytes + "\r\n";
}

QByteArray sampleRoster()
{
    QByteArray bytes = line({u"ＡＢＣ"_s, u"1985"_s, u"04"_s, u"12"_s})
        + line({u"花子"_s, u"2000"_s, u"2"_s, u"29"_s})
        + line({u"Comma, Ltd"_s, u"1900"_s, u"1"_s, u"1"_s})
        + line({u"Late"_s, u"2031"_s, u"1"_s, u"1"_s});
    for (int k = 4; k < 10; ++k)
        bytes += line({QString(), QString(), QString(), QString()});
    return bytes;
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(u"tamlo.dat"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the roster file");
    return path;
}

} // namespace

class TestCliRoster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failures_data();
    void failures();
    void printsEntriesAsStored();
    void person_data();
    void person();
    void everyone_data();
    void everyone();
};

void TestCliRoster::failures_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<QString>("reason");

    const QByteArray nine
        = sampleRoster().left(sampleRoster().lastIndexOf("\"\",\"\",\"\",\"\"\r\n"));
    QByteArray doubled = sampleRoster();
    doubled.replace("\"1985\"", "\"19\"\"85\"");
    QByteArray trailingQuote = sampleRoster();
    trailingQuote.replace("\"Late\"", "\"Late\"\"");

    QTest::newRow("missing") << QByteArray() << QStringList {} << u"no such file"_s;
    QTest::newRow("missing, with person")
        << QByteArray() << QStringList {u"--person=1"_s} << u"no such file"_s;
    QTest::newRow("empty") << QByteArray("") << QStringList {} << u"ends before"_s;
    QTest::newRow("nine lines") << nine << QStringList {} << u"ends before"_s;
    QTest::newRow("nine lines, with person")
        << nine << QStringList {u"--person=2"_s} << u"ends before"_s;
    QTest::newRow("doubled quote") << doubled << QStringList {} << u"second double quote"_s;
    QTest::newRow("quote after closing quote")
        << trailingQuote << QStringList {u"--person=1"_s} << u"second double quote"_s;
}

void TestCliRoster::failures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, more);
    QFETCH(QString, reason);
    const QTemporaryDir dir;
    const QString path = bytes.isNull() ? dir.filePath(u"tamlo.dat"_s) : writeFile(dir, bytes);
    const QString png = dir.filePath(u"out.png"_s);
    const QStringList extra
        = more.isEmpty() ? QStringList {} : more + QStringList {u"--png"_s, png};

    const cli_test::Run run = cli_test::runProgram(QStringList {u"--roster"_s, path} + extra);
    QCOMPARE(run.status, int(cli::kRosterUnreadable));
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.contains(path) && err.contains(reason), qPrintable(err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(png));
    // The roster window would create a missing file; the program must not.
    QCOMPARE(QFile::exists(path), !bytes.isNull());
}

void TestCliRoster::printsEntriesAsStored()
{
    const QTemporaryDir dir;
    const cli_test::Run run = cli_test::runProgram({u"--roster"_s, writeFile(dir, sampleRoster())});
    QCOMPARE(run.status, int(cli::kDone));
    const QJsonArray entries = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(entries.size(), 10);
    const QJsonObject first = entries[0].toObject();
    QCOMPARE(first.keys(), (QStringList {u"day"_s, u"month"_s, u"name"_s, u"year"_s}));
    QCOMPARE(first[u"name"].toString(), u"ＡＢＣ"_s);
    QCOMPARE(first[u"month"].toString(), u"04"_s);
    QCOMPARE(entries[2].toObject()[u"name"].toString(), u"Comma, Ltd"_s);
    QCOMPARE(entries[9].toObject()[u"year"].toString(), QString());
    QVERIFY(
        run.out.startsWith("[\n  {\"name\": \"ＡＢＣ\", \"year\": \"1985\", \"month\": \"04\""));
}

void TestCliRoster::person_data()
{
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QJsonValue>("greeting");
    QTest::addColumn<QString>("err");

    QTest::newRow("entry 1, today's month")
        << QStringList {u"--person=1"_s} << 0 << u"1985-04-12"_s << u"2026-12"_s
        << QJsonValue(QJsonValue::Null) << QString();
    QTest::newRow("entry 2 on the birthday")
        << QStringList {u"--person=2"_s, u"--today=2028-02-29"_s} << 0 << u"2000-02-29"_s
        << u"2028-02"_s << QJsonValue(u"★ 花子さん、誕生日おめでとう ★"_s) << QString();
    QTest::newRow("--name overrides the entry's")
        << QStringList {u"--person=2"_s, u"--today=2028-02-29"_s, u"--name=Ann"_s} << 0
        << u"2000-02-29"_s << u"2028-02"_s << QJsonValue(u"★ Annさん、誕生日おめでとう ★"_s)
        << QString();
    QTest::newRow("--month with an entry")
        << QStringList {u"--person=3"_s, u"--month=昭和1-12"_s} << 0 << u"1900-01-01"_s
        << u"1926-12"_s << QJsonValue(QJsonValue::Null) << QString();
    QTest::newRow("entry after today's month")
        << QStringList {u"--person=4"_s} << 3 << QString() << QString() << QJsonValue()
        << u"month year 2026: before the birth year 2031"_s;
    QTest::newRow("empty entry") << QStringList {u"--person=10"_s} << 3 << QString() << QString()
                                 << QJsonValue()
                                 << u"birth year (empty): not a year (1 or later)"_s;
}

void TestCliRoster::person()
{
    QFETCH(QStringList, more);
    QFETCH(int, status);
    const QTemporaryDir dir;
    const cli_test::Run run = cli_test::runProgram(
        QStringList {u"--roster"_s, writeFile(dir, sampleRoster()), u"--json=-"_s} + more);
    QCOMPARE(run.status, status);
    if (status != 0) {
        QFETCH(QString, err);
        QCOMPARE(QString::fromUtf8(run.err), u"quorvel-chart: "_s % err % u'\n');
        return;
    }
    QFETCH(QString, birth);
    QFETCH(QString, month);
    QFETCH(QJsonValue, greeting);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(json[u"birth"].toString(), birth);
    QCOMPARE(json[u"month"].toString(), month);
    QCOMPARE(json[u"greeting"], greeting);
}

void TestCliRoster::everyone_data()
{
    QTest::addColumn<QStringList>("date");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("refusedField");

    const QStringList on8th {u"--date=2026-12-08"_s};
    // The rows of 8 December are those of quorvel-chart --days for the same birth date.
    QTest::newRow("charted") << on8th << 1 << u" 1  ＡＢＣ  15,215日  知的 創造 好調日"_s
                             << QString();
    QTest::newRow("today by default")
        << QStringList {} << 1 << u" 1  ＡＢＣ  15,215日  知的 創造 好調日"_s << QString();
    QTest::newRow("refused year") << on8th << 4
                                  << u" 4  Late  month year 2026: before the birth year 2031"_s
                                  << u"month year"_s;
    QTest::newRow("name only") << on8th << 5
                               << u" 5  名前だけ  birth year (empty): not a year (1 or later)"_s
                               << u"birth year"_s;
}

void TestCliRoster::everyone()
{
    QFETCH(QStringList, date);
    QFETCH(int, entry);
    QFETCH(QString, line);
    QFETCH(QString, refusedField);
    QByteArray bytes = sampleRoster();
    const QByteArray empty = "\"\",\"\",\"\",\"\"\r\n";
    bytes.replace(bytes.indexOf(empty), empty.size(), ::line({u"名前だけ"_s, {}, {}, {}}));
    const QTemporaryDir dir;
    const QStringList arguments
        = QStringList {u"--roster"_s, writeFile(dir, bytes), u"--everyone"_s} + date;

    const cli_test::Run table = cli_test::runProgram(arguments);
    QCOMPARE(table.status, int(cli::kDone));
    const QStringList lines = QString::fromUtf8(table.out).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 5); // the date, then every entry but the five empty ones
    QCOMPARE(lines.first(), u"2026-12-08 火"_s);
    QVERIFY2(lines.contains(line), qPrintable(lines.join(u'\n')));

    const cli_test::Run json = cli_test::runProgram(arguments + QStringList {u"--json=-"_s});
    QCOMPARE(json.status, int(cli::kDone));
    const QJsonArray people = QJsonDocument::fromJson(json.out).object()[u"people"].toArray();
    QCOMPARE(people.size(), 5);
    const QJsonObject person = people[qsizetype(entry == 5 ? 4 : entry - 1)].toObject();
    QCOMPARE(person[u"entry"].toInt(), entry);
    QCOMPARE(person[u"refused"][u"field"].toString(), refusedField);
    if (refusedField.isEmpty())
        QCOMPARE(person[u"days"].toInt(), 15215);
}

QTEST_MAIN(TestCliRoster)
#include "tst_cli_roster.moc"

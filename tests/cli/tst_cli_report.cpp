// SPDX-License-Identifier: MIT
// --json and --days against the engine: every sample read back from the JSON text must
// be the engine's float, every day's rows the union of the marks of its samples, and the
// weekdays and day counts must be those of the real calendar.

#include "cli/chart_report.h"
#include "cli_test_helpers.h"
#include "engine/calendar.h"
#include "engine/rhythm.h"
#include "ui/drawing/fonts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonObject jsonOf(const QStringList &arguments)
{
    const cli_test::Run run = cli_test::runProgram(arguments + QStringList {u"--json"_s, u"-"_s});
    if (run.status != cli::kDone)
        qWarning("status %d: %s", run.status, run.err.constData());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("%s", qPrintable(error.errorString()));
    return document.object();
}

float asFloat(const QJsonValue &value)
{
    return static_cast<float>(value.toDouble());
}

QList<int> intsOf(const QJsonValue &value)
{
    QList<int> ints;
    for (const QJsonValue &item : value.toArray())
        ints.append(item.toInt());
    return ints;
}

} // namespace

class TestCliReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ui::installFontSubstitutions(); }
    void jsonAgreesWithEngine_data();
    void jsonAgreesWithEngine();
    void knownMonths_data();
    void knownMonths();
    void greeting_data();
    void greeting();
    void birthdayOfOneBornOnThe22nd();
    void fractionalBirthYear();
    void dayTableFollowsJson();
    void keysInOrder();
};

void TestCliReport::jsonAgreesWithEngine_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");

    QTest::newRow("31 days, December") << QDate(1985, 4, 12) << 2026 << 12;
    QTest::newRow("birth month, born on the 15th") << QDate(1990, 7, 15) << 1990 << 7;
    QTest::newRow("birth month, born on the 31st") << QDate(1999, 12, 31) << 1999 << 12;
    QTest::newRow("leap February") << QDate(2000, 1, 1) << 2024 << 2;
    QTest::newRow("common February") << QDate(1970, 2, 28) << 2023 << 2;
    QTest::newRow("30 days") << QDate(1926, 12, 25) << 1955 << 6;
    QTest::newRow("1028 years later") << QDate(1000, 3, 1) << 2028 << 3;
}

void TestCliReport::jsonAgreesWithEngine()
{
    QFETCH(QDate, birth);
    QFETCH(int, year);
    QFETCH(int, month);
    const QDate today(2026, 12, 8);
    const QJsonObject json = jsonOf({u"--birth"_s, birth.toString(Qt::ISODate), u"--month"_s,
        u"%1-%2"_s.arg(year).arg(month), u"--today"_s, today.toString(Qt::ISODate)});
    QVERIFY(!json.isEmpty());
    QCOMPARE(json[u"birth"].toString(), birth.toString(Qt::ISODate));
    QCOMPARE(json[u"month"].toString(), QDate(year, month, 1).toString(u"yyyy-MM"_s));
    QCOMPARE(json[u"today"].toString(), u"2026/12/08"_s);

    const QDate first(year, month, 1);
    QCOMPARE(json[u"month_length"].toInt(), first.daysInMonth());
    QCOMPARE(json[u"days_since_birth_day1"].toInteger(), birth.daysTo(first));

    const float day1 = float(birth.daysTo(first));
    engine::SampleWalk walk(day1, float(first.daysInMonth()));
    const QList<int> offsets = intsOf(json[u"offsets"]);
    QCOMPARE(offsets.size(), engine::kRhythmCount);
    for (int r = 0; r < engine::kRhythmCount; ++r)
        QCOMPARE(offsets[r], int(walk.offsets().values[r]));

    const QJsonArray samples = json[u"samples"].toArray();
    std::vector<QList<int>> dayRows(std::size_t(first.daysInMonth()));
    qsizetype index = 0;
    for (engine::Sample sample; walk.next(sample); ++index) {
        QVERIFY(index < samples.size());
        const QJsonObject s = samples[index].toObject();
        // The printed text must read back as the very same float.
        QCOMPARE(asFloat(s[u"t"]), sample.t);
        QCOMPARE(asFloat(s[u"x"]), sample.x);
        const QJsonArray curve = s[u"curve"].toArray();
        const QList<int> level = intsOf(s[u"level"]);
        for (int r = 0; r < engine::kRhythmCount; ++r) {
            QCOMPARE(asFloat(curve[r]), sample.curve[r]);
            QCOMPARE(level[r], int(sample.level[r]));
        }
        QList<int> rules;
        for (int m = 0; m < sample.markCount; ++m) {
            rules.append(sample.marks[m].rule);
            QList<int> &rows = dayRows[std::size_t(sample.t)];
            if (!rows.contains(sample.marks[m].row))
                rows.append(sample.marks[m].row);
        }
        QCOMPARE(intsOf(s[u"rules"]), rules);
    }
    QCOMPARE(samples.size(), index);

    static const QString weekdays = u"月火水木金土日"_s;
    const QJsonArray days = json[u"days"].toArray();
    QCOMPARE(days.size(), first.daysInMonth());
    for (int d = 1; d <= first.daysInMonth(); ++d) {
        const QJsonObject day = days[d - 1].toObject();
        QCOMPARE(day[u"day"].toInt(), d);
        QCOMPARE(
            day[u"weekday"].toString(), QString(weekdays[QDate(year, month, d).dayOfWeek() - 1]));
        QList<int> rows = dayRows[std::size_t(d - 1)];
        std::sort(rows.begin(), rows.end());
        QCOMPARE(intsOf(day[u"rows"]), rows);
    }

    const qint64 count = std::max<qint64>(0, birth.daysTo(today));
    QString number = u" "_s + QString::number(count);
    if (number.size() >= 5)
        number.insert(number.size() - 3, u',');
    QCOMPARE(
        json[u"summary"].toString(), u"誕生日から今日(2026/12/08)まで"_s % number % u"日です。"_s);
}

void TestCliReport::knownMonths_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("sampleCount");
    QTest::addColumn<QList<int>>("offsets");
    QTest::addColumn<QList<int>>("firstLevels");
    QTest::addColumn<QList<int>>("firstRules");
    QTest::addColumn<QString>("summary");

    QTest::newRow("2000-01-01, March 2000")
        << QStringList {u"--birth=2000-01-01"_s, u"--month=2000-03"_s, u"--today=2000-03-05"_s}
        << 516 << QList<int> {14, 4, 27} << QList<int> {195, 167, 201} << QList<int> {3}
        << u"誕生日から今日(2000/03/05)まで 64日です。"_s;
    QTest::newRow("day 1 is the birth date")
        << QStringList {u"--birth=2001-02-01"_s, u"--month=2001-02"_s, u"--today=2001-02-01"_s}
        << 466 << QList<int> {0, 0, 0} << QList<int> {183, 183, 183}
        << QList<int> {14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25}
        << u"誕生日から今日(2001/02/01)まで 0日です。"_s;
    QTest::newRow("born on the 15th, birth month")
        << QStringList {u"--birth=1990-07-15"_s, u"--month=1990-07"_s, u"--today=1990-07-14"_s}
        << 516 << QList<int> {-14, -14, -14} << QList<int> {} << QList<int> {}
        << u"誕生日から今日(1990/07/14)まで 0日です。"_s;
    QTest::newRow("the issue's example")
        << QStringList {u"--birth=1985-04-12"_s, u"--month=2026-12"_s, u"--today=2026-12-08"_s}
        << 516 << QList<int> {} << QList<int> {} << QList<int> {}
        << u"誕生日から今日(2026/12/08)まで 15,215日です。"_s;
}

void TestCliReport::knownMonths()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, sampleCount);
    QFETCH(QList<int>, offsets);
    QFETCH(QList<int>, firstLevels);
    QFETCH(QList<int>, firstRules);
    QFETCH(QString, summary);

    const QJsonObject json = jsonOf(arguments);
    const QJsonArray samples = json[u"samples"].toArray();
    QCOMPARE(samples.size(), sampleCount);
    if (!offsets.isEmpty())
        QCOMPARE(intsOf(json[u"offsets"]), offsets);
    const QJsonObject first = samples[0].toObject();
    QCOMPARE(first[u"t"].toDouble(), 0.0);
    QCOMPARE(first[u"x"].toDouble(), 130.0);
    if (!firstLevels.isEmpty()) {
        QCOMPARE(intsOf(first[u"level"]), firstLevels);
        QCOMPARE(intsOf(first[u"rules"]), firstRules);
    }
    // Caution rules never hold beyond x = 620.
    for (const QJsonValue &value : samples) {
        const QJsonObject s = value.toObject();
        if (s[u"x"].toDouble() > 620.0) {
            for (int rule : intsOf(s[u"rules"]))
                QVERIFY2(rule < 16 && rule != 14, qPrintable(QString::number(rule)));
        }
    }
    QCOMPARE(json[u"summary"].toString(), summary);
}

void TestCliReport::greeting_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QJsonValue>("greeting");

    const QStringList base {u"--birth=2000-02-29"_s, u"--month=2024-01"_s};
    QTest::newRow("birthday, named")
        << base + QStringList {u"--today=2024-02-29"_s, u"--name=花子"_s}
        << QJsonValue(u"★ 花子さん、誕生日おめでとう ★"_s);
    QTest::newRow("birthday, no name") << base + QStringList {u"--today=2028-02-29"_s}
                                       << QJsonValue(u"★ さん、誕生日おめでとう ★"_s);
    QTest::newRow("29 Feb absent in a common year")
        << base + QStringList {u"--today=2025-02-28"_s, u"--name=花子"_s}
        << QJsonValue(QJsonValue::Null);
    QTest::newRow("quotes in the name")
        << base + QStringList {u"--today=2024-02-29"_s, u"--name=\"A\\B\""_s}
        << QJsonValue(u"★ \"A\\B\"さん、誕生日おめでとう ★"_s);
}

void TestCliReport::greeting()
{
    QFETCH(QStringList, arguments);
    QFETCH(QJsonValue, greeting);
    const QJsonObject json = jsonOf(arguments);
    QVERIFY(json.contains(u"greeting"));
    QCOMPARE(json[u"greeting"], greeting);
}

void TestCliReport::birthdayOfOneBornOnThe22nd()
{
    // The birth month shown: the birthday starts with every level at 182, no caution row.
    const QJsonObject json = jsonOf({u"--birth=1990-07-22"_s, u"--month=1990-07"_s});
    QCOMPARE(intsOf(json[u"days"][21][u"rows"]), (QList<int> {0, 1, 3, 4, 5, 6, 7}));
}

void TestCliReport::fractionalBirthYear()
{
    // The roster's year 99.5: the offsets come from a fractional count, the sentence shows
    // whole days.
    QFile roster(u"tamlo.dat"_s);
    QVERIFY(roster.open(QIODevice::WriteOnly));
    roster.write(
        "\"\",\"99.5\",\"4\",\"12\"\r\n" + QByteArray("\"\",\"\",\"\",\"\"\r\n").repeated(9));
    roster.close();
    const QJsonObject json = jsonOf(
        {u"--roster=tamlo.dat"_s, u"--person=1"_s, u"--month=1100-12"_s, u"--today=2026-12-08"_s});
    QCOMPARE(json[u"days_since_birth_day1"].toDouble(), 365657.5);
    QCOMPARE(json[u"summary"].toString(), u"誕生日から今日(2026/12/08)まで 703,879日です。"_s);
}

void TestCliReport::dayTableFollowsJson()
{
    const QStringList arguments {
        u"--birth=1985-04-12"_s, u"--month=2026-12"_s, u"--today=2026-12-08"_s};
    const QJsonObject json = jsonOf(arguments);
    const cli_test::Run run = cli_test::runProgram(arguments);
    QCOMPARE(run.status, int(cli::kDone));
    const QStringList lines = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
    const QJsonArray days = json[u"days"].toArray();
    QCOMPARE(lines.size(), days.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonObject day = days[i].toObject();
        QString expected
            = u"2026-12-%1 "_s.arg(i + 1, 2, 10, QChar(u'0')) + day[u"weekday"].toString();
        const QList<int> rows = intsOf(day[u"rows"]);
        for (qsizetype k = 0; k < rows.size(); ++k) {
            const std::string_view label = engine::kDayKinds[std::size_t(rows[k])].label;
            expected += (k == 0 ? u"  "_s : u" | "_s)
                + QString::fromUtf8(label.data(), qsizetype(label.size()));
        }
        QCOMPARE(lines[i], expected);
    }
}

void TestCliReport::keysInOrder()
{
    const cli_test::Run run
        = cli_test::runProgram({u"--birth=1985-04-12"_s, u"--json=-"_s, u"--today=2026-12-08"_s});
    qsizetype last = -1;
    for (const char *key :
        {"\"birth\"", "\"month\"", "\"today\"", "\"month_length\"", "\"days_since_birth_day1\"",
            "\"offsets\"", "\"samples\"", "\"days\"", "\"summary\"", "\"greeting\""}) {
        const qsizetype at = run.out.indexOf(key);
        QVERIFY2(at > last, key);
        last = at;
    }
    // Default month: the month of today.
    QVERIFY(run.out.contains("\"month\": \"2026-12\""));
}

QTEST_MAIN(TestCliReport)
#include "tst_cli_report.moc"

// SPDX-License-Identifier: MIT
// The calendar read back with libical's own parser: the events of known months (the
// counts are those of quorvel-chart --days for the same input), their dates, labels,
// categories and UIDs, and what libical makes of long lines.

#include "export/ics_calendar.h"

#include <QSet>
#include <QTest>
#include <libical/ical.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kStamp(QDate(2026, 12, 8), QTime(9, 30), Qt::UTC);

/// The calendar of the month shown (and months − 1 after it) for a birth date.
QByteArray calendar(QDate birth, int year, int month, int months, ics::Kinds kinds,
    const QString &name = {}, const QDateTime &stamp = kStamp)
{
    chart::ChartInput input;
    input.checked = {
        float(birth.year()), float(birth.month()), float(birth.day()), float(year), float(month)};
    input.name = name;
    return ics::chartCalendar(input, months, kinds, stamp).text;
}

struct Event
{
    QDate start, end;
    QString summary, description, category, uid;
    QDateTime stamp;
};

QDate dateOf(icaltimetype time)
{
    return time.is_date ? QDate(time.year, time.month, time.day) : QDate();
}

/// The events as libical parses them; none when it cannot parse the text.
QList<Event> parse(const QByteArray &text)
{
    icalcomponent *calendar = icalparser_parse_string(text.constData());
    QList<Event> events;
    for (icalcomponent *c = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        icalproperty *categories = icalcomponent_get_first_property(c, ICAL_CATEGORIES_PROPERTY);
        events.append({dateOf(icalcomponent_get_dtstart(c)), dateOf(icalcomponent_get_dtend(c)),
            QString::fromUtf8(icalcomponent_get_summary(c)),
            QString::fromUtf8(icalcomponent_get_description(c)),
            QString::fromUtf8(categories ? icalproperty_get_categories(categories) : nullptr),
            QString::fromUtf8(icalcomponent_get_uid(c)),
            QDateTime::fromSecsSinceEpoch(
                icaltime_as_timet(icalcomponent_get_dtstamp(c)), Qt::UTC)});
    }
    icalcomponent_free(calendar);
    return events;
}

} // namespace

class TestIcsExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownMonths_data();
    void knownMonths();
    void uidsStableAndUnique();
    void libicalLines();
    void stopsAfterNovember3000();
};

void TestIcsExport::knownMonths_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<ics::Kinds>("kinds");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("category");

    QTest::newRow("caution, December")
        << QDate(1985, 4, 12) << 2026 << 12 << ics::Kinds::Caution << 8 << u"注意日"_s;
    QTest::newRow("all, December")
        << QDate(1985, 4, 12) << 2026 << 12 << ics::Kinds::All << 53 << QString();
    QTest::newRow("good with rest days, birth month")
        << QDate(2000, 3, 1) << 2000 << 3 << ics::Kinds::Good << 100 << QString();
    QTest::newRow("all, birth month")
        << QDate(2000, 3, 1) << 2000 << 3 << ics::Kinds::All << 112 << QString();
    QTest::newRow("caution, leap February")
        << QDate(1990, 7, 15) << 2024 << 2 << ics::Kinds::Caution << 8 << u"注意日"_s;
}

void TestIcsExport::knownMonths()
{
    QFETCH(QDate, birth);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(ics::Kinds, kinds);
    QFETCH(int, count);
    QFETCH(QString, category);
    const QList<Event> events = parse(calendar(birth, year, month, 1, kinds));
    QCOMPARE(events.size(), count);
    for (const Event &event : events) {
        QCOMPARE(event.start.year() * 100 + event.start.month(), year * 100 + month);
        QCOMPARE(event.end, event.start.addDays(1));
        QVERIFY(event.summary.endsWith(event.category));
        if (!category.isEmpty())
            QCOMPARE(event.category, category);
        QCOMPARE(event.description, QString()); // no name, no description
        QCOMPARE(event.stamp, kStamp);
    }
}

void TestIcsExport::uidsStableAndUnique()
{
    const QDate birth(1985, 4, 12);
    const ics::Kinds all = ics::Kinds::All;
    const QList<Event> first = parse(calendar(birth, 2026, 12, 3, all, u"山田　太郎"_s));
    const QList<Event> again
        = parse(calendar(birth, 2026, 12, 3, all, u"山田　太郎"_s, kStamp.addDays(40)));
    const QList<Event> other = parse(calendar(birth, 2026, 12, 3, all, u"山田　次郎"_s));
    QSet<QString> uids, otherUids;
    for (qsizetype i = 0; i < first.size(); ++i) {
        QCOMPARE(again.at(i).uid, first.at(i).uid);
        QVERIFY(first.at(i).uid.endsWith(u"@quorvel"_s));
        uids.insert(first.at(i).uid);
        otherUids.insert(other.at(i).uid);
    }
    QCOMPARE(uids.size(), first.size());
    QVERIFY(!uids.intersects(otherUids));
    // The full-width space of the label and of the name come back as they went in.
    QCOMPARE(first.first().summary, u"スポーツ　好調日"_s);
    QCOMPARE(first.first().description, u"山田　太郎"_s);
}

void TestIcsExport::libicalLines()
{
    const QString name = u"とても長い名前の人、"_s.repeated(8) + u"終わり;,\\"_s;
    const QByteArray text = calendar(QDate(1985, 4, 12), 2026, 12, 1, ics::Kinds::Caution, name);
    QVERIFY(text.endsWith("END:VCALENDAR\r\n"));
    for (const QByteArray &line : text.split('\n').mid(0, text.count('\n'))) {
        QVERIFY2(line.endsWith('\r'), line.constData());
        QVERIFY2(line.size() <= 76, line.constData()); // 75 octets and the CR
    }
    QVERIFY(text.contains("\r\n "));
    QCOMPARE(parse(text).first().description, name);
}

void TestIcsExport::stopsAfterNovember3000()
{
    chart::ChartInput input;
    input.checked = {2990, 1, 1, 3000, 10};
    const ics::ChartCalendar written = ics::chartCalendar(input, 12, ics::Kinds::All, kStamp);
    QCOMPARE(written.months, 2);
    const QList<Event> events = parse(written.text);
    QCOMPARE(events.first().start, QDate(3000, 10, 1));
    QCOMPARE(events.last().end, QDate(3000, 12, 1));
}

QTEST_GUILESS_MAIN(TestIcsExport)
#include "tst_ics_export.moc"

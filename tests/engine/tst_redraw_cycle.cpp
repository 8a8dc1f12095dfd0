// SPDX-License-Identifier: MIT
#include "engine/calendar.h"
#include "engine/redraw_cycle.h"
#include "fake_cycle_port.h"
#include "test_helpers.h"

#include <QStringList>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace engine;

namespace {

QStringList logOf(const FakeCyclePort &port)
{
    QStringList lines;
    for (const std::string &line : port.log)
        lines.append(QString::fromStdString(line));
    return lines;
}

// A person born 1 January 2000 and March 2024 displayed, all in Western years.
void fillValid(FakeCyclePort &port)
{
    port.texts
        = {{"EDIT1", "2000"}, {"EDIT2", "1"}, {"EDIT3", "1"}, {"EDIT4", "2024"}, {"EDIT5", "3"}};
    port.selectEras("RADIO1", "RADIO6");
}

} // namespace

class TestRedrawCycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstPassClearsOnce();
    void redrawThenRequestsReset();
    void rejectedFieldIsEmptied();
    void requestsDuringRedrawAreDropped();
    void rosterFlagBecomesRedraw();
    void rosterFlagSetDuringRedrawIsServed();
    void rosterCommandThenItsRedraw_data();
    void rosterCommandThenItsRedraw();
    void limitsFollowButtons_data();
    void limitsFollowButtons();
    void eraCodesFromButtons_data();
    void eraCodesFromButtons();
    void stepWritesBackWesternYear();
    void stepWrittenBackBeforeRejection();
};

void TestRedrawCycle::firstPassClearsOnce()
{
    FakeCyclePort port;
    RedrawCycle cycle(port, port);
    QVERIFY(!cycle.firstPassDone());
    cycle.afterEvent();
    cycle.afterEvent();
    QCOMPARE(logOf(port), QStringList {u"clear"_s});
    QVERIFY(cycle.firstPassDone());
}

void TestRedrawCycle::redrawThenRequestsReset()
{
    FakeCyclePort port;
    fillValid(port);
    RedrawCycle cycle(port, port);
    cycle.setRedrawRequest(RedrawRequest::AsEntered);
    cycle.afterEvent();
    // The redraw comes before the first pass's paint, which follows on the next pass.
    QCOMPARE(logOf(port), (QStringList {u"draw"_s, u"clear"_s}));
    QCOMPARE(cycle.redrawRequest(), RedrawRequest::None);
    QCOMPARE(cycle.rosterRequest(), RosterRequest::None);
    const CheckedInput &in = port.drawn.at(0);
    QCOMPARE_EXACT(in.birthYear, 2000.0f);
    QCOMPARE_EXACT(in.shownYear, 2024.0f);
    QCOMPARE_EXACT(in.shownMonth, 3.0f);
    cycle.afterEvent();
    QCOMPARE(port.drawn.size(), std::size_t(1));
}

void TestRedrawCycle::rejectedFieldIsEmptied()
{
    FakeCyclePort port;
    fillValid(port);
    port.texts["EDIT5"] = "2";
    port.texts["EDIT2"] = "5";
    port.texts["EDIT4"] = "2000"; // a month before the birth month empties the birth year
    RedrawCycle cycle(port, port);
    cycle.setRedrawRequest(RedrawRequest::AsEntered);
    cycle.afterEvent();
    QCOMPARE(logOf(port), (QStringList {u"text EDIT1="_s, u"clear"_s}));
    QVERIFY(port.drawn.empty());
    QCOMPARE(port.texts["EDIT4"], std::string("2000"));
}

void TestRedrawCycle::requestsDuringRedrawAreDropped()
{
    FakeCyclePort port;
    fillValid(port);
    RedrawCycle cycle(port, port);
    port.onDraw = [&cycle] {
        cycle.setRedrawRequest(RedrawRequest::NextMonth);
        cycle.setRosterRequest(RosterRequest::SaveAndPick);
    };
    cycle.setRedrawRequest(RedrawRequest::AsEntered);
    cycle.afterEvent();
    QCOMPARE(logOf(port), (QStringList {u"draw"_s, u"clear"_s}));
    QCOMPARE(cycle.redrawRequest(), RedrawRequest::None);
    QCOMPARE(cycle.rosterRequest(), RosterRequest::None);
}

void TestRedrawCycle::rosterFlagBecomesRedraw()
{
    FakeCyclePort port;
    fillValid(port);
    RedrawCycle cycle(port, port);
    cycle.setRosterRedrawFlag();
    QCOMPARE(cycle.rosterRedrawFlag(), 12);
    cycle.afterEvent();
    QCOMPARE(port.drawn.size(), std::size_t(1));
    QCOMPARE(cycle.rosterRedrawFlag(), 0);
    QCOMPARE(cycle.redrawRequest(), RedrawRequest::None);
}

void TestRedrawCycle::rosterFlagSetDuringRedrawIsServed()
{
    FakeCyclePort port;
    fillValid(port);
    RedrawCycle cycle(port, port);
    int draws = 0;
    port.onDraw = [&] {
        if (++draws == 1)
            cycle.setRosterRedrawFlag();
    };
    cycle.setRedrawRequest(RedrawRequest::AsEntered);
    cycle.afterEvent();
    QCOMPARE(draws, 2);
    QCOMPARE(cycle.rosterRedrawFlag(), 0);
}

void TestRedrawCycle::rosterCommandThenItsRedraw_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<bool>("setsFlag");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("clear") << 2 << false << QStringList {u"roster 2"_s, u"clear"_s};
    QTest::newRow("save and pick")
        << 3 << true << QStringList {u"roster 3"_s, u"draw"_s, u"clear"_s};
}

void TestRedrawCycle::rosterCommandThenItsRedraw()
{
    QFETCH(int, request);
    QFETCH(bool, setsFlag);
    QFETCH(QStringList, log);
    FakeCyclePort port;
    fillValid(port);
    RedrawCycle cycle(port, port);
    port.onRosterCommand = [&](RosterRequest) {
        if (setsFlag)
            cycle.setRosterRedrawFlag();
    };
    cycle.setRosterRequest(static_cast<RosterRequest>(request));
    cycle.afterEvent();
    QCOMPARE(logOf(port), log);
    QCOMPARE(cycle.rosterRequest(), RosterRequest::None);
    QCOMPARE(cycle.rosterRedrawFlag(), 0);
}

void TestRedrawCycle::limitsFollowButtons_data()
{
    QTest::addColumn<QString>("birthButton");
    QTest::addColumn<QString>("shownButton");
    QTest::addColumn<int>("edit1");
    QTest::addColumn<int>("edit4");
    QTest::newRow("西暦, 西暦") << u"RADIO1"_s << u"RADIO6"_s << 4 << 4;
    QTest::newRow("平成, 令和") << u"RADIO2"_s << u"RADIO10"_s << 2 << 2;
    QTest::newRow("令和, 西暦") << u"RADIO5"_s << u"RADIO6"_s << 2 << 4;
    QTest::newRow("none checked: unchanged") << u"none"_s << u"none"_s << 99 << 99;
}

void TestRedrawCycle::limitsFollowButtons()
{
    QFETCH(QString, birthButton);
    QFETCH(QString, shownButton);
    QFETCH(int, edit1);
    QFETCH(int, edit4);
    FakeCyclePort port;
    port.selectEras(birthButton.toStdString(), shownButton.toStdString());
    port.maxBytes = {{"EDIT1", 99}, {"EDIT4", 99}};
    RedrawCycle cycle(port, port);
    cycle.afterEvent();
    QCOMPARE(port.maxBytes["EDIT1"], edit1);
    QCOMPARE(port.maxBytes["EDIT4"], edit4);
}

void TestRedrawCycle::eraCodesFromButtons_data()
{
    QTest::addColumn<QStringList>("checkedButtons");
    QTest::addColumn<int>("previousBirth");
    QTest::addColumn<int>("previousShown");
    QTest::addColumn<int>("birthEra");
    QTest::addColumn<int>("shownEra");
    QTest::addColumn<float>("birthYear");
    QTest::addColumn<float>("shownYear");
    QTest::newRow("one each") << QStringList {u"RADIO3"_s, u"RADIO7"_s} << 1 << 6 << 3 << 7
                              << 1935.0f << 1998.0f;
    QTest::newRow("last checked wins")
        << QStringList {u"RADIO2"_s, u"RADIO4"_s, u"RADIO7"_s, u"RADIO10"_s} << 1 << 6 << 4 << 10
        << 1921.0f << 2028.0f;
    QTest::newRow("none checked keeps previous")
        << QStringList {} << 2 << 10 << 2 << 10 << 1998.0f << 2028.0f;
}

void TestRedrawCycle::eraCodesFromButtons()
{
    QFETCH(QStringList, checkedButtons);
    QFETCH(int, previousBirth);
    QFETCH(int, previousShown);
    QFETCH(int, birthEra);
    QFETCH(int, shownEra);
    QFETCH(float, birthYear);
    QFETCH(float, shownYear);
    FakeCyclePort port;
    port.texts = {{"EDIT1", "10"}, {"EDIT2", "1"}, {"EDIT3", "1"}, {"EDIT4", "10"}, {"EDIT5", "1"}};
    for (const QString &button : checkedButtons)
        port.checked[button.toStdString()] = true;
    RedrawCycle cycle(port, port);
    cycle.setBirthEra(previousBirth);
    cycle.setShownEra(previousShown);
    cycle.setRedrawRequest(RedrawRequest::AsEntered);
    cycle.afterEvent();
    QCOMPARE(cycle.birthEra(), birthEra);
    QCOMPARE(cycle.shownEra(), shownEra);
    QCOMPARE(port.drawn.size(), std::size_t(1));
    QCOMPARE_EXACT(port.drawn[0].birthYear, birthYear);
    QCOMPARE_EXACT(port.drawn[0].shownYear, shownYear);
}

void TestRedrawCycle::stepWritesBackWesternYear()
{
    FakeCyclePort port;
    fillValid(port);
    port.texts["EDIT4"] = "36";
    port.texts["EDIT5"] = "5";
    port.selectEras("RADIO1", "RADIO7");
    port.maxBytes["EDIT4"] = 2;
    RedrawCycle cycle(port, port);
    cycle.setRedrawRequest(RedrawRequest::NextMonth);
    cycle.afterEvent();
    QCOMPARE(logOf(port),
        (QStringList {u"text EDIT5=6"_s, u"text EDIT4=2024"_s, u"check RADIO6=1"_s,
            u"check RADIO7=0"_s, u"check RADIO8=0"_s, u"check RADIO9=0"_s, u"check RADIO10=0"_s,
            u"draw"_s, u"clear"_s}));
    QCOMPARE(port.maxBytes["EDIT4"], 4);
    QCOMPARE_EXACT(port.drawn.at(0).shownYear, 2024.0f);
    QCOMPARE_EXACT(port.drawn.at(0).shownMonth, 6.0f);

    // The date table then reads the fields as written: 1 June 2024 is a Saturday.
    WeekdayState weekdays;
    weekdays.reset();
    weekdays.nextWeekday(tableMonthOf(port));
    QCOMPARE(utf8(weekdays.name()), u"土"_s);
    QCOMPARE(weekdays.number(), 5);
}

void TestRedrawCycle::stepWrittenBackBeforeRejection()
{
    FakeCyclePort port;
    fillValid(port);
    port.texts["EDIT1"] = "2024";
    port.texts["EDIT5"] = "1";
    RedrawCycle cycle(port, port);
    cycle.setRedrawRequest(RedrawRequest::PreviousMonth);
    cycle.afterEvent();
    QVERIFY(port.drawn.empty());
    QCOMPARE(port.texts["EDIT5"], std::string("12"));
    QCOMPARE(port.texts["EDIT4"], std::string()); // December 2023 precedes the birth year
}

QTEST_APPLESS_MAIN(TestRedrawCycle)
#include "tst_redraw_cycle.moc"

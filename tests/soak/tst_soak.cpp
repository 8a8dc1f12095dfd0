// SPDX-License-Identifier: MIT
// A soak of the real main window: thousands of random user actions with a fixed
// seed, each followed by the checks that must always hold (byte limits, a roster file
// that reads back, a picture equal to a fresh drawing of the same input).
//
// QUORVEL_SOAK_ACTIONS sets the number of actions (1,500 by default, `make soak` runs
// 10,000) and QUORVEL_SOAK_SEED the seed.

#include "soak_driver.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform warns each time a window is raised or sized, which the roster
// window does on every opening; thousands of those would hide the soak's own report.
void dropPlatformNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"))
        return;
    g_previousHandler(type, context, message);
}

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(dropPlatformNotices); }
    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }
    void randomActions_data();
    void randomActions();
};

void TestSoak::randomActions_data()
{
    // An ordinary day, and the last day of a year, where 今月 and the month steps meet
    // the year's end.
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("share"); // per cent of the actions
    QTest::newRow("8 December 2026") << QDate(2026, 12, 8) << 70;
    QTest::newRow("31 December 1999") << QDate(1999, 12, 31) << 30;
}

void TestSoak::randomActions()
{
    QFETCH(QDate, today);
    QFETCH(int, share);
    const int actions = fromEnvironment("QUORVEL_SOAK_ACTIONS", 1500) * share / 100;
    const unsigned seed = unsigned(fromEnvironment("QUORVEL_SOAK_SEED", 20261208));

    QElapsedTimer timer;
    timer.start();
    soak::SoakDriver driver(seed, today);
    for (int i = 0; i < actions; ++i) {
        if (!driver.step())
            QFAIL(qPrintable(driver.failure()));
    }
    const soak::SoakCounts &counts = driver.counts();
    qInfo("%d actions in %.1f s, seed %u: %d charts drawn, %d roster picks, %d ends by 終了",
        counts.actions, double(timer.elapsed()) / 1000.0, seed, counts.charts, counts.picks,
        counts.ends);
    QCOMPARE(counts.actions, actions);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"

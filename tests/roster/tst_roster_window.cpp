// SPDX-License-Identifier: MIT
// The roster window opening, reading its file, and taking input (harness: roster_harness.h).

#include "roster_harness.h"

using namespace Qt::StringLiterals;
using namespace roster_test;
using Answer = ui::MessageBox::Answer;

class TestRosterWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { startTest(); }
    void cleanup() { endTest(); }

    void opensOnTopWithTheFileUnchanged()
    {
        Harness h;
        h.roster->open();
        QCOMPARE(h.failures, 0);
        QVERIFY(h.roster->isOpen());
        QVERIFY(h.form().isVisible());
        QVERIFY(onTop(&h.form()));
        QCOMPARE(h.form().windowTitle(), u"誕生日データ"_s);
        QCOMPARE(h.fields(), sampleEntries());
        QVERIFY(h.form().isChecked(u"RADIO11"));
        QCOMPARE(readAll(u"tamlo.dat"_s), fileBytes(sampleEntries()));
    }

    void fontsAfterOpening_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("pixels");
        QTest::newRow("row 6 option") << u"RADIO16"_s << 14;
        QTest::newRow("row 10 option") << u"RADIO20"_s << 14;
        QTest::newRow("first name field") << u"EDIT6"_s << 18;
        QTest::newRow("row 5 day") << u"EDIT25"_s << 18;
        QTest::newRow("row 6 name") << u"EDIT27"_s << 18;
        QTest::newRow("last field") << u"EDIT46"_s << 18;
        QTest::newRow("クリア") << u"BUTTON8"_s << 16;
        QTest::newRow("選択・保存") << u"BUTTON9"_s << 16;
    }
    void fontsAfterOpening()
    {
        QFETCH(QString, control);
        QFETCH(int, pixels);
        Harness h;
        h.roster->open();
        QCOMPARE(h.form().control(control)->font().pixelSize(), pixels);
    }

    void missingFileIsCreatedEmpty()
    {
        QVERIFY(QFile::remove(u"tamlo.dat"_s));
        Harness h;
        h.roster->open();
        QCOMPARE(h.failures, 0);
        QVERIFY(h.roster->isOpen());
        const QByteArray written = readAll(u"tamlo.dat"_s);
        QCOMPARE(written.size(), 130);
        QCOMPARE(written, QByteArray("\"\",\"\",\"\",\"\"\r\n").repeated(10));
        QCOMPARE(h.fields(), Entries(10, QStringList(4, QString())));
    }

    void unreadableFileFails_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray line = "\"a\",\"1\",\"2\",\"3\"\r\n";
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("nine lines") << line.repeated(9);
        QTest::newRow("39 items") << line.repeated(9) + "\"a\",\"1\",\"2\"\r\n";
        QTest::newRow("doubled quote") << "\"a\"\"b\",\"1\",\"2\",\"3\"\r\n" + line.repeated(9);
        QTest::newRow("quote at the end of a value")
            << line.repeated(4) + "\"ab\"\",\"1\",\"2\",\"3\"\r\n" + line.repeated(5);
    }
    void unreadableFileFails()
    {
        QFETCH(QByteArray, bytes);
        writeFile(u"tamlo.dat"_s, bytes);
        Harness h;
        h.roster->open();
        QCOMPARE(h.failures, 1);
        QVERIFY(!h.roster->isOpen());
        QCOMPARE(readAll(u"tamlo.dat"_s), bytes); // never replaced by an empty roster
    }

    void fileThatCannotBeOpenedFails()
    {
        QVERIFY(QDir().mkdir(u"folder"_s));
        Harness h(u"folder"_s);
        h.roster->open();
        QCOMPARE(h.failures, 1);
        QVERIFY(!h.roster->isOpen());
        QVERIFY(QDir().rmdir(u"folder"_s));
    }

    void secondOpenBringsTheWindowToTheFront()
    {
        Harness h;
        h.roster->open();
        ui::Form *first = h.roster->form();
        h.form().setText(u"EDIT6", u"編集中"_s);
        h.roster->releaseOnTop();
        h.form().showMinimized();

        h.roster->open();
        QCOMPARE(h.failures, 0);
        QCOMPARE(h.roster->form(), first);
        QVERIFY(h.form().isVisible());
        QVERIFY(!h.form().isMinimized());
        QVERIFY(onTop(&h.form()));
        QCOMPARE(h.field(1, 1), u"編集中"_s); // not read again
    }

    void releaseOnTop()
    {
        Harness h;
        h.roster->releaseOnTop(); // closed: nothing to do
        h.roster->open();
        h.roster->releaseOnTop();
        QVERIFY(h.roster->isOpen());
        QVERIFY(!onTop(&h.form()));
        QVERIFY(h.form().isVisible());
    }

    void doubleQuoteIsRefused_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name") << u"EDIT7"_s << u"a\"b\"c"_s << u"abc"_s;
        QTest::newRow("year") << u"EDIT12"_s << u"19\"9"_s << u"199"_s;
        QTest::newRow("month") << u"EDIT17"_s << u"\"1"_s << u"1"_s;
        QTest::newRow("last day") << u"EDIT46"_s << u"3\""_s << u"3"_s;
    }
    void doubleQuoteIsRefused()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Harness h;
        h.roster->open();
        h.form().setText(control, QString());
        QTest::keyClicks(h.form().control(control), typed);
        QCOMPARE(h.form().text(control), expected);
    }

    void tabFromRowFiveGoesThroughTheSaveButton()
    {
        Harness h;
        h.roster->open();
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        h.form().control(u"EDIT25")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h.form().control(u"BUTTON9"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h.form().control(u"EDIT27"));
    }
};

QTEST_MAIN(TestRosterWindow)
#include "tst_roster_window.moc"

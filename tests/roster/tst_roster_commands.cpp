// SPDX-License-Identifier: MIT
// The roster window's commands: 選択・保存, クリア and the close box (harness:
// roster_harness.h).

#include "roster_harness.h"

using namespace Qt::StringLiterals;
using namespace roster_test;
using Answer = ui::MessageBox::Answer;

// Who writes the file while a roster window is open.
enum class Writer { None, SecondCopy, OtherProgram, Remover };

class TestRosterCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { startTest(); }
    void cleanup() { endTest(); }

    // What the main window does with the pick: tst_roster_flow (pickShowsThePersonThisMonth).
    void pick_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("row 1") << 1;
        QTest::newRow("month 04 kept") << 2;
        QTest::newRow("empty row") << 3;
        QTest::newRow("year as typed") << 6;
        QTest::newRow("last row") << 10;
    }
    void pick()
    {
        QFETCH(int, row);
        Harness h;
        h.roster->open();
        h.click(kRows[row - 1][0]);
        QVERIFY(h.form().isChecked(kRows[row - 1][0]));
        QPointer<ui::Form> window = h.roster->form();
        h.click(u"BUTTON9"_s);

        QCOMPARE(h.failures, 0);
        QCOMPARE(h.picks.size(), 1);
        QVERIFY(!h.roster->isOpen());
        QCOMPARE(readAll(u"tamlo.dat"_s), fileBytes(sampleEntries()));

        const roster::RosterEntry &person = h.picks.first();
        QCOMPARE((QStringList {person.name, person.year, person.month, person.day}),
            sampleEntries()[row - 1]);
        QVERIFY(h.main.isVisible());

        // The window goes away once the click that closed it has returned.
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(window.isNull());
    }

    void pickSavesEditsOfEveryRow()
    {
        Harness h;
        h.roster->open();
        h.form().setText(u"EDIT10", u"新しい人"_s);
        h.form().setText(u"EDIT46", QString());
        QTest::keyClicks(h.form().control(u"EDIT46"), u"9"_s);
        h.click(u"RADIO14"_s);
        h.click(u"BUTTON9"_s);

        Entries expected = sampleEntries();
        expected[4][0] = u"新しい人"_s;
        expected[9][3] = u"9"_s;
        QCOMPARE(readAll(u"tamlo.dat"_s), fileBytes(expected));
        QCOMPARE(h.picks.size(), 1);
        QCOMPARE(h.picks.first().name, u"Smith"_s);
        QCOMPARE(h.picks.first().day, u"29"_s);
    }

    // The same keys typed on Linux and on Windows give the same file, byte for byte:
    // the characters whose code page 932 form differs between vendors' tables among them.
    void typedEditsGiveTheSameFileEverywhere_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::newRow("wave dash, parallel, minus") << 3 << u"～∥－〜‖"_s;
        QTest::newRow("cent, pound, not, yen") << 9 << u"￠￡￢￥\\"_s;
        QTest::newRow("NEC and IBM extensions") << 5 << u"①Ⅰ㈱髙﨑ⅰ"_s;
        QTest::newRow("half-width kana") << 1 << u"ｶﾀｶﾅ ﾃﾞｽ"_s;
    }
    void typedEditsGiveTheSameFileEverywhere()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        Harness h;
        h.roster->open();
        const QString field = kRows[row - 1][1];
        h.form().setText(field, QString());
        // Key by key, as an input method delivers full-width characters.
        for (const QChar c : name)
            QTest::sendKeyEvent(
                QTest::Click, h.form().control(field), Qt::Key_unknown, QString(c), Qt::NoModifier);
        h.click(kRows[row - 1][0]);
        h.click(u"BUTTON9"_s);

        QFile expected(qEnvironmentVariable("QUORVEL_TEST_DATA") + u"/roster-typed-"_s
            + QString::number(row) + u".dat"_s);
        QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(expected.fileName()));
        QCOMPARE(readAll(u"tamlo.dat"_s), expected.readAll());
    }

    // Between this window's opening and its 選択・保存 the file is written by a second
    // roster window over it (a second copy of the program) or by another program, or
    // removed.
    void saveOverAChangedFile_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Answer>("answer"); // to the question, when asked
        QTest::newRow("unchanged: not asked") << Writer::None << Answer::Ok;
        QTest::newRow("removed: not asked") << Writer::Remover << Answer::Ok;
        QTest::newRow("second copy, Cancel") << Writer::SecondCopy << Answer::Cancel;
        QTest::newRow("second copy, OK") << Writer::SecondCopy << Answer::Ok;
        QTest::newRow("same size, Cancel") << Writer::OtherProgram << Answer::Cancel;
    }
    void saveOverAChangedFile()
    {
        QFETCH(Writer, writer);
        QFETCH(Answer, answer);
        const bool asked = writer == Writer::SecondCopy || writer == Writer::OtherProgram;
        Harness h;
        h.roster->open();
        if (writer == Writer::SecondCopy) {
            Harness second;
            second.roster->open();
            second.form().setText(u"EDIT8", u"二つ目"_s);
            second.click(u"BUTTON9"_s);
        } else if (writer == Writer::OtherProgram) {
            writeFile(u"tamlo.dat"_s, fileBytes(sampleEntries()).replace("1985", "1986"));
        } else if (writer == Writer::Remover) {
            QVERIFY(QFile::remove(u"tamlo.dat"_s));
        }
        const QByteArray onFile = readAll(u"tamlo.dat"_s);
        h.form().setText(u"EDIT7", u"入力中"_s);
        std::optional<bool> onTopDuringQuestion;
        ui::MessageBox::setShowObserver(
            [&](const ui::MessageBox::Shown &) { onTopDuringQuestion = onTop(&h.form()); });
        if (asked)
            ui::MessageBox::setNextAnswer(answer);
        h.click(u"BUTTON9"_s);

        // Asked by the main window, in front of the roster.
        QCOMPARE(onTopDuringQuestion, asked ? std::optional(false) : std::nullopt);
        if (asked)
            QCOMPARE(ui::MessageBox::lastShown()->owner, &h.main);
        Entries typed = sampleEntries();
        typed[1][0] = u"入力中"_s;
        const bool saved = !asked || answer == Answer::Ok;
        QCOMPARE(readAll(u"tamlo.dat"_s), saved ? fileBytes(typed) : onFile);
        QCOMPARE(h.picks.size(), saved ? 1 : 0);
        QCOMPARE(h.roster->isOpen(), !saved);
        if (!saved) {
            QCOMPARE(h.fields(), typed);
            QVERIFY(onTop(&h.form()));
        }
    }

    void failedSaveKeepsEverything()
    {
        QVERIFY(QDir().mkdir(u"media"_s));
        writeFile(u"media/tamlo.dat"_s, fileBytes(sampleEntries()));
        Harness h(u"media/tamlo.dat"_s);
        h.main.setText(u"EDIT1", u"1999"_s);
        h.main.setText(u"EDIT26", u"そのまま"_s);
        h.roster->open();
        h.form().setText(u"EDIT6", u"未保存"_s);
        // The medium goes away under the open window.
        QVERIFY(QDir().rename(u"media"_s, u"gone"_s));

        h.click(u"BUTTON9"_s);
        QCOMPARE(h.failures, 1);
        QVERIFY(h.picks.isEmpty());
        QVERIFY(h.roster->isOpen());
        QCOMPARE(h.field(1, 1), u"未保存"_s);
        QCOMPARE(h.main.text(u"EDIT1"), u"1999"_s);
        QCOMPARE(h.main.text(u"EDIT26"), u"そのまま"_s);
        QCOMPARE(readAll(u"gone/tamlo.dat"_s), fileBytes(sampleEntries()));
        QVERIFY(!QFile::exists(u"media/tamlo.dat"_s));
        QVERIFY(QDir(u"gone"_s).removeRecursively());
    }

    void clear_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("row");
        QTest::newRow("OK on row 7") << Answer::Ok << 7;
        QTest::newRow("OK on row 1") << Answer::Ok << 1;
        QTest::newRow("Cancel on row 7") << Answer::Cancel << 7;
        QTest::newRow("OK on row 10") << Answer::Ok << 10;
    }
    void clear()
    {
        QFETCH(Answer, answer);
        QFETCH(int, row);
        Harness h;
        h.roster->open();
        VisibilityLog log;
        h.main.installEventFilter(&log);
        h.click(kRows[row - 1][0]);
        // Off the top for the question, on the same native window, never hidden.
        const QPointer<QWindow> native = h.form().windowHandle();
        const WId id = h.form().winId();
        VisibilityLog rosterLog;
        h.form().installEventFilter(&rosterLog);
        std::optional<bool> onTopDuringQuestion;
        ui::MessageBox::setShowObserver(
            [&](const ui::MessageBox::Shown &) { onTopDuringQuestion = onTop(&h.form()); });
        ui::MessageBox::setNextAnswer(answer);
        h.click(u"BUTTON8"_s);
        QCOMPARE(onTopDuringQuestion, false);
        QVERIFY(h.form().windowHandle() == native && h.form().winId() == id);
        QVERIFY(rosterLog.events.isEmpty());

        QVERIFY(h.picks.isEmpty()); // クリア picks nobody
        const auto shown = ui::MessageBox::lastShown();
        QVERIFY(shown);
        QCOMPARE(shown->owner, &h.main);
        QCOMPARE(shown->title, u"誕生日データ消去"_s);
        QCOMPARE(shown->text, u"選択したデータを消去しますか?"_s);
        QVERIFY(shown->buttons == ui::MessageBox::Buttons::OkCancel);
        QVERIFY(shown->icon == ui::MessageBox::Icon::Information);

        Entries expected = sampleEntries();
        if (answer == Answer::Ok)
            expected[row - 1] = QStringList(4, QString());
        QCOMPARE(h.fields(), expected);
        QCOMPARE(readAll(u"tamlo.dat"_s), fileBytes(sampleEntries()));
        // Hidden for the question, back afterwards whatever the answer.
        QCOMPARE(log.events, (QList<QEvent::Type> {QEvent::Hide, QEvent::Show}));
        QVERIFY(h.main.isVisible());
        QVERIFY(h.roster->isOpen());
        QVERIFY(onTop(&h.form()));
        QVERIFY(h.picks.isEmpty());

        // Closing through the frame keeps the file as it was.
        h.form().requestClose(); // the close box
        QVERIFY(!h.roster->isOpen());
        QCOMPARE(readAll(u"tamlo.dat"_s), fileBytes(sampleEntries()));
    }

    void clearedRowIsSavedByAPick()
    {
        Harness h;
        h.roster->open();
        h.click(u"RADIO17"_s);
        ui::MessageBox::setNextAnswer(Answer::Ok);
        h.click(u"BUTTON8"_s);
        h.click(u"BUTTON9"_s);
        Entries expected = sampleEntries();
        expected[6] = QStringList(4, QString());
        QCOMPARE(readAll(u"tamlo.dat"_s), fileBytes(expected));
        QCOMPARE(h.picks.size(), 1);
        QCOMPARE(h.picks.first().name, QString());
    }

    void closeBoxSavesNothing()
    {
        Harness h;
        h.main.setText(u"EDIT26"_s, u"元の名前"_s);
        h.roster->open();
        QPointer<ui::Form> window = h.roster->form();
        h.form().setText(u"EDIT6", u"捨てる"_s);
        h.main.hide();
        window->requestClose(); // the close box

        QVERIFY(!h.roster->isOpen());
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(window.isNull());
        QCOMPARE(readAll(u"tamlo.dat"_s), fileBytes(sampleEntries()));
        QCOMPARE(h.main.text(u"EDIT26"), u"元の名前"_s);
        QVERIFY(h.main.isVisible()); // never left without a visible main window
        QVERIFY(h.picks.isEmpty());
        QCOMPARE(h.failures, 0);

        // It opens again from the file.
        h.roster->open();
        QCOMPARE(h.field(1, 1), u"山田　太郎"_s);
    }
};

QTEST_MAIN(TestRosterCommands)
#include "tst_roster_commands.moc"

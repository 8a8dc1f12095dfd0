// The roster window driven through real windows: a main window built from its layout
// with a drawing surface, and hooks that record what the roster asks of the redraw
// cycle and run its commands the way the cycle's pass does, keeping every pick.

#include "app/main_layout.h"
#include "roster/roster_window.h"
#include "ui/text/clock.h"
#include "ui/text/cp932.h"
#include "ui/widgets/form.h"
#include "ui/widgets/message_box.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using Answer = ui::MessageBox::Answer;

namespace {

// Row k: option button, name, year, month, day.
const QStringList kRows[10] = {
    {u"RADIO11"_s, u"EDIT6"_s, u"EDIT11"_s, u"EDIT16"_s, u"EDIT21"_s},
    {u"RADIO12"_s, u"EDIT7"_s, u"EDIT12"_s, u"EDIT17"_s, u"EDIT22"_s},
    {u"RADIO13"_s, u"EDIT8"_s, u"EDIT13"_s, u"EDIT18"_s, u"EDIT23"_s},
    {u"RADIO14"_s, u"EDIT9"_s, u"EDIT14"_s, u"EDIT19"_s, u"EDIT24"_s},
    {u"RADIO15"_s, u"EDIT10"_s, u"EDIT15"_s, u"EDIT20"_s, u"EDIT25"_s},
    {u"RADIO16"_s, u"EDIT27"_s, u"EDIT28"_s, u"EDIT29"_s, u"EDIT30"_s},
    {u"RADIO17"_s, u"EDIT31"_s, u"EDIT32"_s, u"EDIT33"_s, u"EDIT34"_s},
    {u"RADIO18"_s, u"EDIT35"_s, u"EDIT36"_s, u"EDIT37"_s, u"EDIT38"_s},
    {u"RADIO19"_s, u"EDIT39"_s, u"EDIT40"_s, u"EDIT41"_s, u"EDIT42"_s},
    {u"RADIO20"_s, u"EDIT43"_s, u"EDIT44"_s, u"EDIT45"_s, u"EDIT46"_s},
};

using Entries = QList<QStringList>; // ten of {name, year, month, day}

Entries sampleEntries()
{
    return {
        {u"山田　太郎"_s, u"1985"_s, u"4"_s, u"12"_s},
        {u"ＡＢＣ,Ｄ"_s, u"1990"_s, u"04"_s, u"05"_s},
        {u""_s, u""_s, u""_s, u""_s},
        {u"Smith"_s, u"2000"_s, u"2"_s, u"29"_s},
        {u"鈴木"_s, u"1970"_s, u"12"_s, u"31"_s},
        {u"高橋"_s, u"H3"_s, u"1"_s, u"2"_s},
        {u"佐藤　花子"_s, u"1988"_s, u"7"_s, u"7"_s},
        {u"田中"_s, u"1955"_s, u"1"_s, u"1"_s},
        {u""_s, u""_s, u""_s, u""_s},
        {u"最後"_s, u"2020"_s, u"10"_s, u"10"_s},
    };
}

// The file as the program writes it: quoted items, commas, CR LF, code page 932.
QByteArray fileBytes(const Entries &entries)
{
    QByteArray bytes;
    for (const QStringList &entry : entries) {
        QStringList quoted;
        for (const QString &item : entry)
            quoted << u'"' + item + u'"';
        bytes += ui::cp932::encode(quoted.join(u',')).value() + "\r\n";
    }
    return bytes;
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

bool onTop(const QWidget *window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// Counts the main window's hide and show events.
class VisibilityLog : public QObject
{
public:
    QList<QEvent::Type> events;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Show)
            events << event->type();
        return false;
    }
};

// The main window, the roster and the part of the redraw cycle the roster talks to.
struct Harness
{
    explicit Harness(const QString &fileName = u"tamlo.dat"_s)
        : main(app::mainLayout(), /*withSurface=*/true)
    {
        roster::RosterWindow::Hooks hooks;
        hooks.fail = [this] { ++failures; };
        hooks.setRosterRequest = [this](engine::RosterRequest request) {
            requests << int(request);
            pending = int(request);
        };
        // The cycle's pass: a pending roster request runs its command.
        hooks.afterEvent = [this] {
            const int request = std::exchange(pending, 0);
            if (request == 2) {
                roster->clearCommand();
            } else if (request == 3) {
                if (const std::optional<roster::RosterEntry> person = roster->saveAndPick())
                    picks << *person;
            }
        };
        roster = std::make_unique<roster::RosterWindow>(main, std::move(hooks), fileName);
        main.showPlaced();
    }

    ui::Form &form() { return *roster->form(); }
    QString field(int row, int column) { return form().text(kRows[row - 1][column]); }
    void click(const QString &control)
    {
        QWidget *widget = form().control(control);
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QRect(QPoint(), widget->size()).center());
    }
    Entries fields()
    {
        Entries entries;
        for (int row = 1; row <= 10; ++row)
            entries << QStringList {field(row, 1), field(row, 2), field(row, 3), field(row, 4)};
        return entries;
    }

    ui::Form main;
    std::unique_ptr<roster::RosterWindow> roster;
    int failures = 0;
    QList<roster::RosterEntry> picks;
    int pending = 0;
    QList<int> requests;
};

} // namespace

class TestRosterWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        ui::MessageBox::resetForTest();
        ui::MessageBox::requireAnswers(true);
        ui::Clock::setToday(QDate(2026, 3, 5));
        QFile::remove(u"tamlo.dat"_s);
        writeFile(u"tamlo.dat"_s, fileBytes(sampleEntries()));
    }

    void cleanup()
    {
        ui::Clock::setToday(std::nullopt);
        QVERIFY(!ui::MessageBox::hasNextAnswer());
    }

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

        QCOMPARE(h.requests, QList<int> {3});
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
        ui::MessageBox::setNextAnswer(answer);
        h.click(u"BUTTON8"_s);

        QCOMPARE(h.requests, QList<int> {2});
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
        QCOMPARE(h.requests, QList<int> {});

        // It opens again from the file.
        h.roster->open();
        QCOMPARE(h.field(1, 1), u"山田　太郎"_s);
    }
};

QTEST_MAIN(TestRosterWindow)
#include "tst_roster_window.moc"

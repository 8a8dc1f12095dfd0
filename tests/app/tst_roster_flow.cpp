// SPDX-License-Identifier: MIT
// 誕生日データ through the whole program: the main window's button opens the roster,
// whose commands report a pick or a failure, which end in a chart or in the failure handler.

#include "app_fixture.h"
#include "ui/text/cp932.h"

#include <QDir>
#include <QFile>
#include <QWindow>

namespace {

const QByteArray kLine1 = ui::cp932::encode(u"\"山田　太郎\",\"1985\",\"4\",\"12\"\r\n"_s).value();
const QByteArray kEmptyLine = "\"\",\"\",\"\",\"\"\r\n";
const QByteArray kRoster = kLine1 + kEmptyLine.repeated(9);

bool chartDrawn(const QImage &image)
{
    for (int y = 139; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The state as the widget and its native window both have it (false where they differ).
bool onTop(const QWidget *window)
{
    const bool widget = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const QWindow *native = window->windowHandle();
    return widget && (!native || native->flags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace

class TestRosterFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QDir(u"tamlo.dat"_s).removeRecursively();
        QFile::remove(u"tamlo.dat"_s);
        QFile file(u"tamlo.dat"_s);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kRoster);
    }

    void pickDrawsTheChart_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("birth"); // EDIT1, EDIT2, EDIT3, EDIT26
        QTest::addColumn<bool>("drawn");
        QTest::newRow("row 1") << u"RADIO11"_s
                               << QStringList {u"1985"_s, u"4"_s, u"12"_s, u"山田　太郎"_s} << true;
        QTest::newRow("empty row") << u"RADIO12"_s << QStringList(4, QString()) << false;
    }
    void pickDrawsTheChart()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, birth);
        QFETCH(bool, drawn);
        AppFixture app(QDate(2026, 4, 2));
        app.setText(u"EDIT26", u"前の人"_s);
        app.form().setChecked(u"RADIO2", true);
        app.click(u"BUTTON10");
        roster::RosterWindow &roster = app.window->roster();
        QVERIFY(roster.isOpen());
        QTest::mouseClick(roster.form()->control(option), Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(roster.form()->control(u"BUTTON9"), Qt::LeftButton);

        QVERIFY(!roster.isOpen());
        QCOMPARE(app.endedWith, -1);
        QCOMPARE(readAll(u"tamlo.dat"_s), kRoster);
        QCOMPARE((QStringList {app.text(u"EDIT1"), app.text(u"EDIT2"), app.text(u"EDIT3"),
                     app.text(u"EDIT26")}),
            birth);
        QCOMPARE(app.text(u"EDIT4"), u"2026"_s);
        QCOMPARE(app.text(u"EDIT5"), u"4"_s);
        QVERIFY(app.form().isChecked(u"RADIO1"));
        QVERIFY(app.form().isChecked(u"RADIO6"));
        QCOMPARE(chartDrawn(app.surface()), drawn);
    }

    void pickShowsThePersonThisMonth_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("person"); // name, year, month, day
        QTest::addColumn<QString>("shownYear");
        QTest::addColumn<QString>("shownMonth");
        QTest::newRow("row 1 in March")
            << QDate(2026, 3, 5) << QStringList {u"山田　太郎"_s, u"1985"_s, u"4"_s, u"12"_s}
            << u"2026"_s << u"3"_s;
        QTest::newRow("month 04 kept, December")
            << QDate(2026, 12, 31) << QStringList {u"ＡＢＣ,Ｄ"_s, u"1990"_s, u"04"_s, u"05"_s}
            << u"2026"_s << u"12"_s;
        QTest::newRow("empty row, October")
            << QDate(2025, 10, 1) << QStringList(4, QString()) << u"2025"_s << u"10"_s;
        QTest::newRow("year as typed")
            << QDate(2027, 1, 9) << QStringList {u"高橋"_s, u"H3"_s, u"1"_s, u"2"_s} << u"2027"_s
            << u"1"_s;
        QTest::newRow("last row") << QDate(2026, 4, 30)
                                  << QStringList {u"最後"_s, u"2020"_s, u"10"_s, u"10"_s}
                                  << u"2026"_s << u"4"_s;
    }
    void pickShowsThePersonThisMonth()
    {
        QFETCH(QDate, today);
        QFETCH(QStringList, person);
        QFETCH(QString, shownYear);
        QFETCH(QString, shownMonth);
        AppFixture app(today);
        // The main window as the user left it: other eras, other texts, a drawing.
        for (const auto &[control, text] :
            {std::pair {u"EDIT1"_s, u"63"_s}, {u"EDIT2"_s, u"9"_s}, {u"EDIT3"_s, u"9"_s},
                {u"EDIT4"_s, u"5"_s}, {u"EDIT5"_s, u"11"_s}, {u"EDIT26"_s, u"前の人"_s}})
            app.setText(control, text);
        app.form().setChecked(u"RADIO3", true);
        app.form().setChecked(u"RADIO9", true);
        app.form().setMaxBytes(u"EDIT4", 2);
        app.form().surface().fillBox(0, 0, 20, 20, 0);
        app.form().surface().fillBox(300, 300, 320, 320, 0);

        app.window->showPick({person[0], person[1], person[2], person[3]});
        // The same fields typed into a window just started, then 表示.
        AppFixture fresh(today);
        fresh.setText(u"EDIT26", person[0]);
        fresh.show(person[1], person[2], person[3], shownYear, shownMonth);

        QCOMPARE(app.text(u"EDIT26"), person[0]);
        // As typed, unless the check empties it ("H3" is no year).
        QCOMPARE(app.text(u"EDIT1"), fresh.text(u"EDIT1"));
        QCOMPARE(app.text(u"EDIT2"), person[2]);
        QCOMPARE(app.text(u"EDIT3"), person[3]);
        QCOMPARE(app.text(u"EDIT4"), shownYear);
        QCOMPARE(app.text(u"EDIT5"), shownMonth);
        QCOMPARE(app.form().maxBytes(u"EDIT4"), 4);
        for (int era = 1; era <= 10; ++era) {
            const QString button = u"RADIO"_s + QString::number(era);
            QCOMPARE(app.form().isChecked(button), era == 1 || era == 6);
        }
        QVERIFY(app.form().isVisible());

        // Nothing of the old drawing stays: a chart, or a white chart area only when the
        // person's date is refused.
        QCOMPARE(app.surface(), fresh.surface());
    }

    void secondOpenIsNoFailure()
    {
        AppFixture app;
        app.click(u"BUTTON10");
        ui::Form *window = app.window->roster().form();
        app.click(u"BUTTON10");
        QCOMPARE(app.window->roster().form(), window);
        QCOMPARE(app.endedWith, -1);
        QVERIFY(!ui::MessageBox::lastShown());
    }

    void clearAnswersBringTheMainWindowBack()
    {
        AppFixture app;
        app.click(u"BUTTON10");
        ui::Form *window = app.window->roster().form();
        ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Cancel);
        QTest::mouseClick(window->control(u"BUTTON8"), Qt::LeftButton);
        QCOMPARE(ui::MessageBox::lastShown()->title, u"誕生日データ消去"_s);
        QVERIFY(app.form().isVisible());
        QVERIFY(onTop(window));
        QCOMPARE(window->text(u"EDIT6"), u"山田　太郎"_s);
        QVERIFY(!chartDrawn(app.surface()));
    }

    void shortFileEndsTheProgram()
    {
        QFile file(u"tamlo.dat"_s);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(kLine1);
        file.close();
        AppFixture app;
        ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
        app.click(u"BUTTON10");
        QCOMPARE(app.endedWith, EXIT_FAILURE);
        QCOMPARE(ui::MessageBox::lastShown()->title, u"エラー発生"_s);
        QVERIFY(!app.window->roster().isOpen());
    }

    void failedSaveEndsTheProgram()
    {
        AppFixture app;
        app.setText(u"EDIT1", u"2001"_s);
        app.click(u"BUTTON10");
        ui::Form *window = app.window->roster().form();
        // A folder in the file's place cannot be replaced by the saved file.
        QVERIFY(QFile::rename(u"tamlo.dat"_s, u"old.dat"_s));
        QVERIFY(QDir().mkpath(u"tamlo.dat/inside"_s));

        const WId id = window->winId();
        ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
        QTest::mouseClick(window->control(u"BUTTON9"), Qt::LeftButton);
        QCOMPARE(app.endedWith, EXIT_FAILURE);
        QCOMPARE(ui::MessageBox::lastShown()->title, u"エラー発生"_s);
        QVERIFY(!onTop(window)); // the message is not hidden behind it
        QCOMPARE(window->winId(), id);
        QCOMPARE(app.text(u"EDIT1"), u"2001"_s);
        QCOMPARE(readAll(u"old.dat"_s), kRoster);
        QVERIFY(QDir(u"tamlo.dat"_s).removeRecursively());
        QVERIFY(QFile::remove(u"old.dat"_s));
    }
};

QTEST_MAIN(TestRosterFlow)
#include "tst_roster_flow.moc"

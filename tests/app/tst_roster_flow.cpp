// 誕生日データ through the whole program: the main window's button opens the roster,
// whose commands run in the redraw cycle and end in a chart or in the failure handler.

#include "app_fixture.h"
#include "ui/cp932.h"

#include <QDir>
#include <QFile>

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

bool onTop(const QWidget *window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
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
        QCOMPARE(app.window->cycle().rosterRedrawFlag(), 0); // consumed by the redraw
        QCOMPARE(chartDrawn(app.surface()), drawn);
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

        ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
        QTest::mouseClick(window->control(u"BUTTON9"), Qt::LeftButton);
        QCOMPARE(app.endedWith, EXIT_FAILURE);
        QCOMPARE(ui::MessageBox::lastShown()->title, u"エラー発生"_s);
        QVERIFY(!onTop(window)); // the message is not hidden behind it
        QCOMPARE(app.text(u"EDIT1"), u"2001"_s);
        QCOMPARE(readAll(u"old.dat"_s), kRoster);
        QVERIFY(QDir(u"tamlo.dat"_s).removeRecursively());
        QVERIFY(QFile::remove(u"old.dat"_s));
    }
};

QTEST_MAIN(TestRosterFlow)
#include "tst_roster_flow.moc"

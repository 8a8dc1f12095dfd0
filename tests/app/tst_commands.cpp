// SPDX-License-Identifier: MIT
// The main window's commands driven through the real widgets: the checks of a redraw,
// month steps, 今月, 終了, クリア, ヘルプ, the "C" and era buttons.

#include "app_fixture.h"
#include "ui/widgets/shell.h"

#include <QDir>
#include <QFile>

namespace {

/// Whether anything besides the white chart area is on the surface.
bool chartDrawn(const QImage &image)
{
    for (int y = 139; y < 476; ++y)
        for (int x = 1; x < 634; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

const QStringList kInputFields = {u"EDIT1"_s, u"EDIT2"_s, u"EDIT3"_s, u"EDIT4"_s, u"EDIT5"_s};

// A month written back into the fields is Western: 西暦 checked, and the year's limit
// back to four bytes.
void checkWesternMonth(AppFixture &app, const QString &year, const QString &month)
{
    QCOMPARE(app.text(u"EDIT4"), year);
    QCOMPARE(app.text(u"EDIT5"), month);
    QVERIFY(app.form().isChecked(u"RADIO6"));
    QVERIFY(!app.form().isChecked(u"RADIO7"));
    QCOMPARE(app.form().maxBytes(u"EDIT4"), 4);
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checks_data();
    void checks();
    void monthSteps_data();
    void monthSteps();
    void stepFromEraYear();
    void stepWrittenBackBeforeRefusal();
    void limitsFollowCheckedEra_data();
    void limitsFollowCheckedEra();
    void currentMonthAfterEra();
    void eraButtons();
    void quit_data();
    void quit();
    void clearWindow();
    void clearCancelled();
    void help();
    void helpWithoutManual();
    void clearButtons_data();
    void clearButtons();
    void pictureKept();
};

// Each refused input empties exactly the field of its check and leaves the picture.
void TestCommands::checks_data()
{
    QTest::addColumn<QString>("birthEra");
    QTest::addColumn<QString>("shownEra");
    QTest::addColumn<QStringList>("input"); // EDIT1–EDIT5, written "1985/4/12/2026/12"
    QTest::addColumn<QString>("emptied"); // empty: the chart is drawn

    auto row = [](const char *tag, const char *birthEra, const char *shownEra, const char *input,
                   const char *emptied) {
        QTest::newRow(tag) << QString::fromLatin1(birthEra) << QString::fromLatin1(shownEra)
                           << QString::fromUtf8(input).split(u'/') << QString::fromLatin1(emptied);
    };
    row("plain", "RADIO1", "RADIO6", "1985/4/12/2026/12", "");
    row("29 Feb in a common year", "RADIO1", "RADIO6", "2023/2/29/2026/1", "EDIT3");
    row("29 Feb in a leap year", "RADIO1", "RADIO6", "2024/2/29/2026/1", "");
    row("31 in a 30-day month", "RADIO1", "RADIO6", "2000/4/31/2026/1", "EDIT3");
    row("day 0", "RADIO1", "RADIO6", "2000/4/0/2026/1", "EDIT3");
    row("month 13", "RADIO1", "RADIO6", "2000/13/1/2026/1", "EDIT2");
    row("month 0", "RADIO1", "RADIO6", "2000/0/1/2026/1", "EDIT2");
    row("year 0", "RADIO1", "RADIO6", "0/4/1/2026/1", "EDIT1");
    row("not a number", "RADIO1", "RADIO6", "ab/4/1/2026/1", "EDIT1");
    row("empty birth fields", "RADIO1", "RADIO6", "///2026/1", "EDIT1");
    row("昭和 63", "RADIO3", "RADIO6", "63/1/7/2026/1", "");
    row("昭和 64", "RADIO3", "RADIO6", "64/1/7/2026/1", "EDIT1");
    row("大正 16", "RADIO4", "RADIO6", "16/1/7/2026/1", "EDIT1");
    row("令和 46", "RADIO5", "RADIO6", "46/1/1/2026/1", "EDIT1");
    row("平成 has no upper bound", "RADIO2", "RADIO7", "99/1/1/99/2", "");
    row("shown 令和 46", "RADIO1", "RADIO10", "1985/1/1/46/1", "EDIT4");
    row("shown year 0", "RADIO1", "RADIO6", "1985/1/1/0/1", "EDIT4");
    row("shown month 13", "RADIO1", "RADIO6", "1985/1/1/2026/13", "EDIT5");
    row("birth month itself", "RADIO1", "RADIO6", "2000/5/20/2000/5", "");
    row("month before the birth month", "RADIO1", "RADIO6", "2000/5/1/2000/4", "EDIT1");
    row("year before, month not before", "RADIO1", "RADIO6", "2000/5/1/1999/6", "EDIT4");
    row("year before, month before", "RADIO1", "RADIO6", "2000/5/1/1999/4", "EDIT1");
    row("1028 years", "RADIO1", "RADIO6", "1000/1/1/2028/1", "");
    row("1029 years", "RADIO1", "RADIO6", "1000/1/1/2029/1", "EDIT4");
    row("fractional month", "RADIO1", "RADIO6", "1985/2.5/1/2026/2.5", "");
}

void TestCommands::checks()
{
    QFETCH(QString, birthEra);
    QFETCH(QString, shownEra);
    QFETCH(QStringList, input);
    QFETCH(QString, emptied);

    AppFixture app;
    app.click(birthEra);
    app.click(shownEra);
    const QImage before = app.surface();
    app.show(input[0], input[1], input[2], input[3], input[4]);

    for (int i = 0; i < kInputFields.size(); ++i) {
        const QString expected = kInputFields[i] == emptied ? QString() : input[i];
        QCOMPARE(app.text(kInputFields[i]), expected);
    }
    if (emptied.isEmpty())
        QVERIFY(chartDrawn(app.surface()));
    else
        QCOMPARE(app.surface(), before);
}

void TestCommands::monthSteps_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("steppedYear");
    QTest::addColumn<QString>("steppedMonth");
    QTest::newRow("previous from January")
        << u"BUTTON2"_s << u"2024"_s << u"1"_s << u"2023"_s << u"12"_s;
    QTest::newRow("previous") << u"BUTTON2"_s << u"2024"_s << u"7"_s << u"2024"_s << u"6"_s;
    QTest::newRow("next from December")
        << u"BUTTON3"_s << u"2024"_s << u"12"_s << u"2025"_s << u"1"_s;
    QTest::newRow("next") << u"BUTTON3"_s << u"2024"_s << u"1"_s << u"2024"_s << u"2"_s;
}

void TestCommands::monthSteps()
{
    QFETCH(QString, button);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, steppedYear);
    QFETCH(QString, steppedMonth);

    AppFixture app;
    app.setText(u"EDIT1", u"1980"_s);
    app.setText(u"EDIT2", u"3"_s);
    app.setText(u"EDIT3", u"3"_s);
    app.setText(u"EDIT4", year);
    app.setText(u"EDIT5", month);
    app.click(button);
    checkWesternMonth(app, steppedYear, steppedMonth);
    QVERIFY(chartDrawn(app.surface()));
}

// 平成 36 May stepped forward is June 2024, written back as a Western year.
void TestCommands::stepFromEraYear()
{
    AppFixture app;
    app.setText(u"EDIT1", u"1980"_s);
    app.setText(u"EDIT2", u"3"_s);
    app.setText(u"EDIT3", u"3"_s);
    app.click(u"RADIO7");
    QVERIFY(app.text(u"EDIT4").isEmpty());
    QTest::keyClicks(app.control(u"EDIT4"), u"36"_s);
    app.setText(u"EDIT5", u"5"_s);
    app.click(u"BUTTON3");
    checkWesternMonth(app, u"2024"_s, u"6"_s);
}

// December 2023 lies before the birth year: written back all the same, then refused.
void TestCommands::stepWrittenBackBeforeRefusal()
{
    AppFixture app;
    const QImage before = app.surface();
    app.show(u"2024"_s, u"1"_s, u"1"_s, u"2024"_s, u"1"_s);
    const QImage drawn = app.surface();
    app.click(u"BUTTON2");
    QCOMPARE(app.text(u"EDIT5"), u"12"_s);
    QVERIFY(app.text(u"EDIT4").isEmpty());
    QCOMPARE(app.surface(), drawn);
    QVERIFY(drawn != before);
}

// However an era button comes to be checked, by a click or by the program, the year
// field's limit follows it.
void TestCommands::limitsFollowCheckedEra_data()
{
    QTest::addColumn<QString>("birthButton");
    QTest::addColumn<QString>("shownButton");
    QTest::addColumn<int>("birthBytes");
    QTest::addColumn<int>("shownBytes");
    QTest::newRow("西暦, 西暦") << u"RADIO1"_s << u"RADIO6"_s << 4 << 4;
    QTest::newRow("平成, 令和") << u"RADIO2"_s << u"RADIO10"_s << 2 << 2;
    QTest::newRow("令和, 西暦") << u"RADIO5"_s << u"RADIO6"_s << 2 << 4;
}

void TestCommands::limitsFollowCheckedEra()
{
    QFETCH(QString, birthButton);
    QFETCH(QString, shownButton);
    QFETCH(int, birthBytes);
    QFETCH(int, shownBytes);
    AppFixture app;
    app.form().setChecked(u"RADIO3", true);
    app.form().setChecked(u"RADIO8", true);
    app.form().setChecked(birthButton, true);
    app.form().setChecked(shownButton, true);
    QCOMPARE(app.form().maxBytes(u"EDIT1"), birthBytes);
    QCOMPARE(app.form().maxBytes(u"EDIT4"), shownBytes);
}

void TestCommands::currentMonthAfterEra()
{
    AppFixture app(QDate(2026, 3, 8));
    app.setText(u"EDIT1", u"1985"_s);
    app.setText(u"EDIT2", u"4"_s);
    app.setText(u"EDIT3", u"12"_s);
    app.click(u"RADIO7");
    app.setText(u"EDIT4", u"30"_s);
    app.setText(u"EDIT5", u"7"_s);
    app.click(u"BUTTON12");
    checkWesternMonth(app, u"2026"_s, u"3"_s);
    QVERIFY(chartDrawn(app.surface()));
}

void TestCommands::eraButtons()
{
    AppFixture app;
    app.setText(u"EDIT1", u"1985"_s);
    app.click(u"RADIO3");
    QVERIFY(app.text(u"EDIT1").isEmpty());
    QCOMPARE(app.form().maxBytes(u"EDIT1"), 2);
    QTest::keyClicks(app.control(u"EDIT1"), u"601"_s);
    QCOMPARE(app.text(u"EDIT1"), u"60"_s);
    app.click(u"RADIO1");
    QCOMPARE(app.text(u"EDIT1"), u"60"_s); // 西暦 keeps the text
    QCOMPARE(app.form().maxBytes(u"EDIT1"), 4);
    QCOMPARE(app.window->fieldTexts().birthEra, engine::Era::Western);
}

void TestCommands::quit_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("Cancel") << false;
    QTest::newRow("OK") << true;
}

void TestCommands::quit()
{
    QFETCH(bool, ok);
    AppFixture app;
    ui::MessageBox::setNextAnswer(ok ? ui::MessageBox::Answer::Ok : ui::MessageBox::Answer::Cancel);
    app.click(u"BUTTON4");
    const auto shown = ui::MessageBox::lastShown();
    QVERIFY(shown);
    QCOMPARE(shown->title, u"Quorvel"_s);
    QCOMPARE(shown->text, u"終了しますか"_s);
    QCOMPARE(shown->buttons, ui::MessageBox::Buttons::OkCancel);
    QCOMPARE(shown->icon, ui::MessageBox::Icon::Information);
    QCOMPARE(app.endedWith, ok ? 0 : -1);
}

void TestCommands::clearWindow()
{
    AppFixture app;
    app.form().setText(u"EDIT26", u"山田"_s);
    app.click(u"RADIO10");
    app.show(u"1985"_s, u"4"_s, u"12"_s, u"8"_s, u"12"_s);
    QVERIFY(chartDrawn(app.surface()));

    ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
    app.click(u"BUTTON5");
    QCOMPARE(ui::MessageBox::lastShown()->title, u"クリア"_s);
    QCOMPARE(ui::MessageBox::lastShown()->text, u"表示されているデータが消えます"_s);
    QImage silver(app.surface().size(), app.surface().format());
    silver.fill(qRgb(192, 192, 192));
    QCOMPARE(app.surface(), silver);
    for (const auto name : {u"EDIT1", u"EDIT2", u"EDIT3", u"EDIT4", u"EDIT5", u"EDIT26"})
        QVERIFY(app.text(name).isEmpty());
    QVERIFY(app.form().isChecked(u"RADIO10")); // era selections stay
    QCOMPARE(app.form().maxBytes(u"EDIT4"), 2);
}

void TestCommands::clearCancelled()
{
    AppFixture app;
    app.show(u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"12"_s);
    const QImage before = app.surface();
    ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Cancel);
    app.click(u"BUTTON5");
    QCOMPARE(app.surface(), before);
    QCOMPARE(app.text(u"EDIT1"), u"1985"_s);
    QCOMPARE(app.text(u"EDIT5"), u"12"_s);
}

void TestCommands::help()
{
    AppFixture app;
    QFile manual(u"tamlo.pdf"_s);
    QVERIFY(manual.open(QIODevice::WriteOnly));
    manual.write("%PDF-1.4\n");
    manual.close();
    QString opened;
    ui::setDocumentOpener([&](const QString &path) {
        opened = path;
        return true;
    });
    app.click(u"BUTTON11");
    ui::setDocumentOpener({});
    QFile::remove(u"tamlo.pdf"_s);
    QCOMPARE(opened, QDir::current().absoluteFilePath(u"tamlo.pdf"_s));
    QCOMPARE(app.endedWith, -1);
    QVERIFY(!ui::MessageBox::lastShown());
}

void TestCommands::helpWithoutManual()
{
    AppFixture app;
    QFile::remove(u"tamlo.pdf"_s);
    bool called = false;
    ui::setDocumentOpener([&](const QString &) { return called = true; });
    ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
    app.click(u"BUTTON11");
    ui::setDocumentOpener({});
    QVERIFY(!called);
    QCOMPARE(ui::MessageBox::lastShown()->title, u"エラー発生"_s);
    QVERIFY(app.endedWith > 0);
}

void TestCommands::clearButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("emptied");
    QTest::newRow("name") << u"BUTTON13"_s << QStringList {u"EDIT26"_s};
    QTest::newRow("birth date") << u"BUTTON14"_s
                                << QStringList {u"EDIT1"_s, u"EDIT2"_s, u"EDIT3"_s};
    QTest::newRow("shown month") << u"BUTTON15"_s << QStringList {u"EDIT4"_s, u"EDIT5"_s};
}

void TestCommands::clearButtons()
{
    QFETCH(QString, button);
    QFETCH(QStringList, emptied);
    AppFixture app;
    const QStringList all
        = {u"EDIT1"_s, u"EDIT2"_s, u"EDIT3"_s, u"EDIT4"_s, u"EDIT5"_s, u"EDIT26"_s};
    for (const QString &name : all)
        app.setText(name, u"1"_s);
    const QImage before = app.surface();
    app.click(button);
    for (const QString &name : all)
        QCOMPARE(app.text(name).isEmpty(), emptied.contains(name));
    QCOMPARE(app.surface(), before); // no redraw
}

// The picture survives hiding and showing, and a second redraw gives the same pixels.
void TestCommands::pictureKept()
{
    AppFixture app;
    app.show(u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"12"_s);
    const QImage first = app.surface();
    app.click(u"BUTTON1");
    QCOMPARE(app.surface(), first);

    app.form().showMinimized();
    app.form().showNormal();
    const QImage shown = app.form().grab().toImage().convertToFormat(first.format());
    // The chart area below the controls is the surface as drawn.
    QCOMPARE(shown.copy(0, 139, 634, 337), first.copy(0, 139, 634, 337));
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"

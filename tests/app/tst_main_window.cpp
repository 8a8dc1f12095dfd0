// SPDX-License-Identifier: MIT
// The main window after start-up: every control in place, limits, keyboard rules,
// the first painted frame and the failure message.

#include "app_fixture.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void window();
    void controls_data();
    void controls();
    void creationOrder();
    void optionButtonsOnSilver_data();
    void optionButtonsOnSilver();
    void tabOrder();
    void shiftTabFromFirst();
    void groupsIndependent();
    void startupMonth_data();
    void startupMonth();
    void firstFrame();
    void fontCellWidth();
    void failureMessage();
    void closeBoxEndsWithoutQuestion();
};

void TestMainWindow::window()
{
    AppFixture app;
    QCOMPARE(app.form().windowTitle(), u"Quorvel 3.7"_s);
    QCOMPARE(app.form().size(), QSize(634, 476));
    QVERIFY(app.form().isVisible());
    QCOMPARE(app.form().palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(app.surface().size(), QSize(634, 476));
}

// Name, caption, geometry, em height after start-up, byte limit after start-up (0: none),
// text colour, proportional face.
void TestMainWindow::controls_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QColor>("textColour");

    const QColor navy(0, 0, 128), blue(0, 0, 255), black(0, 0, 0);
    auto row
        = [&](const char *name, const QString &caption, QRect rect, int px, int bytes,
              QColor colour) { QTest::newRow(name) << caption << rect << px << bytes << colour; };
    row("EDIT1", {}, {368, 56, 56, 24}, 18, 4, navy);
    row("EDIT2", {}, {456, 56, 40, 24}, 18, 2, navy);
    row("EDIT3", {}, {528, 56, 40, 24}, 18, 2, navy);
    row("TEXT2", u"誕生日"_s, {312, 64, 56, 16}, 14, 0, navy);
    row("TEXT3", u"年"_s, {432, 64, 16, 16}, 14, 0, navy);
    row("TEXT4", u"月"_s, {504, 64, 16, 16}, 14, 0, navy);
    row("TEXT5", u"日"_s, {576, 64, 16, 16}, 14, 0, navy);
    row("RADIO1", u"西暦"_s, {320, 40, 48, 16}, 14, 0, navy);
    row("RADIO2", u"平成"_s, {432, 40, 56, 16}, 14, 0, navy);
    row("RADIO3", u"昭和"_s, {488, 40, 48, 16}, 14, 0, navy);
    row("RADIO4", u"大正"_s, {544, 40, 48, 16}, 14, 0, navy);
    row("RADIO5", u"令和"_s, {376, 40, 56, 16}, 14, 0, navy);
    row("RADIO6", u"西暦"_s, {320, 88, 56, 16}, 14, 0, blue);
    row("RADIO7", u"平成"_s, {432, 88, 56, 16}, 14, 0, blue);
    row("RADIO8", u"昭和"_s, {488, 88, 48, 16}, 14, 0, blue);
    row("RADIO9", u"大正"_s, {544, 88, 48, 16}, 14, 0, blue);
    row("RADIO10", u"令和"_s, {376, 88, 48, 16}, 14, 0, blue);
    row("EDIT4", {}, {368, 104, 56, 24}, 18, 4, blue);
    row("EDIT5", {}, {456, 104, 40, 24}, 18, 2, blue);
    row("BUTTON15", u"C"_s, {536, 104, 24, 24}, 16, 0, black);
    row("TEXT1", u"表示"_s, {328, 112, 32, 16}, 14, 0, blue);
    row("TEXT6", u"年"_s, {432, 112, 16, 16}, 14, 0, blue);
    row("TEXT7", u"月"_s, {504, 112, 24, 16}, 14, 0, blue);
    row("BUTTON1", u"表示"_s, {232, 56, 80, 48}, 16, 0, black);
    row("BUTTON2", u"<<前月"_s, {8, 56, 80, 48}, 16, 0, black);
    row("BUTTON3", u"翌月>>"_s, {152, 56, 80, 48}, 16, 0, black);
    row("BUTTON4", u"終了"_s, {248, 8, 64, 48}, 16, 0, black);
    row("BUTTON5", u"クリア"_s, {120, 8, 64, 48}, 16, 0, black);
    row("BUTTON10", u"誕生日データ"_s, {8, 8, 112, 48}, 16, 0, black);
    row("EDIT26", {}, {368, 8, 152, 24}, 18, 14, blue);
    row("BUTTON11", u"ヘルプ"_s, {184, 8, 64, 48}, 16, 0, black);
    row("TEXT14", u"氏名"_s, {312, 16, 48, 16}, 14, 0, blue);
    row("BUTTON12", u"今月"_s, {88, 56, 64, 48}, 16, 0, black);
    row("BUTTON13", u"C"_s, {536, 8, 24, 24}, 16, 0, black);
    row("BUTTON14", u"C"_s, {600, 56, 24, 24}, 16, 0, black);
}

void TestMainWindow::controls()
{
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(int, pixels);
    QFETCH(int, maxBytes);
    QFETCH(QColor, textColour);

    AppFixture app;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget *widget = app.control(name.toLower()); // names are found without regard to case
    QVERIFY(widget);
    QCOMPARE(widget->objectName(), name);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->font().pixelSize(), pixels);
    QCOMPARE(app.form().maxBytes(name), maxBytes);
    QCOMPARE(widget->palette().color(QPalette::WindowText).rgb() == textColour.rgb()
            || widget->palette().color(QPalette::Text).rgb() == textColour.rgb()
            || widget->palette().color(QPalette::ButtonText).rgb() == textColour.rgb(),
        true);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    else if (name == u"EDIT4"_s || name == u"EDIT5"_s)
        QVERIFY(!qobject_cast<QLineEdit *>(widget)->text().isEmpty()); // today's month
    else
        QVERIFY(qobject_cast<QLineEdit *>(widget)->text().isEmpty());
    const bool proportional
        = name == u"BUTTON13"_s || name == u"BUTTON14"_s || name == u"BUTTON15"_s;
    QCOMPARE(widget->font().family(), proportional ? u"ＭＳ Ｐゴシック"_s : u"ＭＳ ゴシック"_s);
}

void TestMainWindow::creationOrder()
{
    AppFixture app;
    const QStringList expected = {
        u"EDIT1"_s,
        u"EDIT2"_s,
        u"EDIT3"_s,
        u"TEXT2"_s,
        u"TEXT3"_s,
        u"TEXT4"_s,
        u"TEXT5"_s,
        u"RADIO1"_s,
        u"RADIO2"_s,
        u"RADIO3"_s,
        u"RADIO4"_s,
        u"RADIO5"_s,
        u"RADIO6"_s,
        u"RADIO7"_s,
        u"RADIO8"_s,
        u"RADIO9"_s,
        u"RADIO10"_s,
        u"EDIT4"_s,
        u"EDIT5"_s,
        u"BUTTON15"_s,
        u"TEXT1"_s,
        u"TEXT6"_s,
        u"TEXT7"_s,
        u"BUTTON1"_s,
        u"BUTTON2"_s,
        u"BUTTON3"_s,
        u"BUTTON4"_s,
        u"BUTTON5"_s,
        u"BUTTON10"_s,
        u"EDIT26"_s,
        u"BUTTON11"_s,
        u"TEXT14"_s,
        u"BUTTON12"_s,
        u"BUTTON13"_s,
        u"BUTTON14"_s,
    };
    QStringList actual;
    for (QObject *child : app.form().children())
        if (auto *widget = qobject_cast<QWidget *>(child); widget && !widget->objectName().isEmpty()
            && app.control(widget->objectName()) == widget)
            actual << widget->objectName();
    QCOMPARE(actual, expected);
}

// Around its mark and caption, every option button shows the window's silver: at least
// a quarter of its box in a picture of the window (none when the box is filled lighter).
void TestMainWindow::optionButtonsOnSilver_data()
{
    QTest::addColumn<bool>("roster");
    QTest::newRow("main window") << false;
    QTest::newRow("roster window") << true;
}

void TestMainWindow::optionButtonsOnSilver()
{
    QFETCH(bool, roster);
    AppFixture app;
    ui::Form *window = app.openedForm(roster);
    const QImage picture = window->grab().toImage();
    const QList<QRadioButton *> buttons = window->findChildren<QRadioButton *>();
    QCOMPARE(buttons.size(), 10);
    for (const QRadioButton *button : buttons) {
        const QRect box = button->geometry();
        int silver = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                silver += picture.pixel(x, y) == qRgb(192, 192, 192);
        QVERIFY2(silver * 4 > box.width() * box.height(), qPrintable(button->objectName()));
    }
}

void TestMainWindow::tabOrder()
{
    AppFixture app;
    QApplication::setActiveWindow(&app.form());
    app.control(u"EDIT1")->setFocus();
    const QStringList expected = {u"EDIT2"_s, u"EDIT3"_s, u"EDIT4"_s, u"EDIT5"_s, u"BUTTON15"_s,
        u"BUTTON1"_s, u"BUTTON13"_s, u"BUTTON14"_s};
    for (const QString &name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), app.control(name));
    }
    // After the last tab stop the window itself takes the focus, then the first again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &app.form());
    QTest::keyClick(&app.form(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), app.control(u"EDIT1"));
}

void TestMainWindow::shiftTabFromFirst()
{
    AppFixture app;
    QApplication::setActiveWindow(&app.form());
    app.control(u"EDIT1")->setFocus();
    QTest::keyClick(app.control(u"EDIT1"), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), &app.form());
    QTest::keyClick(&app.form(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), app.control(u"BUTTON14"));
}

void TestMainWindow::groupsIndependent()
{
    AppFixture app;
    app.click(u"RADIO2");
    QVERIFY(app.form().isChecked(u"RADIO2"));
    QVERIFY(!app.form().isChecked(u"RADIO1"));
    QVERIFY(app.form().isChecked(u"RADIO6"));
    app.click(u"RADIO10");
    QVERIFY(app.form().isChecked(u"RADIO10"));
    QVERIFY(app.form().isChecked(u"RADIO2"));
}

void TestMainWindow::startupMonth_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::newRow("March") << QDate(2026, 3, 5) << u"2026"_s << u"3"_s;
    QTest::newRow("December") << QDate(2026, 12, 31) << u"2026"_s << u"12"_s;
    QTest::newRow("October") << QDate(2031, 10, 1) << u"2031"_s << u"10"_s;
}

void TestMainWindow::startupMonth()
{
    QFETCH(QDate, today);
    QFETCH(QString, year);
    QFETCH(QString, month);
    AppFixture app(today);
    QCOMPARE(app.text(u"EDIT4"), year);
    QCOMPARE(app.text(u"EDIT5"), month);
    for (const auto name : {u"EDIT1", u"EDIT2", u"EDIT3", u"EDIT26"})
        QVERIFY(app.text(name).isEmpty());
    QVERIFY(app.form().isChecked(u"RADIO1"));
    QVERIFY(app.form().isChecked(u"RADIO6"));
}

// Only the white chart area is painted: (1, 139)–(636, 510), clipped to the surface.
void TestMainWindow::firstFrame()
{
    AppFixture app;
    const QImage &image = app.surface();
    const QRect white(1, 139, 636, 372);
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = white.contains(x, y) ? qRgb(255, 255, 255) : qRgb(192, 192, 192);
            wrong += image.pixel(x, y) != expected;
        }
    QCOMPARE(wrong, 0);
}

void TestMainWindow::fontCellWidth()
{
    ui::installFontSubstitutions();
    const QFontMetrics metrics(ui::gothicFont(16));
    QCOMPARE(metrics.horizontalAdvance(u"P (身体)---"_s), 88);
    QCOMPARE(metrics.horizontalAdvance(u"."_s), 8);
    const QFontMetrics small(ui::gothicFont(14));
    QCOMPARE(small.horizontalAdvance(u"スポーツ　好調日"_s), 112);
}

void TestMainWindow::failureMessage()
{
    AppFixture app;
    ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
    app::Failure::raise();
    const auto shown = ui::MessageBox::lastShown();
    QVERIFY(shown);
    QCOMPARE(shown->title, u"エラー発生"_s);
    QCOMPARE(shown->text, u"記録メディアがライトプロテクトされている等エラー、終了します。"_s);
    QCOMPARE(shown->buttons, ui::MessageBox::Buttons::Ok);
    QCOMPARE(shown->icon, ui::MessageBox::Icon::Stop);
    QCOMPARE(shown->owner, &app.form());
    QVERIFY(app.endedWith > 0);
}

void TestMainWindow::closeBoxEndsWithoutQuestion()
{
    AppFixture app;
    app.form().requestClose(); // as the frame's close box does
    QTRY_COMPARE(app.endedWith, 0);
    QVERIFY(!ui::MessageBox::lastShown());
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"

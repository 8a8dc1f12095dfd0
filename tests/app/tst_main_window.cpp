// SPDX-License-Identifier: MIT
// The main window after start-up: every control in place, limits, keyboard rules,
// the first painted frame and the failure message.

#include "app_fixture.h"
#include "layouts/main_design.h"

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

void TestMainWindow::controls_data()
{
    QTest::addColumn<int>("index"); // into the design
    for (int i = 0; i < int(std::size(main_design::kDesign)); ++i)
        QTest::newRow(main_design::kDesign[i].name.data()) << i;
}

namespace {

// Start-up gives each kind of control its em height in pixels, and the text fields their
// byte limits (those of the Western era in the date fields).
int shownPixels(ui::ControlKind kind)
{
    switch (kind) {
    case ui::ControlKind::TextField:
        return 18;
    case ui::ControlKind::PushButton:
        return 16;
    case ui::ControlKind::OptionButton:
    case ui::ControlKind::Label:
        break;
    }
    return 14;
}

int shownMaxBytes(const QString &name)
{
    static const QHash<QString, int> limits = {{u"EDIT1"_s, 4}, {u"EDIT2"_s, 2}, {u"EDIT3"_s, 2},
        {u"EDIT4"_s, 4}, {u"EDIT5"_s, 2}, {u"EDIT26"_s, 14}};
    return limits.value(name, 0);
}

} // namespace

void TestMainWindow::controls()
{
    QFETCH(int, index);
    const ui::ControlRow &want = main_design::kDesign[index];
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QString caption = want.caption.toString();
    const QColor textColour = QColor::fromRgb(want.text);

    AppFixture app;
    QWidget *widget = app.control(name.toLower()); // names are found without regard to case
    QVERIFY(widget);
    QCOMPARE(widget->objectName(), name);
    QCOMPARE(widget->geometry(), QRect(want.x, want.y, want.w, want.h));
    QCOMPARE(widget->font().pixelSize(), shownPixels(want.kind));
    QCOMPARE(app.form().maxBytes(name), shownMaxBytes(name));
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
    QCOMPARE(
        widget->font().family(), want.proportional ? u"ＭＳ Ｐゴシック"_s : u"ＭＳ ゴシック"_s);
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

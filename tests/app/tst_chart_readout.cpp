// SPDX-License-Identifier: MIT
// The drawn chart read out: the tooltip of the day under the mouse, the day cursor of the
// keyboard, and the names, roles and descriptions a screen reader gets.

#include "app_fixture.h"
#include "chart/day_readout.h"
#include "ui/widgets/accessible_area.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QRegularExpression>
#include <QToolTip>

namespace {

// What the chart area told a screen reader.
QList<QAccessible::Event> g_events;

void recordEvent(QAccessibleEvent *event)
{
    if (qobject_cast<ui::AccessibleArea *>(event->object()))
        g_events << event->type();
}

QString accessibleText(QObject *object, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : u"(none)"_s;
}

/// The tooltip shown for a point of the surface; empty when none is.
QString toolTipAt(ui::Form &form, QPoint point)
{
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, point, form.mapToGlobal(point));
    QCoreApplication::sendEvent(&form, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

void key(ui::Form &form, Qt::Key k)
{
    QTest::keyClick(&form, k);
}

} // namespace

class TestChartReadout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Qt tells of changes only where a platform has an accessibility bridge: on X11
        // with the accessibility bus (the run of this test under tests/accessibility).
        if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
            QTRY_VERIFY(QAccessible::isActive());
        QAccessible::installUpdateHandler(recordEvent);
    }
    void readout_data();
    void readout();
    void dayWithoutMarks();
    void toolTip_data();
    void toolTip();
    void dayCursor();
    void controlNames_data();
    void controlNames();
    void everyControlNamed();
    void chartAsText();
};

// From the chart the window draws: the date, the days since birth, the rhythms at the
// day's first sample and the rows marked that day, as quorvel-chart's day table lists them.
void TestChartReadout::readout_data()
{
    QTest::addColumn<QStringList>("input"); // birth year, month, day, shown year, month
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("rhythms"); // empty: any three percentages
    QTest::addColumn<QString>("rows");
    const QStringList december {u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"12"_s};
    QTest::newRow("one mark") << december << 1 << u"2026年12月1日(火)　生後15,208日"_s
                              << u"身体 +98%　感情 +78%　知性 −82%"_s << u"スポーツ　好調日"_s;
    QTest::newRow("six marks")
        << december << 6 << u"2026年12月6日(日)　生後15,213日"_s << QString()
        << u"スポーツ　好調日、ゲーム  　好調日、読書 学習 好調日、持久持続力好調日、"
           u"体力活動　好調日、知的 創造 好調日"_s;
    QTest::newRow("birthday") << QStringList {u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"4"_s} << 12
                              << u"2026年4月12日(日)　生後14,975日　誕生日"_s << QString()
                              << u"持久持続力好調日"_s;
    QTest::newRow("last day of a 28-day month")
        << QStringList {u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"2"_s} << 28
        << u"2026年2月28日(土)　生後14,932日"_s << QString()
        << u"スポーツ　好調日、ポカ不手際注意日"_s;
    QTest::newRow("last day of a 31-day month")
        << december << 31 << u"2026年12月31日(木)　生後15,238日"_s << QString()
        << u"ゲーム  　好調日"_s;
    const QStringList bornThisMonth {u"2026"_s, u"12"_s, u"10"_s, u"2026"_s, u"12"_s};
    QTest::newRow("before the birth date")
        << bornThisMonth << 5 << u"2026年12月5日(土)"_s << QString() << u"休養 休息 充電日"_s;
    QTest::newRow("the birth date")
        << bornThisMonth << 10 << u"2026年12月10日(木)　生後0日　誕生日"_s << QString()
        << QString();
}

void TestChartReadout::readout()
{
    QFETCH(QStringList, input);
    QFETCH(int, day);
    QFETCH(QString, first);
    QFETCH(QString, rhythms);
    QFETCH(QString, rows);
    AppFixture app;
    app.show(input[0], input[1], input[2], input[3], input[4]);
    const QRect column = chart::dayColumn(day);
    const QStringList lines = toolTipAt(app.form(), column.center()).split(u'\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], first);
    if (rhythms.isEmpty())
        QVERIFY2(QRegularExpression(u"^身体 [+−]?\\d+%　感情 [+−]?\\d+%　知性 [+−]?\\d+%$"_s)
                     .match(lines[1])
                     .hasMatch(),
            qPrintable(lines[1]));
    else
        QCOMPARE(lines[1], rhythms);
    if (!rows.isEmpty())
        QCOMPARE(lines[2], rows);
    // Both edges of the column read the same day.
    QCOMPARE(toolTipAt(app.form(), column.topLeft()), lines.join(u'\n'));
    QCOMPARE(toolTipAt(app.form(), column.bottomRight()), lines.join(u'\n'));
}

// The rules mark some row on every day a chart can show; a day without one says so.
void TestChartReadout::dayWithoutMarks()
{
    chart::DayValues values;
    values.year = 2026;
    values.month = 12;
    values.day = 3;
    values.weekday = u"木"_s;
    values.curve = {88.0f, 68.0f, 108.0f};
    QCOMPARE(chart::readoutText(values),
        u"2026年12月3日(木)\n身体 0%　感情 +100%　知性 −100%\n印なし"_s);
}

void TestChartReadout::toolTip_data()
{
    QTest::addColumn<QString>("state"); // drawn, none, cleared
    QTest::addColumn<QString>("month");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("day"); // 0: no tooltip
    QTest::newRow("day 1") << u"drawn"_s << u"12"_s << QPoint(130, 139) << 1;
    QTest::newRow("day 31's right edge") << u"drawn"_s << u"12"_s << QPoint(625, 475) << 31;
    QTest::newRow("left of the columns") << u"drawn"_s << u"12"_s << QPoint(129, 300) << 0;
    QTest::newRow("above the chart") << u"drawn"_s << u"12"_s << QPoint(200, 138) << 0;
    QTest::newRow("right of day 31") << u"drawn"_s << u"12"_s << QPoint(626, 300) << 0;
    QTest::newRow("February's day 29") << u"drawn"_s << u"2"_s << QPoint(130 + 16 * 28, 300) << 0;
    QTest::newRow("over a field") << u"drawn"_s << u"12"_s << QPoint(380, 60) << 0;
    QTest::newRow("before a chart") << u"none"_s << u"12"_s << QPoint(300, 300) << 0;
    QTest::newRow("after クリア") << u"cleared"_s << u"12"_s << QPoint(300, 300) << 0;
}

void TestChartReadout::toolTip()
{
    QFETCH(QString, state);
    QFETCH(QString, month);
    QFETCH(QPoint, point);
    QFETCH(int, day);
    AppFixture app;
    if (state != u"none"_s)
        app.show(u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, month);
    if (state == u"cleared"_s) {
        ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
        app.click(u"BUTTON5");
    }
    const QString shown = toolTipAt(app.form(), point);
    if (day == 0)
        QVERIFY2(shown.isEmpty(), qPrintable(shown));
    else
        QVERIFY2(shown.startsWith(u"2026年"_s % month % u'月' % QString::number(day) % u"日("_s),
            qPrintable(shown));
}

// With the window itself focused, ←/→, Home and End move a frame over the picture and
// read the day out; the copy of the window never holds the frame.
void TestChartReadout::dayCursor()
{
    AppFixture app;
    ui::Form &form = app.form();
    app.show(u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"12"_s);
    const QAccessibleInterface *chartFace = QAccessible::queryAccessibleInterface(
        const_cast<ui::AccessibleArea *>(&app.window->readout().chartArea()));
    QCOMPARE(form.marker(), std::nullopt);
    // Tab from the last tab stop gives the window itself the focus.
    QApplication::setActiveWindow(&form);
    app.control(u"BUTTON14")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form.hasFocus());
    QCOMPARE(form.marker(), chart::dayColumn(1));

    const struct
    {
        Qt::Key key;
        int day;
    } moves[] = {{Qt::Key_Right, 2}, {Qt::Key_End, 31}, {Qt::Key_Right, 31}, {Qt::Key_Left, 30},
        {Qt::Key_Home, 1}, {Qt::Key_Left, 1}};
    int day = 1;
    for (const auto &move : moves) {
        g_events.clear();
        key(form, move.key);
        QCOMPARE(app.window->readout().cursorDay(), move.day);
        QCOMPARE(form.marker(), chart::dayColumn(move.day));
        QVERIFY(QToolTip::isVisible());
        const QString shown = QToolTip::text();
        QCOMPARE(shown, toolTipAt(form, chart::dayColumn(move.day).center()));
        QCOMPARE(chartFace->text(QAccessible::Description), shown);
        // A screen reader is told of each new day.
        if (QAccessible::isActive())
            QCOMPARE(g_events.contains(QAccessible::DescriptionChanged), move.day != day);
        day = move.day;
    }

    // The window shows the frame; コピー(&Y) gives the designed picture without it.
    const QRect chartArea(0, 139, 634, 337);
    const auto chartOf = [&](const QImage &image) {
        return image.copy(chartArea).convertToFormat(QImage::Format_RGB32);
    };
    const QImage designed = chartOf(app.surface());
    QVERIFY(chartOf(form.grab().toImage()) != designed);
    form.findChild<QAction *>(u"actionCopy"_s)->trigger();
    QCOMPARE(chartOf(QGuiApplication::clipboard()->image()), designed);
    // Tab moves on as before, and the frame goes with the focus.
    QTest::keyClick(&form, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), app.control(u"EDIT1"));
    QCOMPARE(form.marker(), std::nullopt);
    QCOMPARE(chartOf(form.grab().toImage()), designed);
}

void TestChartReadout::controlNames_data()
{
    QTest::addColumn<bool>("roster");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const QStringList eras {u"西暦"_s, u"平成"_s, u"昭和"_s, u"大正"_s, u"令和"_s};
    const auto row = [](bool roster, const QString &control, const QString &name) {
        QTest::addRow("%s", qPrintable(control)) << roster << control << name;
    };
    for (const auto &[control, name] : {std::pair {u"EDIT1"_s, u"誕生日の年"_s},
             {u"EDIT2"_s, u"誕生日の月"_s}, {u"EDIT3"_s, u"誕生日の日"_s},
             {u"EDIT4"_s, u"表示する年"_s}, {u"EDIT5"_s, u"表示する月"_s}, {u"EDIT26"_s, u"氏名"_s},
             {u"BUTTON13"_s, u"氏名を消す"_s}, {u"BUTTON14"_s, u"誕生日を消す"_s},
             {u"BUTTON15"_s, u"表示年月を消す"_s}, {u"BUTTON1"_s, u"表示"_s}})
        row(false, control, name);
    for (int i = 0; i < 5; ++i) {
        row(false, u"RADIO"_s + QString::number(1 + i), u"誕生日の年号 "_s + eras[i]);
        row(false, u"RADIO"_s + QString::number(6 + i), u"表示の年号 "_s + eras[i]);
    }
    for (const auto &[control, name] :
        {std::pair {u"RADIO11"_s, u"1人目を選ぶ"_s}, {u"EDIT6"_s, u"1人目の氏名"_s},
            {u"EDIT11"_s, u"1人目の年"_s}, {u"EDIT16"_s, u"1人目の月"_s},
            {u"EDIT21"_s, u"1人目の日"_s}, {u"EDIT10"_s, u"5人目の氏名"_s},
            {u"EDIT27"_s, u"6人目の氏名"_s}, {u"EDIT29"_s, u"6人目の月"_s},
            {u"RADIO20"_s, u"10人目を選ぶ"_s}, {u"EDIT46"_s, u"10人目の日"_s}})
        row(true, control, name);
}

void TestChartReadout::controlNames()
{
    QFETCH(bool, roster);
    QFETCH(QString, control);
    QFETCH(QString, name);
    AppFixture app;
    ui::Form *window = app.openedForm(roster);
    QCOMPARE(accessibleText(window->control(control), QAccessible::Name), name);
}

// No control of either window is read out by its design code or not at all.
void TestChartReadout::everyControlNamed()
{
    AppFixture app;
    for (ui::Form *window : {app.openedForm(false), app.openedForm(true)}) {
        for (QWidget *control : window->controls()) {
            const QString name = accessibleText(control, QAccessible::Name);
            QVERIFY2(!name.isEmpty() && name != control->objectName()
                    && std::any_of(
                        name.begin(), name.end(), [](QChar c) { return c.unicode() > 0x2000; }),
                qPrintable(control->objectName() + u": "_s + name));
        }
    }
}

void TestChartReadout::chartAsText()
{
    AppFixture app(QDate(2026, 4, 12));
    auto *area = const_cast<ui::AccessibleArea *>(&app.window->readout().chartArea());
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(area);
    QCOMPARE(face->role(), QAccessible::Chart);
    QCOMPARE(face->text(QAccessible::Name), u"バイオリズム"_s);
    QVERIFY(face->text(QAccessible::Description).isEmpty());

    app.show(u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"12"_s);
    QCOMPARE(face->text(QAccessible::Name), u"2026年12月のバイオリズム"_s);
    app.setText(u"EDIT26", u"山田花子"_s);
    g_events.clear();
    app.click(u"BUTTON2");
    if (QAccessible::isActive())
        QVERIFY(g_events.contains(QAccessible::NameChanged));
    QCOMPARE(face->text(QAccessible::Name), u"山田花子さんの2026年11月のバイオリズム"_s);
    QVERIFY(face->text(QAccessible::Description).startsWith(u"2026年11月1日(日)　生後"_s));

    // The day count and, on the birthday, the greeting, as text.
    QStringList texts;
    for (ui::AccessibleArea *piece : app.form().findChildren<ui::AccessibleArea *>()) {
        QAccessibleInterface *pieceFace = QAccessible::queryAccessibleInterface(piece);
        if (pieceFace->role() == QAccessible::StaticText)
            texts << pieceFace->text(QAccessible::Name);
    }
    QCOMPARE(texts,
        (QStringList {u"★ 山田花子さん、誕生日おめでとう ★"_s,
            u"誕生日から今日(2026/04/12)まで 14,975日です。"_s}));
}

QTEST_MAIN(TestChartReadout)
#include "tst_chart_readout.moc"

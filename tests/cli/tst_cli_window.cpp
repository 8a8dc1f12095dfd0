// SPDX-License-Identifier: MIT
// The picture of quorvel-chart against the main window's surface after a click on 表示,
// for the same input and today, pixel for pixel; and the built program run as a process.

#include "app/failure.h"
#include "app/main_window.h"
#include "cli_test_helpers.h"
#include "ui/drawing/fonts.h"
#include "ui/drawing/png_file.h"
#include "ui/text/clock.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// What is typed into the window, and the same as arguments of the program.
struct Input
{
    int birthEra; ///< 1–5: RADIO1–RADIO5
    QStringList birth; ///< EDIT1–EDIT3
    int shownEra; ///< 6–10: RADIO6–RADIO10
    QStringList shown; ///< EDIT4–EDIT5
    QString name;
    QDate today;
    QStringList arguments;
};

void click(ui::Form &form, QStringView name)
{
    QWidget *widget = form.control(name);
    QVERIFY2(widget, qPrintable(name.toString()));
    QTest::mouseClick(
        widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, widget->height() / 2));
}

/// The window's surface after typing the input and clicking 表示.
QImage windowPicture(const Input &input)
{
    ui::Clock::setToday(input.today);
    int ended = -1;
    app::setProgramEnding([&ended](int code) { ended = code; });
    app::MainWindow window;
    window.start();
    ui::Form &form = window.form();
    // An era button empties its year field, so it is chosen before typing.
    click(form, u"RADIO%1"_s.arg(input.birthEra));
    click(form, u"RADIO%1"_s.arg(input.shownEra));
    form.setText(u"EDIT1", input.birth[0]);
    form.setText(u"EDIT2", input.birth[1]);
    form.setText(u"EDIT3", input.birth[2]);
    form.setText(u"EDIT4", input.shown[0]);
    form.setText(u"EDIT5", input.shown[1]);
    form.setText(u"EDIT26", input.name);
    click(form, u"BUTTON1");
    QImage picture = form.surface().image().convertToFormat(QImage::Format_RGB32);
    app::setProgramEnding({});
    ui::Clock::setToday(std::nullopt);
    if (ended != -1 || form.text(u"EDIT1").isEmpty())
        qWarning("the window refused the input");
    return picture;
}

QImage programPicture(const QImage &loaded)
{
    return loaded.convertToFormat(QImage::Format_RGB32);
}

/// Reports where two pictures differ instead of one bare failed comparison.
bool samePicture(const QImage &a, const QImage &b)
{
    if (a.size() != b.size()) {
        qWarning("sizes differ: %dx%d and %dx%d", a.width(), a.height(), b.width(), b.height());
        return false;
    }
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    if (differing)
        qWarning("%d pixels differ", differing);
    return differing == 0;
}

/// The program as a user starts it: the platform left to the program (offscreen).
void startProgram(QProcess &process, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"QT_QPA_PLATFORM"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORVEL_CHART_EXE), arguments);
}

const Input kEraInput {3, {u"60"_s, u"4"_s, u"12"_s}, 10, {u"8"_s, u"12"_s}, u"太郎"_s,
    QDate(2026, 4, 12),
    {u"--birth=昭和60-4-12"_s, u"--month=令和8-12"_s, u"--today=2026-04-12"_s, u"--name=太郎"_s}};

} // namespace

Q_DECLARE_METATYPE(Input)

class TestCliWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ui::installFontSubstitutions(); }
    void pngEqualsWindow_data();
    void pngEqualsWindow();
    void largerScaleKeepsThePicture();
    void colourTableKeepsPixels_data();
    void colourTableKeepsPixels();
    void spawnedProgramDrawsTheSame();
    void exitStatuses_data();
    void exitStatuses();
    void readmeExamplesDrawTheCommittedPicture_data();
    void readmeExamplesDrawTheCommittedPicture();
    void standardOutputIsTheBytesWritten_data();
    void standardOutputIsTheBytesWritten();
    void windowOnTheScreenDrawsTheCommittedChart();
};

void TestCliWindow::pngEqualsWindow_data()
{
    QTest::addColumn<Input>("input");

    QTest::newRow("western, today in the month") << Input {1, {u"1985"_s, u"4"_s, u"12"_s}, 6,
        {u"2026"_s, u"12"_s}, QString(), QDate(2026, 12, 8),
        {u"--birth=1985-04-12"_s, u"--month=2026-12"_s, u"--today=2026-12-08"_s}};
    QTest::newRow("eras, birthday greeting") << kEraInput;
    QTest::newRow("birth month, day 10 today")
        << Input {4, {u"15"_s, u"1"_s, u"20"_s}, 8, {u"1"_s, u"1"_s}, QString(), QDate(1926, 1, 10),
               {u"--birth=大正15-1-20"_s, u"--month=昭和1-1"_s, u"--today=1926-01-10"_s}};
    QTest::newRow("leap February, default month") << Input {2, {u"12"_s, u"2"_s, u"29"_s}, 6,
        {u"2024"_s, u"2"_s}, u"Ann"_s, QDate(2024, 2, 29),
        {u"--birth=平成12-2-29"_s, u"--today=2024-02-29"_s, u"--name=Ann"_s}};
    QTest::newRow("1028 years apart, no today") << Input {1, {u"1000"_s, u"3"_s, u"1"_s}, 6,
        {u"2028"_s, u"3"_s}, QString(), QDate(2026, 12, 8),
        {u"--birth=1000-03-01"_s, u"--month=2028-03"_s, u"--today=2026-12-08"_s}};
}

void TestCliWindow::pngEqualsWindow()
{
    QFETCH(Input, input);
    const QImage window = windowPicture(input);
    QCOMPARE(window.size(), QSize(634, 476));

    const QTemporaryDir dir;
    const QString png = dir.filePath(u"chart.png"_s);
    const cli_test::Run run = cli_test::runProgram(input.arguments + QStringList {u"--png"_s, png});
    QVERIFY2(run.status == cli::kDone, run.err.constData());
    QVERIFY(run.out.isEmpty());
    QVERIFY(samePicture(programPicture(QImage(png)), window));
}

void TestCliWindow::largerScaleKeepsThePicture()
{
    const QTemporaryDir dir;
    const QString png = dir.filePath(u"chart.png"_s);
    const cli_test::Run run
        = cli_test::runProgram(kEraInput.arguments + QStringList {u"--png"_s, png, u"--scale=3"_s});
    QCOMPARE(run.status, int(cli::kDone));
    const QImage large(png);
    QCOMPARE(large.size(), QSize(634 * 3, 476 * 3));
    // Flat areas and lines scale exactly: the background, the chart area, the zero line.
    const QImage small = windowPicture(kEraInput);
    for (const QPoint p : {QPoint(5, 5), QPoint(300, 300), QPoint(200, 196), QPoint(124, 180)})
        QCOMPARE(large.pixel(p * 3 + QPoint(1, 1)), small.pixel(p));
}

void TestCliWindow::colourTableKeepsPixels_data()
{
    QTest::addColumn<int>("colourCount");
    QTest::addColumn<bool>("indexed");

    QTest::newRow("one colour") << 1 << true;
    QTest::newRow("256 colours") << 256 << true;
    QTest::newRow("257 colours") << 257 << false;
    QTest::newRow("many colours") << 5000 << false;
}

void TestCliWindow::colourTableKeepsPixels()
{
    QFETCH(int, colourCount);
    QFETCH(bool, indexed);
    QImage image(100, 60, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(0, 0, 0) + QRgb((y * image.width() + x) % colourCount * 97));
    const QImage result = ui::withColourTable(image);
    QCOMPARE(result.format() == QImage::Format_Indexed8, indexed);
    QVERIFY(samePicture(result.convertToFormat(QImage::Format_RGB32), image));
}

void TestCliWindow::spawnedProgramDrawsTheSame()
{
    const QTemporaryDir dir;
    const QString png = dir.filePath(u"chart.png"_s);
    QProcess process;
    process.start(
        QStringLiteral(QUORVEL_CHART_EXE), kEraInput.arguments + QStringList {u"--png"_s, png});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    QVERIFY(samePicture(programPicture(QImage(png)), windowPicture(kEraInput)));
}

void TestCliWindow::exitStatuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");

    QTest::newRow("day table") << QStringList {u"--birth=1985-04-12"_s, u"--today=2026-12-08"_s}
                               << 0 << QString();
    QTest::newRow("usage") << QStringList {u"--birth"_s} << 2 << u"usage: quorvel-chart"_s;
    QTest::newRow("era year out of range") << QStringList {u"--birth=令和46-1-1"_s} << 3
                                           << u"birth year 令和46: out of range for 令和 (1–45)"_s;
    QTest::newRow("missing roster")
        << QStringList {u"--roster=absent.dat"_s} << 4 << u"roster file absent.dat: no such file"_s;
}

void TestCliWindow::exitStatuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, err);
    const QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(QUORVEL_CHART_EXE), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), status);
    const QString errText = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(errText.contains(err), qPrintable(errText));
    if (status == 0)
        QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).startsWith(u"2026-12-01 火"_s));
}

// The pictures were drawn on Linux and committed; the Windows build draws the same
// pixels (its own copy of the IPA faces, Qt's FreeType engine).
void TestCliWindow::readmeExamplesDrawTheCommittedPicture_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("picture");
    const QString source = QStringLiteral(QUORVEL_SOURCE_DIR);
    QTest::newRow("manual's chart at scale 2") << QStringList {u"--birth"_s, u"1985-04-12"_s,
        u"--month"_s, u"2026-12"_s, u"--today"_s, u"2026-12-08"_s, u"--scale"_s, u"2"_s}
                                               << source + u"/docs/manual/chart.png"_s;
    QTest::newRow("era and name") << QStringList {u"--birth"_s, u"昭和60-4-12"_s, u"--name"_s,
        u"太郎"_s, u"--today"_s, u"2026-12-08"_s}
                                  << source + u"/tests/data/chart-taro.png"_s;
}

void TestCliWindow::readmeExamplesDrawTheCommittedPicture()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, picture);
    const QTemporaryDir dir;
    const QString png = dir.filePath(u"chart.png"_s);
    QProcess process;
    startProgram(process, arguments + QStringList {u"--png"_s, png});
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    QVERIFY(samePicture(programPicture(QImage(png)), programPicture(QImage(picture))));
}

// Written to standard output, the bytes are those of the same run in the program's own
// buffer: no CR is added on Windows. The calendar's DTSTAMP is the time of the run.
void TestCliWindow::standardOutputIsTheBytesWritten_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QStringList person {u"--birth=昭和60-4-12"_s, u"--name=太郎"_s, u"--today=2026-12-08"_s};
    QTest::newRow("day table") << person;
    QTest::newRow("JSON") << person + QStringList {u"--json=-"_s};
    QTest::newRow("calendar") << person + QStringList {u"--ics=-"_s, u"--kinds=all"_s};
}

void TestCliWindow::standardOutputIsTheBytesWritten()
{
    QFETCH(QStringList, arguments);
    const QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    startProgram(process, arguments);
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    const QRegularExpression stamp(u"DTSTAMP:[0-9TZ]+"_s);
    const QString out = QString::fromUtf8(process.readAllStandardOutput()).replace(stamp, {});
    const QString expected
        = QString::fromUtf8(cli_test::runProgram(arguments).out).replace(stamp, {});
    QVERIFY(!expected.isEmpty());
    QCOMPARE(out, expected);
}

// The window as the user sees it: on a real screen (Windows under Wine) its client area
// is read back from the screen, after a click on 表示, and its chart area must be the
// picture drawn on Linux, rule lines and all.
void TestCliWindow::windowOnTheScreenDrawsTheCommittedChart()
{
    ui::Clock::setToday(QDate(2026, 12, 8));
    app::setProgramEnding([](int) {});
    app::MainWindow window;
    window.start();
    ui::Form &form = window.form();
    click(form, u"RADIO3");
    form.setText(u"EDIT26", u"太郎"_s);
    form.setText(u"EDIT1", u"60"_s);
    form.setText(u"EDIT2", u"4"_s);
    form.setText(u"EDIT3", u"12"_s);
    click(form, u"BUTTON1");
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const QRect chartArea(0, 139, 634, 476 - 139);
    const QImage expected = programPicture(
        QImage(QStringLiteral(QUORVEL_SOURCE_DIR) + u"/tests/data/chart-taro.png"_s))
                                .copy(chartArea);
    const bool realScreen = QGuiApplication::platformName() != u"offscreen"_s;
    const auto onScreen = [&] {
        if (!realScreen)
            return programPicture(form.grab().toImage()).copy(chartArea);
        const QPoint origin = form.mapToGlobal(chartArea.topLeft());
        return programPicture(
            form.screen()
                ->grabWindow(0, origin.x(), origin.y(), chartArea.width(), chartArea.height())
                .toImage());
    };
    // The screen shows the window once its paint has gone through the window system.
    QDeadlineTimer shownBy(5000);
    QImage shown = onScreen();
    while (shown != expected && !shownBy.hasExpired()) {
        QTest::qWait(100);
        shown = onScreen();
    }
    QVERIFY(samePicture(shown, expected));
    app::setProgramEnding({});
    ui::Clock::setToday(std::nullopt);
}

QTEST_MAIN(TestCliWindow)
#include "tst_cli_window.moc"

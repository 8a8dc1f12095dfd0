// SPDX-License-Identifier: MIT
// The context menu's chart entries: when they may be used, the pictures they save, the
// page they print and the calendar they write, and what a failed save leaves alone.

#include "app_fixture.h"
#include "chart/month_chart.h"
#include "tests/cli/cli_test_helpers.h"
#include "ui/widgets/print_preview.h"

#include <QAction>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using ui::FileDialog;

namespace {

void showChart(AppFixture &app)
{
    app.setText(u"EDIT26", u"山田　太郎"_s);
    app.show(u"1985"_s, u"4"_s, u"12"_s, u"2026"_s, u"12"_s);
}

QAction *entry(AppFixture &app, const char *name)
{
    return app.form().findChild<QAction *>(QString::fromLatin1(name));
}

#ifndef Q_OS_WIN
/// Share of pixels whose channels differ by less than 48, once both pictures are brought
/// to half the surface's size.
double likeness(const QImage &a, const QImage &b)
{
    const QSize size(317, 238);
    const auto half = [size](const QImage &image) {
        return image.convertToFormat(QImage::Format_RGB32)
            .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage x = half(a), y = half(b);
    int alike = 0;
    for (int py = 0; py < size.height(); ++py)
        for (int px = 0; px < size.width(); ++px) {
            const QRgb p = x.pixel(px, py), q = y.pixel(px, py);
            alike += std::abs(qRed(p) - qRed(q)) < 48 && std::abs(qGreen(p) - qGreen(q)) < 48
                && std::abs(qBlue(p) - qBlue(q)) < 48;
        }
    return double(alike) / (size.width() * size.height());
}
#endif

} // namespace

class TestChartMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entriesFollowTheChart_data();
    void entriesFollowTheChart();
    void savesPicture_data();
    void savesPicture();
    void proposedNames_data();
    void proposedNames();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void printsTheChart();
    void exportsTwelveMonths_data();
    void exportsTwelveMonths();
};

void TestChartMenu::entriesFollowTheChart_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("before any chart") << QStringList {} << false;
    QTest::newRow("chart shown") << QStringList {u"show"_s} << true;
    QTest::newRow("refused input keeps the chart") << QStringList {u"show"_s, u"refuse"_s} << true;
    QTest::newRow("クリア") << QStringList {u"show"_s, u"clear"_s} << false;
}

void TestChartMenu::entriesFollowTheChart()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, enabled);
    AppFixture app;
    for (const QString &step : steps) {
        if (step == u"show")
            showChart(app);
        else if (step == u"refuse")
            app.show(u"1985"_s, u"13"_s, u"12"_s, u"2026"_s, u"11"_s);
        else {
            ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
            app.click(u"BUTTON5");
        }
    }
    QStringList texts, names;
    for (const QAction *action : app.form().actions()) {
        texts << action->text();
        names << action->objectName();
        QCOMPARE(action->isEnabled(), enabled || action->objectName() == u"actionCopy");
    }
    QCOMPARE(texts,
        (QStringList {u"コピー(&Y)"_s, u"画像として保存(&S)…"_s, u"印刷(&P)…"_s,
            u"カレンダーに書き出す(&C)…"_s}));
    QCOMPARE(names,
        (QStringList {
            u"actionCopy"_s, u"actionSaveImage"_s, u"actionPrint"_s, u"actionExportCalendar"_s}));
}

void TestChartMenu::savesPicture_data()
{
    QTest::addColumn<int>("filter");
    QTest::newRow("as large as the window") << 0;
    QTest::newRow("twice as large") << 1;
}

void TestChartMenu::savesPicture()
{
    QFETCH(int, filter);
    AppFixture app;
    showChart(app);
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"chart.png"_s);
    FileDialog::setNextAnswer(FileDialog::Choice {path, filter});
    entry(app, "actionSaveImage")->trigger();
    // The Pictures folder, or the home folder where there is none: never a missing one.
    const QFileInfo proposed(FileDialog::lastRequest()->proposedPath);
    QCOMPARE(proposed.fileName(), u"山田　太郎-2026-12.png"_s);
    QVERIFY(proposed.dir().exists());
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QCOMPARE(proposed.path(), QFileInfo(pictures).isDir() ? pictures : QDir::homePath());

    QImage expected = app.surface();
    if (filter == 1) {
        const QString reference = dir.filePath(u"reference.png"_s);
        const cli_test::Run run = cli_test::runProgram({u"--birth=1985-04-12"_s,
            u"--month=2026-12"_s, u"--name=山田　太郎"_s, u"--png"_s, reference, u"--scale=2"_s});
        QCOMPARE(run.status, int(cli::kDone));
        expected = QImage(reference);
    }
    const QImage saved(path);
    QCOMPARE(saved.size(), chart::kSurfaceSize * (filter + 1));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
        expected.convertToFormat(QImage::Format_RGB32));
}

void TestChartMenu::proposedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");

    QTest::newRow("no name") << QString() << u"biorhythm-2026-12.png"_s;
    QTest::newRow("path characters")
        << u"a/b\\c:d*e?f\"g<h>i|j"_s << u"a_b_c_d_e_f_g_h_i_j-2026-12.png"_s;
    QTest::newRow("control character") << u"a\tb\u007f"_s << u"a_b_-2026-12.png"_s;
    QTest::newRow("dots and spaces at the ends") << u" ..ab.. "_s << u"ab-2026-12.png"_s;
    QTest::newRow("nothing left") << u".."_s << u"biorhythm-2026-12.png"_s;
}

void TestChartMenu::proposedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QCOMPARE(app::ChartMenu::proposedFileName(name, {1985, 4, 12, 2026, 12}, u"png"), file);
}

void TestChartMenu::failedSaveChangesNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("where");
    QTest::newRow("picture, no such folder") << u"actionSaveImage"_s << u"missing/a.png"_s;
    QTest::newRow("picture, folder is a file") << u"actionSaveImage"_s << u"file/a.png"_s;
    QTest::newRow("calendar, no such folder") << u"actionExportCalendar"_s << u"missing/a.ics"_s;
}

void TestChartMenu::failedSaveChangesNothing()
{
    QFETCH(QString, action);
    QFETCH(QString, where);
    AppFixture app;
    showChart(app);
    const QTemporaryDir dir;
    QFile(dir.filePath(u"file"_s)).open(QIODevice::WriteOnly);
    const QImage before = app.surface().copy();
    FileDialog::setNextAnswer(FileDialog::Choice {dir.filePath(where), 0});
    ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
    app.form().findChild<QAction *>(action)->trigger();

    const auto shown = ui::MessageBox::lastShown();
    QVERIFY(shown
        && shown->text.startsWith(
            u"保存できませんでした。\n"_s + QDir::toNativeSeparators(dir.filePath(where))));
    QCOMPARE(app.endedWith, -1);
    QCOMPARE(app.surface(), before);
    QCOMPARE(app.text(u"EDIT26"), u"山田　太郎"_s);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList {u"file"_s});
    QVERIFY(app.form().findChild<QAction *>(action)->isEnabled());
}

// The page, rasterized by poppler, holds the chart across its width, centred, with its
// text in the window's font.
void TestChartMenu::printsTheChart()
{
    AppFixture app;
    showChart(app);
    const QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(u"page.pdf"_s));
    printer.setPageSize(QPageSize(QPageSize::A4));
    ui::PrintPreview::setNextPrinter(&printer);
    entry(app, "actionPrint")->trigger();

#ifdef Q_OS_WIN
    // poppler's pdftoppm and pdffonts are Linux programs, which a Windows process cannot
    // start: here the page is only checked to embed the window's font.
    QFile pdf(dir.filePath(u"page.pdf"_s));
    QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.readAll().contains("IPAGothic"));
#else
    constexpr int dpi = 144;
    QCOMPARE(QProcess::execute(u"pdftoppm"_s,
                 {u"-r"_s, QString::number(dpi), u"-png"_s, u"-singlefile"_s,
                     dir.filePath(u"page.pdf"_s), dir.filePath(u"page"_s)}),
        0);
    const QImage page(dir.filePath(u"page.png"_s));
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Inch);
    const QSizeF drawn = QSizeF(chart::kSurfaceSize) * (printable.width() * dpi / 634);
    const QPointF centre = printable.center() * dpi;
    const QRect chartArea
        = QRectF(centre - QPointF(drawn.width(), drawn.height()) / 2, drawn).toRect();
    const double alike = likeness(page.copy(chartArea), app.surface());
    QVERIFY2(alike > 0.9, qPrintable(QString::number(alike)));
    // Drawn anew at the printer's resolution, the text is text, not a picture of it.
    QProcess fonts;
    fonts.start(u"pdffonts"_s, {dir.filePath(u"page.pdf"_s)});
    QVERIFY(fonts.waitForFinished() && fonts.readAllStandardOutput().contains("IPAGothic"));
    // The measure tells a chart a quarter of its height off its place from one in place.
    const QRect off = chartArea.translated(0, chartArea.height() / 4);
    QVERIFY(likeness(page.copy(off), app.surface()) < 0.7);
#endif
}

void TestChartMenu::exportsTwelveMonths_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QStringList>("categories");
    QTest::newRow("caution days") << 0 << QStringList {u"注意日"_s};
    QTest::newRow("every day") << 2 << QStringList {u"好調日"_s, u"充電日"_s, u"注意日"_s};
}

void TestChartMenu::exportsTwelveMonths()
{
    QFETCH(int, filter);
    QFETCH(QStringList, categories);
    AppFixture app;
    showChart(app);
    const QTemporaryDir dir;
    FileDialog::setNextAnswer(FileDialog::Choice {dir.filePath(u"a.ics"_s), filter});
    entry(app, "actionExportCalendar")->trigger();
    const QFileInfo proposed(FileDialog::lastRequest()->proposedPath);
    QCOMPARE(proposed.fileName(), u"山田　太郎-2026-12.ics"_s);
    QVERIFY(proposed.dir().exists());

    QFile file(dir.filePath(u"a.ics"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QSet<QString> months, found;
    for (const auto &match : QRegularExpression(u"DTSTART;VALUE=DATE:(\\d{6})"_s).globalMatch(text))
        months.insert(match.captured(1));
    for (const auto &match : QRegularExpression(u"CATEGORIES:(\\S+)"_s).globalMatch(text))
        found.insert(match.captured(1));
    QCOMPARE(months.size(), 12);
    QVERIFY(months.contains(u"202612"_s) && months.contains(u"202711"_s));
    QCOMPARE(found, QSet<QString>(categories.begin(), categories.end()));
}

QTEST_MAIN(TestChartMenu)
#include "tst_chart_menu.moc"

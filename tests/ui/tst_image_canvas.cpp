// SPDX-License-Identifier: MIT
#include "ui/drawing/fonts.h"
#include "ui/drawing/image_canvas.h"
#include "ui/drawing/painter_canvas.h"
#include "ui/drawing/palette.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kSize(634, 476);

// The smallest rectangle holding every pixel that is not the background.
QRect inkBounds(const QImage &image, QRgb background = ui::kSilver)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] != background)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

int countColour(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        count += int(std::count(line, line + image.width(), colour));
    }
    return count;
}

QRgb pixel(const ui::ImageCanvas &canvas, int x, int y)
{
    return canvas.image().pixel(x, y);
}

using Drawing = std::function<void(ui::Canvas &)>;

} // namespace

Q_DECLARE_METATYPE(Drawing)

class TestImageCanvas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fontMeasures_data();
    void fontMeasures();
    void fillBox_data();
    void fillBox();
    void drawLine_data();
    void drawLine();
    void plotRoundsAndClips_data();
    void plotRoundsAndClips();
    void clearFillsSilverAndResetsGrid();
    void textTopLeftTransparent();
    void gridPrintCellsAndColour();
    void ruleLineFillsItsBand();
    void scaleTwoIsTheSamePictureLarger();
    void changeHandlerRunsPerDrawing();
    void printPlacesEveryPixelAlike_data();
    void printPlacesEveryPixelAlike();
};

void TestImageCanvas::initTestCase()
{
    ui::installFontSubstitutions();
}

void TestImageCanvas::fontMeasures_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");

    QTest::newRow("half-width at 16") << 16 << u"A"_s << 8;
    QTest::newRow("grid cell at 16") << 16 << u"."_s << 8;
    QTest::newRow("legend at 16") << 16 << u"P (身体)---"_s << 88;
    QTest::newRow("half-width at 14") << 14 << u"7"_s << 7;
    QTest::newRow("full-width at 14") << 14 << u"日"_s << 14;
    QTest::newRow("row label at 14") << 14 << u"スポーツ　好調日"_s << 112;
    QTest::newRow("mixed label at 14") << 14 << u"ゲーム  　好調日"_s << 112;
    QTest::newRow("day number at 14") << 14 << u" 31"_s << 21;
}

void TestImageCanvas::fontMeasures()
{
    QFETCH(int, pixels);
    QFETCH(QString, text);
    QFETCH(int, width);
    const QFont font = ui::gothicFont(pixels);
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(QFontMetrics(font).horizontalAdvance(text), width);
}

void TestImageCanvas::fillBox_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QRect>("covered");

    QTest::newRow("today mark, corners inclusive")
        << QPointF(3, 142) << QPointF(13, 154) << QRect(3, 142, 11, 13);
    QTest::newRow("corners swapped")
        << QPointF(13, 154) << QPointF(3, 142) << QRect(3, 142, 11, 13);
    QTest::newRow("corners rounded to nearest")
        << QPointF(2.5, 141.6) << QPointF(12.6, 153.5) << QRect(3, 142, 11, 13);
    QTest::newRow("one pixel") << QPointF(7, 7) << QPointF(7, 7) << QRect(7, 7, 1, 1);
    QTest::newRow("chart area") << QPointF(1, 139) << QPointF(636, 510) << QRect(1, 139, 633, 337);
    QTest::newRow("clipped at origin") << QPointF(-5, -5) << QPointF(2, 2) << QRect(0, 0, 3, 3);
}

void TestImageCanvas::fillBox()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QRect, covered);
    ui::ImageCanvas canvas(kSize);
    canvas.fillBox(float(from.x()), float(from.y()), float(to.x()), float(to.y()), 13);
    QCOMPARE(inkBounds(canvas.image()), covered);
    QCOMPARE(countColour(canvas.image(), 0xffffff00), covered.width() * covered.height());
}

void TestImageCanvas::drawLine_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<int>("pixels");

    QTest::newRow("zero line") << QPointF(126, 196) << QPointF(624, 196) << QRect(126, 196, 499, 1)
                               << 499;
    QTest::newRow("scale line") << QPointF(124, 172) << QPointF(124, 220) << QRect(124, 172, 1, 49)
                                << 49;
    QTest::newRow("single point") << QPointF(4, 4) << QPointF(4, 4) << QRect(4, 4, 1, 1) << 1;
    QTest::newRow("diagonal") << QPointF(10, 10) << QPointF(15, 15) << QRect(10, 10, 6, 6) << 6;
    QTest::newRow("diagonal backwards")
        << QPointF(15, 15) << QPointF(10, 10) << QRect(10, 10, 6, 6) << 6;
    QTest::newRow("shallow") << QPointF(20, 30) << QPointF(30, 33) << QRect(20, 30, 11, 4) << 11;
    QTest::newRow("steep up") << QPointF(40, 60) << QPointF(42, 50) << QRect(40, 50, 3, 11) << 11;
    QTest::newRow("rounded ends") << QPointF(9.5, 3.4) << QPointF(20.4, 3.5) << QRect(10, 3, 11, 2)
                                  << 11;
    QTest::newRow("clipped") << QPointF(-10, 5) << QPointF(5, 5) << QRect(0, 5, 6, 1) << 6;
}

void TestImageCanvas::drawLine()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QRect, bounds);
    QFETCH(int, pixels);
    ui::ImageCanvas canvas(kSize);
    canvas.drawLine(float(from.x()), float(from.y()), float(to.x()), float(to.y()));
    QCOMPARE(inkBounds(canvas.image()), bounds);
    QCOMPARE(countColour(canvas.image(), 0xff000000), pixels);
    // Solid: nothing but the drawing colour.
    QCOMPARE(countColour(canvas.image(), ui::kSilver), kSize.width() * kSize.height() - pixels);
}

void TestImageCanvas::plotRoundsAndClips_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QRect>("bounds");
    QTest::newRow("halves away from zero") << QPointF(10.5, 20.49) << QRect(11, 20, 1, 1);
    QTest::newRow("curve sample") << QPointF(16 * 0.06f + 130, 108 + 87.3f)
                                  << QRect(131, 195, 1, 1);
    QTest::newRow("just inside") << QPointF(-0.4, 475.4) << QRect(0, 475, 1, 1);
    QTest::newRow("outside left") << QPointF(-0.6, 5) << QRect();
    QTest::newRow("outside bottom") << QPointF(5, 475.5) << QRect();
}

void TestImageCanvas::plotRoundsAndClips()
{
    QFETCH(QPointF, at);
    QFETCH(QRect, bounds);
    ui::ImageCanvas canvas(kSize);
    canvas.plot(float(at.x()), float(at.y()), 5);
    QCOMPARE(inkBounds(canvas.image()), bounds);
}

void TestImageCanvas::clearFillsSilverAndResetsGrid()
{
    ui::ImageCanvas canvas(kSize);
    canvas.fillBox(1, 139, 636, 510, 15);
    canvas.gridPrint(15, 14, u"_"_s);
    QCOMPARE(canvas.gridPosition(), QPoint(0, 15));
    canvas.clear();
    QCOMPARE(canvas.gridPosition(), QPoint(0, 0));
    QCOMPARE(inkBounds(canvas.image()), QRect());
}

void TestImageCanvas::textTopLeftTransparent()
{
    ui::ImageCanvas canvas(kSize);
    canvas.fillBox(0, 0, 200, 100, 15);
    canvas.setFontSize(16);
    canvas.drawText(u"■■"_s, 20, 30, 3);
    const QRect ink = inkBounds(canvas.image().copy(0, 0, 201, 101), ui::kWhite);
    QVERIFY(QRect(20, 30, 32, 16).contains(ink));
    QVERIFY(ink.width() > 24 && ink.height() > 10);
    // Inside a glyph the colour is exact; around it the white box still shows.
    QCOMPARE(pixel(canvas, 28, ink.center().y()), QRgb(0xff0000ff));
    QCOMPARE(pixel(canvas, 19, 29), ui::kWhite);
    const QImage area = canvas.image().copy(0, 0, 201, 101);
    QCOMPARE(countColour(area, ui::kWhite) + countColour(area, 0xff0000ff), 201 * 101);

    canvas.setFontSize(14);
    QCOMPARE(canvas.fontSize(), 14);
    canvas.fillBox(0, 0, 200, 100, 15);
    canvas.drawText(u"■"_s, 90, 41, 3);
    const QRect small = inkBounds(canvas.image().copy(0, 0, 201, 101), ui::kWhite);
    QVERIFY(QRect(90, 41, 14, 14).contains(small));
}

void TestImageCanvas::gridPrintCellsAndColour()
{
    ui::ImageCanvas canvas(kSize);
    canvas.setFontSize(16);
    canvas.setTextColour(2);
    canvas.gridPrint(3, 2, u"■"_s);
    QCOMPARE(canvas.gridPosition(), QPoint(0, 3));
    const QRect ink = inkBounds(canvas.image());
    QVERIFY(QRect(24, 32, 16, 16).contains(ink));
    QCOMPARE(pixel(canvas, ink.center().x(), ink.center().y()), QRgb(0xffff0000));

    canvas.clear();
    canvas.setTextColour(4);
    canvas.gridPrint(0, 0, u"■"_s);
    QVERIFY(QRect(0, 0, 16, 16).contains(inkBounds(canvas.image())));
    QVERIFY(countColour(canvas.image(), 0xff00ff00) > 0);
}

void TestImageCanvas::ruleLineFillsItsBand()
{
    ui::ImageCanvas canvas(kSize);
    canvas.setTextColour(1);
    canvas.gridPrint(15, 14, QString(63, u'_'));
    const QRect ink = inkBounds(canvas.image());
    QVERIFY(QRect(120, 224, 504, 16).contains(ink));
    QVERIFY(ink.left() <= 121 && ink.right() >= 622);
}

void TestImageCanvas::scaleTwoIsTheSamePictureLarger()
{
    const auto draw = [](ui::Canvas &canvas) {
        canvas.fillBox(3, 142, 13, 154, 13);
        canvas.drawLine(126, 196, 624, 196);
        canvas.drawLine(20, 30, 30, 33, 5);
        canvas.drawLine(40, 60, 42, 50, 9);
        canvas.plot(131.4f, 195.6f, 3);
    };
    ui::ImageCanvas single(kSize);
    ui::ImageCanvas twice(kSize, 2);
    draw(single);
    draw(twice);
    QCOMPARE(twice.image().size(), kSize * 2);
    QCOMPARE(twice.scale(), 2);
    QVERIFY(twice.image() == single.image().scaled(kSize * 2));

    single.clear();
    twice.clear();
    single.drawText(u"■"_s, 20, 30, 0);
    twice.drawText(u"■"_s, 20, 30, 0);
    const QRect small = inkBounds(single.image());
    const QRect large = inkBounds(twice.image());
    QVERIFY(QRect(40, 60, 32, 32).contains(large));
    QVERIFY(qAbs(large.width() - 2 * small.width()) <= 2);
    QVERIFY(qAbs(large.top() - 2 * small.top()) <= 2);
}

void TestImageCanvas::changeHandlerRunsPerDrawing()
{
    ui::ImageCanvas canvas(kSize);
    int changes = 0;
    canvas.setChangeHandler([&changes] { ++changes; });
    canvas.plot(1, 1, 0);
    canvas.drawLine(0, 0, 5, 5);
    canvas.fillBox(0, 0, 5, 5, 1);
    canvas.drawText(u"A"_s, 0, 0, 0);
    canvas.gridPrint(0, 0, u"A"_s);
    canvas.setFontSize(14);
    canvas.setTextColour(3);
    canvas.clear();
    QCOMPARE(changes, 6);
}

void TestImageCanvas::printPlacesEveryPixelAlike_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<Drawing>("drawing");
    const std::pair<const char *, Drawing> drawings[] = {
        {"boxes, either corner first",
            [](ui::Canvas &c) {
                c.fillBox(3, 142, 13, 154, 13);
                c.fillBox(40.5f, 60.49f, 30, 50, 4);
            }},
        {"rule lines and slopes",
            [](ui::Canvas &c) {
                c.drawLine(126, 196, 624, 196);
                c.drawLine(300, 10, 300, 400, 12);
                c.drawLine(20, 30, 30, 33, 5);
                c.drawLine(40, 60, 42, 50, 9);
            }},
        {"plots rounded and clipped",
            [](ui::Canvas &c) {
                c.plot(131.4f, 195.6f, 3);
                c.plot(-0.5f, 2, 1);
                c.plot(633.4f, 475.4f, 2);
                c.plot(std::nanf(""), 5, 6);
            }},
        {"beyond every edge",
            [](ui::Canvas &c) {
                c.fillBox(-20, -20, 10, 10, 7);
                c.fillBox(600, 450, 1e9f, 1e9f, 8);
                c.drawLine(-50, 300, 700, 320, 10);
            }},
        {"cleared after drawing",
            [](ui::Canvas &c) {
                c.fillBox(0, 0, 100, 100, 1);
                c.clear();
                c.plot(5, 5, 2);
            }},
    };
    for (const int scale : {1, 2, 3}) {
        for (const auto &[name, drawing] : drawings)
            QTest::addRow("%s, scale %d", name, scale) << scale << drawing;
    }
}

void TestImageCanvas::printPlacesEveryPixelAlike()
{
    QFETCH(int, scale);
    QFETCH(Drawing, drawing);
    ui::ImageCanvas picture(kSize, scale);
    drawing(picture);

    QImage page(kSize * scale, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        ui::PainterCanvas print(painter, kSize, QPointF(0, 0), scale);
        print.clear();
        drawing(print);
    }
    QVERIFY(page == picture.image());
}

QTEST_MAIN(TestImageCanvas)
#include "tst_image_canvas.moc"

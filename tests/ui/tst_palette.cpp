// SPDX-License-Identifier: MIT
#include "ui/drawing/palette.h"

#include <QTest>

using namespace ui;

// The colours come out of one table by index: a name or a text code that points at the
// wrong entry shows here as the wrong colour.
class TestPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namedIndices_data();
    void namedIndices();
    void textColourCodes_data();
    void textColourCodes();
};

void TestPalette::namedIndices_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRgb>("rgb");
    QTest::newRow("black") << int(palette::kBlack) << QRgb(0xff000000);
    QTest::newRow("navy") << int(palette::kNavy) << QRgb(0xff000080);
    QTest::newRow("blue") << int(palette::kBlue) << QRgb(0xff0000ff);
    QTest::newRow("red") << int(palette::kRed) << QRgb(0xffff0000);
    QTest::newRow("magenta") << int(palette::kMagenta) << QRgb(0xffff00ff);
    QTest::newRow("green") << int(palette::kGreen) << QRgb(0xff00ff00);
    QTest::newRow("cyan") << int(palette::kCyan) << QRgb(0xff00ffff);
    QTest::newRow("yellow") << int(palette::kYellow) << QRgb(0xffffff00);
    QTest::newRow("silver") << int(palette::kSilver) << QRgb(0xffc0c0c0);
    QTest::newRow("white") << int(palette::kWhite) << QRgb(0xffffffff);
    QTest::newRow("below the table: black") << -1 << QRgb(0xff000000);
    QTest::newRow("past the table: black") << 16 << QRgb(0xff000000);
}

void TestPalette::namedIndices()
{
    QFETCH(int, index);
    QFETCH(QRgb, rgb);
    QCOMPARE(paletteColour(index), rgb);
}

void TestPalette::textColourCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QRgb>("rgb");
    const QRgb expected[] = {0xff000000, 0xff0000ff, 0xffff0000, 0xffff00ff, 0xff00ff00, 0xff00ffff,
        0xffffff00, 0xffffffff};
    for (int code = 0; code < 8; ++code)
        QTest::addRow("code %d", code) << code << expected[code];
    QTest::newRow("code -1: black") << -1 << QRgb(0xff000000);
    QTest::newRow("code 8: black") << 8 << QRgb(0xff000000);
}

void TestPalette::textColourCodes()
{
    QFETCH(int, code);
    QFETCH(QRgb, rgb);
    QCOMPARE(textColourCode(code), rgb);
}

QTEST_APPLESS_MAIN(TestPalette)
#include "tst_palette.moc"

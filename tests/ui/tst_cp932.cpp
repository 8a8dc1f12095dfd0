// SPDX-License-Identifier: MIT
#include "ui/text/cp932.h"

#include <QCryptographicHash>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCp932 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convertsAgainAfterARefusal();
    void encodes_data();
    void encodes();
    void refusesUnencodable_data();
    void refusesUnencodable();
    void decodes_data();
    void decodes();
    void sameTablesOnEveryPlatform();
};

void TestCp932::convertsAgainAfterARefusal()
{
    // Runs first, so that 鬱 is encoded for the first time right after a refusal: the
    // converter's error must not outlive the text that caused it (decodes() checks the
    // same for decoding, in its row "good around bad").
    QVERIFY(!ui::cp932::encode(u"é"_s));
    QCOMPARE(ui::cp932::encode(u"鬱"_s), QByteArray("\x9f\x54"));
}

void TestCp932::encodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << u"1989"_s << QByteArray("1989");
    QTest::newRow("full-width") << u"ＡＢ"_s << QByteArray("\x82\x60\x82\x61");
    QTest::newRow("hiragana") << u"あ"_s << QByteArray("\x82\xa0");
    QTest::newRow("half-width kana") << u"ｱ･"_s << QByteArray("\xb1\xa5");
    QTest::newRow("backslash stays") << u"\\~"_s << QByteArray("\\~");
    QTest::newRow("control codes stay") << u"\t\x1a\x1c\x7f"_s << QByteArray("\t\x1a\x1c\x7f");
    QTest::newRow("NEC special") << u"①"_s << QByteArray("\x87\x40");
    QTest::newRow("full-width tilde") << u"～"_s << QByteArray("\x81\x60");
    QTest::newRow("mixed") << u"a氏b"_s
                           << QByteArray("a\x8e\x81"
                                         "b");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestCp932::encodes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const std::optional<QByteArray> encoded = ui::cp932::encode(text);
    QVERIFY(encoded);
    QCOMPARE(*encoded, bytes);
    QCOMPARE(ui::cp932::byteLength(text), bytes.size());
    QCOMPARE(ui::cp932::decode(bytes), text);
}

void TestCp932::refusesUnencodable_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("emoji") << u"a😀"_s;
    QTest::newRow("accented") << u"é"_s;
    QTest::newRow("yen sign") << u"¥"_s;
    QTest::newRow("wave dash") << u"〜"_s;
    QTest::newRow("hangul") << u"한"_s;
    // ICU writes it one way as the bytes of №, which read back as №; Windows refuses it.
    QTest::newRow("private-use look-alike of No.") << u"\uF86F"_s;
}

void TestCp932::refusesUnencodable()
{
    QFETCH(QString, text);
    QVERIFY(!ui::cp932::encode(text));
    QCOMPARE(ui::cp932::byteLength(text), -1);
}

void TestCp932::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("lone lead byte at end") << QByteArray("A\x81") << u"A\uFFFD"_s;
    QTest::newRow("lead byte before space") << QByteArray("\x81 ") << u"\uFFFD "_s;
    QTest::newRow("unused single byte") << QByteArray("\xa0"
                                                      "B")
                                        << u"\uFFFDB"_s;
    QTest::newRow("unassigned pair") << QByteArray("\x85\x40"
                                                   "C")
                                     << u"\uFFFDC"_s;
    QTest::newRow("good around bad") << QByteArray("\x82\xa0\xff\x82\xa2") << u"あ\uFFFDい"_s;
    QTest::newRow("quoted line") << QByteArray("\"\x8e\x81\",\"1\"\r\n") << u"\"氏\",\"1\"\r\n"_s;
}

void TestCp932::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ui::cp932::decode(bytes), text);
}

void TestCp932::sameTablesOnEveryPlatform()
{
    // Every character from U+0080 encoded and every byte and byte pair from 0x80
    // decoded, as one digest. It was taken on Linux (ICU); Windows' own converter must
    // give the same, so that a roster file is the same bytes on both for any edit.
    QByteArray table;
    for (char32_t c = 0x80; c <= 0xffff; ++c) {
        const char16_t unit = char16_t(c);
        const std::optional<QByteArray> bytes = ui::cp932::encode(QStringView(&unit, 1));
        table += bytes ? char(bytes->size()) + *bytes : QByteArray("-");
    }
    for (int first = 0x80; first <= 0xff; ++first) {
        table += ui::cp932::decode(QByteArray(1, char(first))).toUtf8();
        for (int second = 0x40; second <= 0xff; ++second) {
            const char bytes[] = {char(first), char(second)};
            table += ui::cp932::decode(QByteArrayView(bytes, 2)).toUtf8() + ',';
        }
    }
    QCOMPARE(QCryptographicHash::hash(table, QCryptographicHash::Sha256).toHex(),
        QByteArray("4cf324d085a9b7977e1157c7cef5ee21aefa9f5d21bdd5d73af36746bd1c9786"));
}

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"

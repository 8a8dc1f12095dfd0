// SPDX-License-Identifier: MIT
#include "ui/widgets/byte_limited_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Types text the way a keyboard does, one key per character (a surrogate pair is
// one key); QTest::keyClicks can only type Latin-1.
void type(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text[i].isHighSurrogate() ? 2 : 1;
        const QString key = text.mid(i, n);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, key);
        QApplication::sendEvent(widget, &release);
        i += n;
    }
}

// Two fields in a shown window, so that the focus can move from one to the other.
struct TwoFields
{
    QWidget window;
    ui::ByteLimitedEdit *edit = new ui::ByteLimitedEdit(&window);
    ui::ByteLimitedEdit *other = new ui::ByteLimitedEdit(&window);

    TwoFields()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        window.show();
    }
};

void commit(QWidget *widget, const QString &preedit, const QString &committed)
{
    QInputMethodEvent composing(preedit, {});
    QApplication::sendEvent(widget, &composing);
    QInputMethodEvent done;
    done.setCommitString(committed);
    QApplication::sendEvent(widget, &done);
}

} // namespace

class TestByteLimitedEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typing_data();
    void typing();
    void pasting_data();
    void pasting();
    void inputMethodCommit_data();
    void inputMethodCommit();
    void dropping_data();
    void dropping();
    void overLimitTextCanBeShortenedNotLengthened();
    void undoBackToOverLimitTextKeepsTheLimit();
    void programTextBypassesLimit();
    void ctrlTabTypesATab();
    void noScrollStopsAtVisibleWidth();
    void selectionStaysOnFocusLoss();
};

void TestByteLimitedEdit::typing_data()
{
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("7 full-width at 14, the 8th refused")
        << 14 << QString() << QString() << u"ＡＢＣＤＥＦＧＨ"_s << u"ＡＢＣＤＥＦＧ"_s;
    QTest::newRow("14 half-width at 14, the 15th refused")
        << 14 << QString() << QString() << u"abcdefghijklmno"_s << u"abcdefghijklmn"_s;
    QTest::newRow("fifth digit at 4") << 4 << QString() << QString() << u"19891"_s << u"1989"_s;
    QTest::newRow("third digit at 2") << 2 << QString() << QString() << u"123"_s << u"12"_s;
    QTest::newRow("full-width into one free byte")
        << 2 << QString() << QString() << u"1月2"_s << u"12"_s;
    QTest::newRow("half-width kana count one")
        << 4 << QString() << QString() << u"ｱｲｳｴｵ"_s << u"ｱｲｳｴ"_s;
    QTest::newRow("emoji refused") << 0 << QString() << QString() << u"a😀b"_s << u"ab"_s;
    QTest::newRow("accented letter refused")
        << 0 << QString() << QString() << u"café"_s << u"caf"_s;
    QTest::newRow("no limit") << 0 << QString() << QString() << u"12345678901234567890"_s
                              << u"12345678901234567890"_s;
    QTest::newRow("double quote refused") << 14 << u"\""_s << QString() << u"a\"b\""_s << u"ab"_s;
    QTest::newRow("over-limit text from the program takes nothing more")
        << 2 << QString() << u"12345"_s << u"6"_s << u"12345"_s;
    QTest::newRow("unencodable text from the program takes good characters")
        << 0 << QString() << u"😀"_s << u"a"_s << u"😀a"_s;
}

void TestByteLimitedEdit::typing()
{
    QFETCH(int, maxBytes);
    QFETCH(QString, refused);
    QFETCH(QString, preset);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    ui::ByteLimitedEdit edit;
    edit.setMaxBytes(maxBytes);
    edit.setRefusedCharacters(refused);
    edit.setText(preset);
    type(&edit, typed);
    QCOMPARE(edit.text(), expected);
}

void TestByteLimitedEdit::pasting_data()
{
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("preset"); // "|": the cursor, else at the end
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fits") << 4 << u"1"_s << false << u"23"_s << u"123"_s;
    QTest::newRow("exactly fills") << 4 << u"1"_s << false << u"２"_s << u"1２"_s;
    QTest::newRow("would exceed: cut") << 4 << u"12"_s << false << u"345"_s << u"1234"_s;
    QTest::newRow("replaces a selection") << 4 << u"1234"_s << true << u"5678"_s << u"5678"_s;
    QTest::newRow("replacement too long") << 4 << u"1234"_s << true << u"56789"_s << u"5678"_s;
    QTest::newRow("with an emoji") << 0 << u"a"_s << false << u"b😀"_s << u"a"_s;
    QTest::newRow("full-width name of 8 at 14")
        << 14 << QString() << false << u"山田山田山田山田"_s << u"山田山田山田山"_s;
    QTest::newRow("line break refused whole") << 14 << u"Z"_s << false << u"A\r\nB"_s << u"Z"_s;
    QTest::newRow("line break past the cut") << 4 << u"1"_s << false << u"234\n"_s << u"1"_s;
    QTest::newRow("cut inside a full-width one") << 4 << u"12"_s << false << u"3漢"_s << u"123"_s;
    QTest::newRow("surrogate pair past the cut") << 2 << u"1"_s << false << u"2😀"_s << u"12"_s;
    QTest::newRow("surrogate pair kept: refused") << 3 << u"1"_s << false << u"2😀"_s << u"1"_s;
    QTest::newRow("repeated text at the start") << 3 << u"|12"_s << false << u"12"_s << u"112"_s;
}

void TestByteLimitedEdit::pasting()
{
    QFETCH(int, maxBytes);
    QFETCH(QString, preset);
    QFETCH(bool, selectAll);
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);

    ui::ByteLimitedEdit edit;
    edit.setMaxBytes(maxBytes);
    const qsizetype cursor = preset.indexOf(u'|');
    edit.setText(QString(preset).remove(u'|'));
    if (cursor >= 0)
        edit.setCursorPosition(int(cursor));
    if (selectAll)
        edit.selectAll();
    QApplication::clipboard()->setText(clipboard);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), expected);
}

void TestByteLimitedEdit::inputMethodCommit_data()
{
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fits") << 4 << u"1"_s << u"漢"_s << u"1漢"_s;
    QTest::newRow("over the limit") << 4 << u"1"_s << u"漢字"_s << u"1漢"_s;
    QTest::newRow("full-width digits") << 4 << QString() << u"１９８５"_s << u"１９"_s;
    QTest::newRow("seventh of seven") << 14 << u"山田太郎花子"_s << u"様"_s << u"山田太郎花子様"_s;
    QTest::newRow("eighth of seven") << 14 << u"山田太郎花子様"_s << u"殿"_s << u"山田太郎花子様"_s;
    QTest::newRow("unencodable") << 14 << QString() << u"한"_s << QString();
    QTest::newRow("line feed") << 14 << u"19"_s << u"89\n"_s << u"19"_s;
}

void TestByteLimitedEdit::inputMethodCommit()
{
    QFETCH(int, maxBytes);
    QFETCH(QString, preset);
    QFETCH(QString, committed);
    QFETCH(QString, expected);

    ui::ByteLimitedEdit edit;
    edit.setMaxBytes(maxBytes);
    edit.setText(preset);
    commit(&edit, u"かん"_s, committed);
    QCOMPARE(edit.text(), expected);
}

void TestByteLimitedEdit::dropping_data()
{
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("dropped"); // onto "Z", at its end
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain text") << 14 << u"AB"_s << u"ZAB"_s;
    QTest::newRow("line feed refused whole") << 14 << u"A\nB"_s << u"Z"_s;
    QTest::newRow("cut") << 14 << u"ABCDEFGHIJKLMNOP"_s << u"ZABCDEFGHIJKLM"_s;
}

void TestByteLimitedEdit::dropping()
{
    QFETCH(int, maxBytes);
    QFETCH(QString, dropped);
    QFETCH(QString, expected);

    ui::ByteLimitedEdit edit;
    edit.setMaxBytes(maxBytes);
    edit.setText(u"Z"_s);
    QMimeData data;
    data.setText(dropped);
    // A drop reaches only the widget that accepted the drag's entry.
    const QPoint end(edit.width() - 2, edit.height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &enter);
    QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &drop);
    QCOMPARE(edit.text(), expected);
}

void TestByteLimitedEdit::overLimitTextCanBeShortenedNotLengthened()
{
    ui::ByteLimitedEdit edit;
    edit.setMaxBytes(2);
    edit.setText(u"12345"_s);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), u"1234"_s);
    QTest::keyClicks(&edit, u"9"_s);
    QCOMPARE(edit.text(), u"1234"_s);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), u"34"_s);
    QTest::keyClicks(&edit, u"9"_s);
    QCOMPARE(edit.text(), u"34"_s);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, u"9"_s);
    QCOMPARE(edit.text(), u"94"_s);
}

void TestByteLimitedEdit::undoBackToOverLimitTextKeepsTheLimit()
{
    ui::ByteLimitedEdit edit;
    edit.setMaxBytes(4);
    QTest::keyClicks(&edit, u"1234"_s);
    edit.setMaxBytes(2);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), u"123"_s);
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit.text(), u"1234"_s);
    // The field must still refuse what the limit refuses after the undo.
    QTest::keyClicks(&edit, u"5"_s);
    QCOMPARE(edit.text(), u"1234"_s);
}

void TestByteLimitedEdit::programTextBypassesLimit()
{
    ui::ByteLimitedEdit edit;
    edit.setMaxBytes(2);
    edit.setRefusedCharacters(u"\""_s);
    edit.setText(u"\"2026\""_s);
    QCOMPARE(edit.text(), u"\"2026\""_s);
    QCOMPARE(edit.maxLength(), 32767);
    // Emptying and typing again is held to the limit.
    edit.setText(QString());
    QTest::keyClicks(&edit, u"202"_s);
    QCOMPARE(edit.text(), u"20"_s);
}

void TestByteLimitedEdit::ctrlTabTypesATab()
{
    TwoFields fields;
    QVERIFY(QTest::qWaitForWindowActive(&fields.window));
    ui::ByteLimitedEdit *edit = fields.edit;
    edit->setFocus();
    QTest::keyClicks(edit, u"a"_s);
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClicks(edit, u"b"_s);
    QCOMPARE(edit->text(), u"a\tb"_s);
    QVERIFY(edit->hasFocus());
}

void TestByteLimitedEdit::noScrollStopsAtVisibleWidth()
{
    ui::ByteLimitedEdit edit;
    edit.resize(60, 24);
    edit.setNoScroll(true);
    edit.show();
    QTest::keyClicks(&edit, QString(40, u'W'));
    const QString text = edit.text();
    QVERIFY(!text.isEmpty());
    QVERIFY(text.size() < 40);
    const QFontMetrics metrics = edit.fontMetrics();
    QVERIFY(metrics.horizontalAdvance(text) <= edit.width());
    QVERIFY(!edit.accepts(text, text + u'W'));
    // Deleting is always possible, and a narrower character may still fit in.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), text.chopped(1));
    // A paste keeps as much as typing takes.
    edit.setText(QString());
    QApplication::clipboard()->setText(QString(40, u'W'));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), text);
}

void TestByteLimitedEdit::selectionStaysOnFocusLoss()
{
    TwoFields fields;
    QVERIFY(QTest::qWaitForWindowActive(&fields.window));
    ui::ByteLimitedEdit *edit = fields.edit;
    edit->setText(u"19890415"_s);
    edit->setFocus();
    edit->setSelection(6, -4);
    fields.other->setFocus();
    QTRY_VERIFY(fields.other->hasFocus());
    QCOMPARE(edit->selectedText(), u"8904"_s);
    QCOMPARE(edit->cursorPosition(), 2);
}

QTEST_MAIN(TestByteLimitedEdit)
#include "tst_byte_limited_edit.moc"

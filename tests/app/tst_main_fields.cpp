// SPDX-License-Identifier: MIT
// What the main window's and the roster's fields take: typed keys against the limits,
// and pastes and input-method commits that keep what fits.

#include "app_fixture.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>

class TestMainFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typingLimits_data();
    void typingLimits();
    void insertionsKeepWhatFits_data();
    void insertionsKeepWhatFits();
};

// Typed text is limited in code-page-932 bytes; a refused key leaves the text as it was.
void TestMainFields::typingLimits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("name takes seven full-width")
        << u"EDIT26"_s << u"ＡＢＣＤＥＦＧ"_s << u"ＡＢＣＤＥＦＧ"_s;
    QTest::newRow("name refuses an eighth")
        << u"EDIT26"_s << u"ＡＢＣＤＥＦＧＨ"_s << u"ＡＢＣＤＥＦＧ"_s;
    QTest::newRow("name takes fourteen half-width")
        << u"EDIT26"_s << u"abcdefghijklmn"_s << u"abcdefghijklmn"_s;
    QTest::newRow("emoji refused") << u"EDIT26"_s << u"A😀B"_s << u"AB"_s;
    QTest::newRow("birth year fifth digit") << u"EDIT1"_s << u"19851"_s << u"1985"_s;
    QTest::newRow("birth month third") << u"EDIT2"_s << u"123"_s << u"12"_s;
    QTest::newRow("birth day third") << u"EDIT3"_s << u"311"_s << u"31"_s;
    QTest::newRow("shown month third") << u"EDIT5"_s << u"123"_s << u"12"_s;
    QTest::newRow("full-width character counts two") << u"EDIT2"_s << u"月2"_s << u"月"_s;
    QTest::newRow("full-width digit typed as ASCII") << u"EDIT2"_s << u"１2"_s << u"12"_s;
}

void TestMainFields::typingLimits()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    AppFixture app;
    app.setText(field, QString());
    QWidget *edit = app.control(field);
    edit->setFocus();
    AppFixture::type(edit, typed);
    QCOMPARE(app.text(field), kept);
}

// A paste or an input-method commit keeps what fits, with full-width digits as ASCII.
void TestMainFields::insertionsKeepWhatFits_data()
{
    QTest::addColumn<bool>("roster");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("paste"); // else committed by the input method
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");

    QTest::newRow("name committed in one go")
        << false << u"EDIT26"_s << false << u"山田太郎花子次郎"_s << u"山田太郎花子次"_s;
    QTest::newRow("birth year pasted") << false << u"EDIT1"_s << true << u"19851"_s << u"1985"_s;
    QTest::newRow("birth year in full-width mode")
        << false << u"EDIT1"_s << false << u"１９８５"_s << u"1985"_s;
    QTest::newRow("shown year pasted")
        << false << u"EDIT4"_s << true << u"２０２６年"_s << u"2026"_s;
    QTest::newRow("roster year") << true << u"EDIT11"_s << false << u"１９８５"_s << u"1985"_s;
    QTest::newRow("roster name") << true << u"EDIT6"_s << false << u"１２３４５６７８"_s
                                 << u"１２３４５６７"_s;
}

void TestMainFields::insertionsKeepWhatFits()
{
    QFETCH(bool, roster);
    QFETCH(QString, field);
    QFETCH(bool, paste);
    QFETCH(QString, text);
    QFETCH(QString, kept);

    AppFixture app;
    ui::Form *window = app.openedForm(roster);
    window->setText(field, QString());
    QWidget *edit = window->control(field);
    QApplication::clipboard()->setText(text);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    if (paste)
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    else
        QApplication::sendEvent(edit, &commit);
    QCOMPARE(window->text(field), kept);
}

QTEST_MAIN(TestMainFields)
#include "tst_main_fields.moc"

// SPDX-License-Identifier: MIT
// Keyboard, focus and option groups of a window built from a layout.

#include "form_test_layout.h"
#include "ui/widgets/form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace form_test;

class TestFormInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void tabOrder_data();
    void tabOrder();
    void tabCyclesThroughTheWindow();
    void heldTabMovesOnce();
    void keysPressOnDownAndClickOnUp_data();
    void keysPressOnDownAndClickOnUp();
    void setCheckedClicksNothingClickDoes();
    void groupsAreIndependent();
    void programmaticUncheckLeavesGroupEmpty();

private:
    std::unique_ptr<ui::Form> m_form;
    QStringList m_ran;
};

void TestFormInput::init()
{
    m_ran.clear();
    m_form = std::make_unique<ui::Form>(kLayout);
    // Every button's clicked(), which is what the windows' commands hang on.
    for (QWidget *control : m_form->controls()) {
        if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            connect(button, &QAbstractButton::clicked, this,
                [this, button] { m_ran << button->objectName(); });
        }
    }
}

void TestFormInput::tabOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("to");

    QTest::newRow("field to field") << u"EDIT1"_s << true << u"EDIT2"_s;
    QTest::newRow("over option buttons and a non-stop field") << u"EDIT2"_s << true << u"BUTTON1"_s;
    QTest::newRow("over a label and a non-stop button") << u"BUTTON1"_s << true << u"EDIT3"_s;
    QTest::newRow("from a field reached by clicking") << u"EDIT26"_s << true << u"BUTTON1"_s;
    QTest::newRow("from an option button") << u"RADIO2"_s << true << u"BUTTON1"_s;
    QTest::newRow("last stop to the window") << u"BUTTON4"_s << true << QString();
    QTest::newRow("window to the first stop") << QString() << true << u"EDIT1"_s;
    QTest::newRow("back over the skipped") << u"BUTTON1"_s << false << u"EDIT2"_s;
    QTest::newRow("back from the first stop") << u"EDIT1"_s << false << QString();
    QTest::newRow("back from the window") << QString() << false << u"BUTTON4"_s;
}

void TestFormInput::tabOrder()
{
    QFETCH(QString, from);
    QFETCH(bool, forward);
    QFETCH(QString, to);

    ui::Form &form = *m_form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget *start = from.isEmpty() ? &form : form.control(from);
    start->setFocus();
    QCOMPARE(focusName(form), from);
    QTest::keyClick(form.focusWidget(), Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCOMPARE(focusName(form), to);
}

void TestFormInput::tabCyclesThroughTheWindow()
{
    ui::Form &form = *m_form;
    form.control(u"BUTTON3")->setEnabled(false);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.control(u"EDIT1")->setFocus();
    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
        visited << focusName(form);
    }
    const QStringList expected
        = {u"EDIT2"_s, u"BUTTON1"_s, u"EDIT3"_s, u"BUTTON4"_s, QString(), u"EDIT1"_s, u"EDIT2"_s};
    QCOMPARE(visited, expected);
}

void TestFormInput::heldTabMovesOnce()
{
    ui::Form &form = *m_form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.control(u"EDIT1")->setFocus();
    QTest::keyPress(form.focusWidget(), Qt::Key_Tab);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, u"\t"_s, true);
    QApplication::sendEvent(form.focusWidget(), &repeat);
    QCOMPARE(focusName(form), u"EDIT2"_s);
}

void TestFormInput::keysPressOnDownAndClickOnUp_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestFormInput::keysPressOnDownAndClickOnUp()
{
    QFETCH(int, key);
    ui::Form &form = *m_form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *button = qobject_cast<QPushButton *>(form.control(u"BUTTON1"));
    button->setFocus();
    QSignalSpy clicked(button, &QAbstractButton::clicked);

    QTest::keyPress(button, Qt::Key(key));
    QVERIFY(button->isDown());
    QCOMPARE(clicked.count(), 0);
    QKeyEvent repeatRelease(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(button, &repeatRelease);
    QCOMPARE(clicked.count(), 0);
    QTest::keyRelease(button, Qt::Key(key));
    QVERIFY(!button->isDown());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(m_ran, QStringList {u"BUTTON1"_s});
}

void TestFormInput::setCheckedClicksNothingClickDoes()
{
    ui::Form &form = *m_form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy toggled(&form.find<QAbstractButton>("RADIO2"), &QAbstractButton::toggled);
    form.setChecked(u"radio2", true);
    QVERIFY(form.isChecked(u"RADIO2"));
    QVERIFY(!form.isChecked(u"RADIO1"));
    QCOMPARE(toggled.count(), 1);
    QVERIFY(m_ran.isEmpty());

    auto *radio1 = qobject_cast<QAbstractButton *>(form.control(u"RADIO1"));
    QTest::mouseClick(radio1, Qt::LeftButton, {}, QPoint(6, radio1->height() / 2));
    QVERIFY(form.isChecked(u"RADIO1"));
    QVERIFY(!form.isChecked(u"RADIO2"));
    QCOMPARE(m_ran, QStringList {u"RADIO1"_s});
}

void TestFormInput::groupsAreIndependent()
{
    ui::Form &form = *m_form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *radio2 = qobject_cast<QAbstractButton *>(form.control(u"RADIO2"));
    QTest::mouseClick(radio2, Qt::LeftButton, {}, QPoint(6, radio2->height() / 2));
    QVERIFY(form.isChecked(u"RADIO2"));
    QVERIFY(!form.isChecked(u"RADIO1"));
    QVERIFY(form.isChecked(u"RADIO3"));
    QVERIFY(!form.isChecked(u"RADIO4"));
    // A text field's group start closes the group before it: RADIO5 is alone.
    QVERIFY(form.isChecked(u"RADIO5"));
    auto *radio5 = qobject_cast<QAbstractButton *>(form.control(u"RADIO5"));
    QVERIFY(radio5->group() != radio2->group());
    QCOMPARE(radio5->group()->buttons().size(), 1);
}

void TestFormInput::programmaticUncheckLeavesGroupEmpty()
{
    ui::Form &form = *m_form;
    form.setChecked(u"RADIO3", false);
    QVERIFY(!form.isChecked(u"RADIO3"));
    QVERIFY(!form.isChecked(u"RADIO4"));
    // The group is still exclusive afterwards.
    form.setChecked(u"RADIO3", true);
    form.setChecked(u"RADIO4", true);
    QVERIFY(!form.isChecked(u"RADIO3"));
    // The same through the button itself.
    auto &radio4 = form.find<QAbstractButton>("RADIO4");
    ui::setChecked(radio4, false);
    QVERIFY(!radio4.isChecked());
    QVERIFY(!form.isChecked(u"RADIO3"));
    ui::setChecked(radio4, true);
    QVERIFY(radio4.isChecked());
    QVERIFY(m_ran.isEmpty());
}

QTEST_MAIN(TestFormInput)
#include "tst_form_input.moc"

// SPDX-License-Identifier: MIT
#include "form_test_layout.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace form_test;

class TestForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void buildsControlsFromRows();
    void findsControlsWithoutRegardToCase_data();
    void findsControlsWithoutRegardToCase();
    void unknownNamesAreReported_data();
    void unknownNamesAreReported();
    void unknownNameIsFatalByDefault();
    void fieldsTakeLimitsFromLayoutAndProgram();
    void fontPixelSizeKeepsFaceAndStyle();
    void shownSettings_data();
    void shownSettings();
    void commandMayDeleteItsWindow();
    void closing();
    void alwaysOnTopKeepsVisibility();
    void showPlacedCentresOrPositions();
    void contextMenuCopiesPicture();
    void surfaceIsPaintedUnderControls();

private:
    std::unique_ptr<ui::Form> m_form;
};

namespace {

// Set for a copy of this test that only asks for the name it holds.
constexpr char kAskedNameVariable[] = "FORM_TEST_ASK_NAME";

} // namespace

void TestForm::initTestCase()
{
    if (qEnvironmentVariableIsSet(kAskedNameVariable)) {
        const ui::Form form(kLayout);
        form.text(qEnvironmentVariable(kAskedNameVariable));
        std::exit(EXIT_SUCCESS);
    }
}

void TestForm::init()
{
    m_form = std::make_unique<ui::Form>(kLayout);
}

void TestForm::buildsControlsFromRows()
{
    ui::Form &form = *m_form;
    QVERIFY(!form.isVisible());
    QCOMPARE(form.objectName(), u"TESTFORM"_s);
    QCOMPARE(form.windowTitle(), u"テスト"_s);
    QCOMPARE(form.size(), QSize(320, 200));
    QCOMPARE(form.controls().size(), std::size(kRows));
    for (size_t i = 0; i < std::size(kRows); ++i) {
        QWidget *widget = form.controls()[i];
        QCOMPARE(widget->objectName(), QString::fromLatin1(kRows[i].name));
        QCOMPARE(widget->geometry(), QRect(kRows[i].x, kRows[i].y, kRows[i].w, kRows[i].h));
        QCOMPARE(widget->font().bold(), kRows[i].bold);
    }
    QCOMPARE(form.text(u"RADIO5"), u"RADIO5"_s);
    QCOMPARE(form.text(u"TEXT1"), u"氏名"_s);
    QCOMPARE(form.control(u"EDIT1")->palette().color(QPalette::Text), QColor(ui::kNavy));
    QCOMPARE(form.control(u"EDIT1")->palette().color(QPalette::Base), QColor(ui::kWhite));
    QCOMPARE(form.textField(u"EDIT1")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(form.textField(u"EDIT1")->flatBorder());
    QVERIFY(form.textField(u"EDIT2")->hasFrame());
    QVERIFY(form.textField(u"EDIT26")->noScroll());
    QCOMPARE(form.textField(u"EDIT26")->property("inputMethod").toInt(), int(InputMethod::On));
    QCOMPARE(
        form.textField(u"EDIT1")->inputMethodHints(), Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    QCOMPARE(
        form.textField(u"EDIT2")->inputMethodHints(), Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    QCOMPARE(form.textField(u"EDIT26")->inputMethodHints(), Qt::ImhNone);
    QVERIFY(form.isChecked(u"RADIO1"));
    QVERIFY(form.isChecked(u"RADIO3"));
    QVERIFY(form.isChecked(u"RADIO5"));
}

void TestForm::findsControlsWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("found");
    QTest::newRow("as written") << u"EDIT1"_s << u"EDIT1"_s;
    QTest::newRow("lower case") << u"edit1"_s << u"EDIT1"_s;
    QTest::newRow("mixed case") << u"Button1"_s << u"BUTTON1"_s;
    QTest::newRow("label") << u"text1"_s << u"TEXT1"_s;
    QTest::newRow("prefix is not a match") << u"EDIT"_s << QString();
    QTest::newRow("unknown") << u"EDIT9"_s << QString();
}

void TestForm::findsControlsWithoutRegardToCase()
{
    QFETCH(QString, asked);
    QFETCH(QString, found);
    QWidget *widget = m_form->control(asked);
    QCOMPARE(widget ? widget->objectName() : QString(), found);
    if (widget)
        QCOMPARE(&m_form->find<QWidget>(asked.toStdString()), widget);
    if (widget && qobject_cast<QLineEdit *>(widget)) {
        m_form->setText(asked, u"12"_s);
        QCOMPARE(m_form->text(found), u"12"_s);
    }
}

void TestForm::unknownNamesAreReported_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reported");
    QTest::newRow("text") << u"text"_s << u"EDIT9"_s << true;
    QTest::newRow("setText") << u"setText"_s << u"EDTI1"_s << true;
    QTest::newRow("isChecked") << u"isChecked"_s << u"RADIO9"_s << true;
    QTest::newRow("setChecked") << u"setChecked"_s << u"RADI01"_s << true;
    QTest::newRow("setMaxBytes") << u"setMaxBytes"_s << u"EDIT 1"_s << true;
    QTest::newRow("maxBytes") << u"maxBytes"_s << u"EDIT"_s << true;
    QTest::newRow("setFontPixelSize") << u"setFontPixelSize"_s << u"BUTTON9"_s << true;
    QTest::newRow("setRefusedCharacters") << u"setRefusedCharacters"_s << u"EDIT27"_s << true;
    QTest::newRow("control: a question") << u"control"_s << u"BUTTON9"_s << false;
    QTest::newRow("known name, other case") << u"setText"_s << u"edit2"_s << false;
    QTest::newRow("find a row") << u"find"_s << u"BUTTON2"_s << false;
}

void TestForm::unknownNamesAreReported()
{
    QFETCH(QString, operation);
    QFETCH(QString, name);
    QFETCH(bool, reported);
    QStringList names;
    ui::Form::setUnknownNameHandler([&names](QStringView unknown) { names << unknown.toString(); });
    ui::Form &form = *m_form;
    if (operation == u"text")
        QCOMPARE(form.text(name), QString());
    else if (operation == u"setText")
        form.setText(name, u"1"_s);
    else if (operation == u"isChecked")
        QVERIFY(!form.isChecked(name));
    else if (operation == u"setChecked")
        form.setChecked(name, true);
    else if (operation == u"setMaxBytes")
        form.setMaxBytes(name, 2);
    else if (operation == u"maxBytes")
        QCOMPARE(form.maxBytes(name), 0);
    else if (operation == u"setFontPixelSize")
        form.setFontPixelSize(name, 14);
    else if (operation == u"setRefusedCharacters")
        form.setRefusedCharacters(name, u"\""_s);
    else if (operation == u"control")
        QVERIFY(!form.control(name));
    else
        QCOMPARE(form.find<QPushButton>(name.toStdString()).objectName(), name);
    ui::Form::setUnknownNameHandler({});
    QCOMPARE(names, reported ? QStringList {name} : QStringList {});
}

void TestForm::unknownNameIsFatalByDefault()
{
    QProcess copy;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kAskedNameVariable), u"EDIT9"_s);
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(QCoreApplication::applicationFilePath(),
        {u"-nocrashhandler"_s, u"buildsControlsFromRows"_s});
    QVERIFY(copy.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(copy.readAll());
    // Aborted: a crash here, exit code 3 on Windows.
    QVERIFY(copy.exitStatus() == QProcess::CrashExit || copy.exitCode() != 0);
    QVERIFY2(output.contains(u"no control named EDIT9"_s), qPrintable(output));
}

void TestForm::fieldsTakeLimitsFromLayoutAndProgram()
{
    ui::Form &form = *m_form;
    QCOMPARE(form.maxBytes(u"EDIT1"), 4);
    QTest::keyClicks(form.control(u"EDIT1"), u"19891"_s);
    QCOMPARE(form.text(u"EDIT1"), u"1989"_s);
    form.setMaxBytes(u"edit1", 2);
    QCOMPARE(form.maxBytes(u"EDIT1"), 2);
    form.setText(u"EDIT1", QString());
    QTest::keyClicks(form.control(u"EDIT1"), u"123"_s);
    QCOMPARE(form.text(u"EDIT1"), u"12"_s);
    form.setRefusedCharacters(u"EDIT26", u"\""_s);
    QTest::keyClicks(form.control(u"EDIT26"), u"a\"b"_s);
    QCOMPARE(form.text(u"EDIT26"), u"ab"_s);
    QCOMPARE(form.maxBytes(u"TEXT1"), 0);
}

void TestForm::fontPixelSizeKeepsFaceAndStyle()
{
    ui::Form &form = *m_form;
    const QFont before = form.control(u"BUTTON1")->font();
    form.setFontPixelSize(u"button1", 16);
    const QFont after = form.control(u"BUTTON1")->font();
    QCOMPARE(after.pixelSize(), 16);
    QCOMPARE(after.family(), before.family());
    QVERIFY(after.bold());
    form.setFontPixelSize(u"BUTTON2", 16);
    QCOMPARE(form.control(u"BUTTON2")->font().family(), u"ＭＳ Ｐゴシック"_s);
}

void TestForm::shownSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<int>("pixels"); // -1: as created, in points
    QTest::newRow("field, both") << u"EDIT1"_s << 2 << 13;
    QTest::newRow("field, limit only") << u"EDIT26"_s << 20 << -1;
    QTest::newRow("field, neither") << u"EDIT2"_s << 2 << -1;
    QTest::newRow("button, font") << u"BUTTON1"_s << 0 << 16;
    QTest::newRow("label: no limit to take") << u"TEXT1"_s << 0 << 12;
    QTest::newRow("option button, neither") << u"RADIO1"_s << 0 << -1;
}

void TestForm::shownSettings()
{
    QFETCH(QString, name);
    QFETCH(int, maxBytes);
    QFETCH(int, pixels);
    ui::Form &form = *m_form;
    const QFont before = form.control(name)->font();
    form.show();
    form.applyShownSettings();
    const QFont after = form.control(name)->font();
    QCOMPARE(form.maxBytes(name), maxBytes);
    QCOMPARE(after.pixelSize(), pixels);
    if (pixels < 0)
        QCOMPARE(after.pointSizeF(), before.pointSizeF());
    QCOMPARE(after.family(), before.family());
    QCOMPARE(after.bold(), before.bold());
}

void TestForm::commandMayDeleteItsWindow()
{
    ui::Form *form = m_form.release();
    int ran = 0;
    auto &button = form->find<QAbstractButton>("BUTTON3");
    connect(&button, &QAbstractButton::clicked, form, [form, &ran] {
        ++ran;
        delete form;
    });
    button.click();
    QCOMPARE(ran, 1);
}

void TestForm::closing()
{
    ui::Form &form = *m_form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy closed(&form, &ui::Form::closed);

    int asked = 0;
    form.setCloseHandler([&asked] { ++asked; });
    form.requestClose();
    QCOMPARE(asked, 1);
    QVERIFY(form.isVisible());
    QCOMPARE(closed.count(), 0);

    form.setCloseHandler([&form, &asked] {
        ++asked;
        form.close();
    });
    form.requestClose();
    QCOMPARE(asked, 2);
    QVERIFY(!form.isVisible());
    QCOMPARE(closed.count(), 1);

    // Without a handler the frame simply closes the window.
    form.setCloseHandler({});
    form.show();
    form.requestClose();
    QVERIFY(!form.isVisible());
    QCOMPARE(closed.count(), 2);
}

void TestForm::alwaysOnTopKeepsVisibility()
{
    ui::Form &form = *m_form;
    form.setAlwaysOnTop(true);
    QVERIFY(!form.isVisible());
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    form.showPlaced();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setAlwaysOnTop(false);
    QVERIFY(form.isVisible());
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    form.setAlwaysOnTop(true);
    QVERIFY(form.isVisible());
}

void TestForm::showPlacedCentresOrPositions()
{
    m_form->showPlaced();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((m_form->frameGeometry().center() - centre).manhattanLength() <= 2);

    ui::WindowLayout placed = kLayout;
    placed.position = QPoint(386, 308);
    ui::Form form(placed);
    form.showPlaced();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.frameGeometry().topLeft(), QPoint(386, 308));
}

void TestForm::contextMenuCopiesPicture()
{
    ui::Form &form = *m_form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QApplication::clipboard()->clear();
    QString entry;
    QTimer::singleShot(0, [&entry] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        entry = menu->actions().first()->text();
        menu->actions().first()->trigger();
        menu->close();
    });
    QContextMenuEvent event(
        QContextMenuEvent::Mouse, QPoint(300, 190), form.mapToGlobal(QPoint(300, 190)));
    QApplication::sendEvent(&form, &event);
    QCOMPARE(entry, u"コピー(&Y)"_s);
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), form.size() * form.devicePixelRatio());
    QCOMPARE(copied.pixel(300, 190), QColor(ui::kSilver).rgb());
}

void TestForm::surfaceIsPaintedUnderControls()
{
    ui::Form form(kLayout, true);
    QCOMPARE(form.surface().image().size(), QSize(320, 200));
    QCOMPARE(form.surface().image().pixel(0, 0), ui::kSilver);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.surface().fillBox(1, 100, 318, 198, 5);
    form.surface().plot(300, 10, 9);
    const QImage picture = form.grab().toImage();
    QCOMPARE(picture.pixel(150, 180), QRgb(0xffff0000));
    QCOMPARE(picture.pixel(300, 10), QRgb(0xff00ff00));
    // Controls are drawn over the surface: the middle of BUTTON1 is not red.
    QVERIFY(picture.pixel(48, 144) != QRgb(0xffff0000));
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"

// SPDX-License-Identifier: MIT
// Windows only: what the Win32 backends of the window layer do, read back from Windows
// itself: the input method's state as a field gains the focus (IMM), コピー(&Y) in the
// system menu, a document opened through the shell, and always-on-top on one window.

#include "form_test_layout.h"
#include "ui/widgets/shell.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
// imm.h needs the types of windows.h before it.
// clang-format off
#include <qt_windows.h>
#include <imm.h>
// clang-format on

using namespace Qt::StringLiterals;

namespace {

struct ImeState
{
    bool open = false;
    DWORD conversion = 0;
};

ImeState imeState(QWidget *window)
{
    const auto hwnd = reinterpret_cast<HWND>(window->winId());
    ImeState state;
    if (const HIMC context = ImmGetContext(hwnd)) {
        state.open = ImmGetOpenStatus(context);
        DWORD sentence = 0;
        ImmGetConversionStatus(context, &state.conversion, &sentence);
        ImmReleaseContext(hwnd, context);
    }
    return state;
}

/// The text of the system menu's item at a position; empty for a separator.
QString menuText(HMENU menu, int position)
{
    wchar_t text[64] = {};
    GetMenuStringW(menu, UINT(position), text, 64, MF_BYPOSITION);
    return QString::fromWCharArray(text);
}

} // namespace

class TestWindowsServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void inputMethodFollowsTheField_data();
    void inputMethodFollowsTheField();
    void systemMenuCopiesTheWindow_data();
    void systemMenuCopiesTheWindow();
    void opensThroughTheShell_data();
    void opensThroughTheShell();
    void onTopOnTheSameWindow();
};

void TestWindowsServices::inputMethodFollowsTheField_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("open");
    // The mode bits that matter, as Windows reports them; 0 for a closed input method.
    QTest::addColumn<DWORD>("mode");
    constexpr DWORD hiragana = IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
    constexpr DWORD fullWidthAlphanumeric = IME_CMODE_FULLSHAPE;
    QTest::newRow("on") << u"EDIT2"_s << u"EDIT26"_s << true << hiragana;
    // The mode of the field before must not stay behind.
    QTest::newRow("on after alnum-full") << u"EDIT1"_s << u"EDIT26"_s << true << hiragana;
    QTest::newRow("off") << u"EDIT26"_s << u"EDIT2"_s << false << DWORD(0);
    QTest::newRow("alnum-full") << u"EDIT26"_s << u"EDIT1"_s << true << fullWidthAlphanumeric;
    // A button takes no input method, and Qt takes the window's context away meanwhile.
    QTest::newRow("alnum-full after a button")
        << u"BUTTON1"_s << u"EDIT1"_s << true << fullWidthAlphanumeric;
}

void TestWindowsServices::inputMethodFollowsTheField()
{
    QFETCH(QString, before);
    QFETCH(QString, field);
    QFETCH(bool, open);
    QFETCH(DWORD, mode);
    ui::Form form(form_test::kLayout);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.control(before)->setFocus();
    QTRY_VERIFY(form.control(before)->hasFocus());
    form.control(field)->setFocus();
    QTRY_VERIFY(form.control(field)->hasFocus());

    const ImeState state = imeState(&form);
    QCOMPARE(state.open, open);
    if (open) {
        constexpr DWORD kModeBits = IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE;
        QCOMPARE(state.conversion & kModeBits, mode);
    }
}

void TestWindowsServices::systemMenuCopiesTheWindow_data()
{
    QTest::addColumn<bool>("onTop");
    QTest::newRow("as shown") << false;
    // The on-top state is changed on the existing native window: its menu stays.
    QTest::newRow("always on top") << true;
}

void TestWindowsServices::systemMenuCopiesTheWindow()
{
    QFETCH(bool, onTop);
    ui::Form form(form_test::kLayout);
    form.showPlaced();
    form.setAlwaysOnTop(onTop);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto hwnd = reinterpret_cast<HWND>(form.winId());
    const HMENU menu = GetSystemMenu(hwnd, FALSE);
    QVERIFY(menu);
    const int count = GetMenuItemCount(menu);
    QVERIFY(count >= 3);
    QVERIFY(GetMenuState(menu, UINT(count - 2), MF_BYPOSITION) & MF_SEPARATOR);
    QCOMPARE(menuText(menu, count - 1), u"コピー(&Y)"_s);
    QCOMPARE(menuText(menu, count - 3).isEmpty(), false); // one separator, one entry

    QGuiApplication::clipboard()->clear();
    // The menu posts the command it chose, as here.
    PostMessageW(hwnd, WM_SYSCOMMAND, GetMenuItemID(menu, count - 1), 0);
    QTRY_VERIFY(!QGuiApplication::clipboard()->image().isNull());
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
        form.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

void TestWindowsServices::opensThroughTheShell_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("opened");
    // The default action of a batch file runs it: it leaves a file behind.
    QTest::newRow("default action")
        << u"probe.cmd"_s << QByteArray("echo ran> ran.txt\r\n") << true;
    QTest::newRow("no program for the type") << u"probe.quorvel-none"_s << QByteArray("x") << false;
}

void TestWindowsServices::opensThroughTheShell()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(bool, opened);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString home = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QFile probe(file);
    QVERIFY(probe.open(QIODevice::WriteOnly));
    probe.write(content);
    probe.close();
    const bool result = ui::openDocument(file);
    QDir::setCurrent(home);
    QCOMPARE(result, opened);
    if (opened)
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(u"ran.txt"_s)), 20000);
}

void TestWindowsServices::onTopOnTheSameWindow()
{
    ui::Form form(form_test::kLayout);
    form.showPlaced();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto hwnd = reinterpret_cast<HWND>(form.winId());
    // Off after on too, which Qt's own flags never do.
    for (const bool onTop : {true, false, true}) {
        form.setAlwaysOnTop(onTop);
        QCOMPARE(reinterpret_cast<HWND>(form.winId()), hwnd);
        QVERIFY(IsWindowVisible(hwnd));
        QCOMPARE((GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, onTop);
    }
}

QTEST_MAIN(TestWindowsServices)
#include "tst_windows_services.moc"

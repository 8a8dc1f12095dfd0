// Qt's own texts in the program's windows and dialogs are Japanese once the program's
// start-up has loaded Qt's catalogue, whatever the locale (the suite runs in C.UTF-8).

#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/file_dialog.h"
#include "ui/widgets/print_preview.h"
#include "ui/widgets/qt_translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

enum class Shown { FieldMenu, SaveDialog, PrintPreview };

/// A text as the user reads it: "貼り付け(&P)\tCtrl+V" → "貼り付け".
QString readable(QString text)
{
    static const QRegularExpression mnemonic(uR"(\(&.\)|&)"_s);
    return text.section(u'\t', 0, 0).remove(mnemonic).trimmed();
}

/// The title, the buttons' and the labels' texts of the modal dialog that is open.
QStringList dialogTexts()
{
    QStringList texts;
    QWidget *dialog = QApplication::activeModalWidget();
    if (!dialog)
        return texts;
    texts << readable(dialog->windowTitle());
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        texts << readable(button->text());
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        texts << readable(label->text());
    qobject_cast<QDialog *>(dialog)->reject();
    return texts;
}

/// What the user reads in a field's context menu or in one of the program's dialogs,
/// each opened the way the program opens it.
QStringList textsOf(Shown shown)
{
    QStringList texts;
    switch (shown) {
    case Shown::FieldMenu: {
        ui::ByteLimitedEdit field;
        field.show();
        QContextMenuEvent click(
            QContextMenuEvent::Mouse, QPoint(4, 4), field.mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(&field, &click);
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions())
                texts << readable(action->text());
            menu->close();
        }
        break;
    }
    case Shown::SaveDialog:
        QTimer::singleShot(0, [&texts] { texts = dialogTexts(); });
        ui::FileDialog::askSaveFile(
            nullptr, {u"画像として保存"_s, u"chart.png"_s, {u"PNG 画像 (*.png)"_s}, u"png"_s});
        break;
    case Shown::PrintPreview:
        QTimer::singleShot(0, [&texts] { texts = dialogTexts(); });
        ui::PrintPreview::show(nullptr, [](QPainter &, const QRectF &) {});
        break;
    }
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Shown)

class TestQtTranslation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void japanese_data();
    void japanese();
};

void TestQtTranslation::initTestCase()
{
    // Qt's own dialogs, which a test can read, also where the platform has native ones.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY2(ui::installQtTranslation(), qPrintable(ui::qtTranslationFolder()));
}

void TestQtTranslation::japanese_data()
{
    QTest::addColumn<Shown>("shown");
    QTest::addColumn<QString>("text");
    QTest::newRow("field menu: undo") << Shown::FieldMenu << u"元に戻す"_s;
    QTest::newRow("field menu: cut") << Shown::FieldMenu << u"切り取り"_s;
    QTest::newRow("field menu: paste") << Shown::FieldMenu << u"貼り付け"_s;
    QTest::newRow("field menu: select all") << Shown::FieldMenu << u"すべてを選択"_s;
    QTest::newRow("save dialog: save") << Shown::SaveDialog << u"保存"_s;
    QTest::newRow("save dialog: cancel") << Shown::SaveDialog << u"キャンセル"_s;
    QTest::newRow("print preview: title") << Shown::PrintPreview << u"印刷のプレビュー"_s;
}

void TestQtTranslation::japanese()
{
    QFETCH(Shown, shown);
    QFETCH(QString, text);
    const QStringList texts = textsOf(shown);
    QVERIFY2(texts.contains(text), qPrintable(texts.join(u" | "_s)));
}

QTEST_MAIN(TestQtTranslation)
#include "tst_qt_translation.moc"

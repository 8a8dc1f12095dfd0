// SPDX-License-Identifier: MIT
#include "ui/text/clock.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/print_preview.h"
#include "ui/widgets/qt_translation.h"
#include "ui/widgets/shell.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using ui::MessageBox;

Q_DECLARE_METATYPE(MessageBox::Buttons)
Q_DECLARE_METATYPE(MessageBox::Icon)
Q_DECLARE_METATYPE(MessageBox::Answer)

enum class QtText { FieldMenu, PrintPreview };
Q_DECLARE_METATYPE(QtText)

class TestServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void qtTextsInJapanese_data();
    void qtTextsInJapanese();
    void queuedAnswerShowsNoDialog();
    void realBox_data();
    void realBox();
    void openDocument_data();
    void openDocument();
    void fixedToday_data();
    void fixedToday();
};

// Qt's own texts as start-up makes them, whatever the locale (the suite runs in C.UTF-8);
// the message boxes below keep their captions with them.
void TestServices::initTestCase()
{
    QVERIFY2(ui::installQtTranslation(), qPrintable(ui::qtTranslationFolder()));
}

void TestServices::cleanup()
{
    MessageBox::resetForTest();
    ui::setDocumentOpener({});
    ui::Clock::setToday(std::nullopt);
}

void TestServices::queuedAnswerShowsNoDialog()
{
    QWidget owner;
    QVERIFY(!MessageBox::lastShown());
    MessageBox::setNextAnswer(MessageBox::Answer::Cancel);
    QVERIFY(MessageBox::hasNextAnswer());
    const auto answer = MessageBox::show(&owner, u"Quorvel"_s, u"終了しますか"_s,
        MessageBox::Buttons::OkCancel, MessageBox::Icon::Information);
    QCOMPARE(answer, MessageBox::Answer::Cancel);
    QVERIFY(!MessageBox::hasNextAnswer());
    const auto shown = MessageBox::lastShown();
    QVERIFY(shown);
    QCOMPARE(shown->owner, &owner);
    QCOMPARE(shown->title, u"Quorvel"_s);
    QCOMPARE(shown->text, u"終了しますか"_s);
    QCOMPARE(shown->buttons, MessageBox::Buttons::OkCancel);
    QCOMPARE(shown->icon, MessageBox::Icon::Information);
}

void TestServices::realBox_data()
{
    QTest::addColumn<MessageBox::Buttons>("buttons");
    QTest::addColumn<MessageBox::Icon>("icon");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<MessageBox::Answer>("answer");

    const QStringList both = {u"OK"_s, u"キャンセル"_s};
    QTest::newRow("question, Esc") << MessageBox::Buttons::OkCancel << MessageBox::Icon::Information
                                   << int(Qt::Key_Escape) << both << MessageBox::Answer::Cancel;
    QTest::newRow("question, Return")
        << MessageBox::Buttons::OkCancel << MessageBox::Icon::Information << int(Qt::Key_Return)
        << both << MessageBox::Answer::Ok;
    QTest::newRow("question, close box")
        << MessageBox::Buttons::OkCancel << MessageBox::Icon::Information << 0 << both
        << MessageBox::Answer::Cancel;
    QTest::newRow("failure, Esc") << MessageBox::Buttons::Ok << MessageBox::Icon::Stop
                                  << int(Qt::Key_Escape) << QStringList {u"OK"_s}
                                  << MessageBox::Answer::Ok;
}

void TestServices::realBox()
{
    QFETCH(MessageBox::Buttons, buttons);
    QFETCH(MessageBox::Icon, icon);
    QFETCH(int, key);
    QFETCH(QStringList, captions);
    QFETCH(MessageBox::Answer, answer);

    QStringList seenCaptions;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QString seenTitle;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton *button : box->buttons())
            seenCaptions << button->text();
        seenIcon = box->icon();
        seenTitle = box->windowTitle();
        if (key == 0)
            box->close();
        else
            QTest::keyClick(box, Qt::Key(key));
    });
    QCOMPARE(MessageBox::show(nullptr, u"エラー発生"_s, u"text"_s, buttons, icon), answer);
    seenCaptions.sort();
    captions.sort();
    QCOMPARE(seenCaptions, captions);
    QCOMPARE(seenIcon,
        icon == MessageBox::Icon::Stop ? QMessageBox::Critical : QMessageBox::Information);
    QCOMPARE(seenTitle, u"エラー発生"_s);
    QCOMPARE(MessageBox::lastShown()->buttons, buttons);
}

void TestServices::qtTextsInJapanese_data()
{
    QTest::addColumn<QtText>("where");
    QTest::addColumn<QString>("text");
    QTest::newRow("field menu: undo") << QtText::FieldMenu << u"元に戻す"_s;
    QTest::newRow("field menu: cut") << QtText::FieldMenu << u"切り取り"_s;
    QTest::newRow("field menu: paste") << QtText::FieldMenu << u"貼り付け"_s;
    QTest::newRow("print preview: title") << QtText::PrintPreview << u"印刷のプレビュー"_s;
}

// A field's context menu ("貼り付け(&P)\tCtrl+V" read as "貼り付け") and the print
// preview's title, each opened the way the program opens it.
void TestServices::qtTextsInJapanese()
{
    QFETCH(QtText, where);
    QFETCH(QString, text);
    QStringList texts;
    if (where == QtText::PrintPreview) {
        QTimer::singleShot(0, [&texts] {
            auto *preview = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(preview);
            texts << preview->windowTitle();
            preview->reject();
        });
        ui::PrintPreview::show(nullptr, [](QPainter &, const QRectF &) {});
    } else {
        ui::ByteLimitedEdit field;
        field.show();
        QContextMenuEvent click(QContextMenuEvent::Mouse, {4, 4}, field.mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(&field, &click);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (const QAction *action : menu->actions())
            texts << action->text().section(u'\t', 0, 0).section(u'(', 0, 0);
        menu->close();
    }
    QVERIFY2(texts.contains(text), qPrintable(texts.join(u" | "_s)));
}

void TestServices::openDocument_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("expected");
    QTest::newRow("missing file: the opener is not asked") << false << true << false;
    QTest::newRow("present and opened") << true << true << true;
    QTest::newRow("present, nothing opens it") << true << false << false;
}

void TestServices::openDocument()
{
    QFETCH(bool, present);
    QFETCH(bool, opens);
    QFETCH(bool, expected);

    const QString name = u"tamlo.pdf"_s;
    QFile::remove(name);
    if (present) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QStringList asked;
    ui::setDocumentOpener([&asked, opens](const QString &path) {
        asked << path;
        return opens;
    });
    QCOMPARE(ui::openDocument(name), expected);
    QCOMPARE(
        asked, present ? QStringList {QDir::current().absoluteFilePath(name)} : QStringList {});
    QFile::remove(name);
}

void TestServices::fixedToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::newRow("March") << QDate(2026, 3, 5);
    QTest::newRow("December") << QDate(2025, 12, 31);
    QTest::newRow("three-digit year") << QDate(999, 1, 2);
}

void TestServices::fixedToday()
{
    QFETCH(QDate, today);
    ui::Clock::setToday(today);
    QCOMPARE(ui::Clock::today(), today);
    QCOMPARE(ui::Clock::now(), QDateTime(today, QTime(0, 0), Qt::UTC));
}

QTEST_MAIN(TestServices)
#include "tst_services.moc"

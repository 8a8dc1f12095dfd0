// SPDX-License-Identifier: MIT
#include "tools/manual/manual_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

/// The format of the first fragment whose text contains the marker.
QTextCharFormat formatOf(const QTextDocument &document, const QString &marker)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(marker))
                return it.fragment().charFormat();
        }
    }
    return {};
}

/// The page on which the block's first line lies; -1 for a block that was never laid out.
int pageOf(const QTextDocument &document, const QTextBlock &block)
{
    if (block.layout()->lineCount() == 0)
        return -1;
    const qreal top
        = document.documentLayout()->blockBoundingRect(block).top() + block.layout()->lineAt(0).y();
    return int(top / document.pageSize().height());
}

QTextImageFormat firstImage(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                return it.fragment().charFormat().toImageFormat();
        }
    }
    return {};
}

} // namespace

class TestManualDocument : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString writeMarkdown(const QString &text)
    {
        const QString path = m_folder.filePath(u"manual.md"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        file.write(text.toUtf8());
        return path;
    }

private Q_SLOTS:
    void faces_data()
    {
        QTest::addColumn<QString>("markdown");
        QTest::addColumn<bool>("fixed");
        QTest::newRow("prose") << u"説明の ZZZ 文です。\n"_s << false;
        QTest::newRow("heading") << u"## ZZZ 見出し\n"_s << false;
        QTest::newRow("table cell") << u"| 行 |\n|---|\n| ZZZ |\n"_s << false;
        QTest::newRow("list item") << u"- ZZZ 項目\n"_s << false;
        QTest::newRow("code span") << u"ファイル `ZZZ.dat` です。\n"_s << true;
        QTest::newRow("indented code") << u"例：\n\n    \"ZZZ\",\"1985\"\n"_s << true;
        QTest::newRow("fenced code") << u"```\nquorvel-chart ZZZ\n```\n"_s << true;
    }

    // Kana must never fall to a face without them, and code is set as large as prose.
    void faces()
    {
        QFETCH(QString, markdown);
        QFETCH(bool, fixed);
        QString error;
        const auto document = manual::loadManual(writeMarkdown(markdown), &error);
        QVERIFY2(document, qPrintable(error));
        const QTextCharFormat format = formatOf(*document, u"ZZZ"_s);
        QCOMPARE(format.fontFamilies().toStringList().value(0),
            fixed ? manual::fixedFace() : manual::bodyFace());
        if (fixed)
            QCOMPARE(format.fontPointSize(), document->defaultFont().pointSizeF());
        QCOMPARE(document->defaultFont().family(), manual::bodyFace());
    }

    void imagesFitTheTextWidth_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("laidOut");
        const int width = manual::textWidth;
        QTest::newRow("narrow") << QSize(300, 200) << QSize(300, 200);
        QTest::newRow("exactly the text width") << QSize(width, 90) << QSize(width, 90);
        QTest::newRow("twice as wide") << QSize(2 * width, 400) << QSize(width, 200);
    }

    void imagesFitTheTextWidth()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, laidOut);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QVERIFY(picture.save(m_folder.filePath(u"picture.png"_s)));

        QString error;
        const auto document
            = manual::loadManual(writeMarkdown(u"前\n\n![図](picture.png)\n\n後\n"_s), &error);
        QVERIFY2(document, qPrintable(error));
        const QTextImageFormat image = firstImage(*document);
        QCOMPARE(QSizeF(image.width(), image.height()), QSizeF(laidOut));
        // The picture is held by the document itself, not looked up at print time.
        const QImage held
            = document->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
        QCOMPARE(held.size(), size);
    }

    void headingsStayWithTheirText_data()
    {
        QTest::addColumn<int>("paragraphs");
        // Enough lengths of text before the headings to leave each of them, for some
        // length, at the foot of a page.
        for (int paragraphs = 30; paragraphs <= 70; ++paragraphs)
            QTest::addRow("%d paragraphs before", paragraphs) << paragraphs;
    }

    // No heading is printed alone at the foot of a page, and no text is lost: after a
    // table, a heading that moves must not leave the following blocks without lines.
    void headingsStayWithTheirText()
    {
        QFETCH(int, paragraphs);
        QString markdown = u"# 題\n\n"_s;
        for (int i = 0; i < paragraphs; ++i)
            markdown += u"バイオリズムの説明の段落です。\n\n"_s;
        for (int section = 0; section < 6; ++section) {
            markdown += u"## 表の見出し\n\n| 行 | 意味 |\n|---|---|\n| 休養 | 充電日 |\n"_s
                        u"| 風邪 | 注意日 |\n\n表のあとの段落です。\n\n### 次の見出し\n\n"_s;
            for (int i = 0; i < 5; ++i)
                markdown += u"見出しのあとの段落です。\n\n"_s;
        }
        QString error;
        const auto document = manual::loadManual(writeMarkdown(markdown), &error);
        QVERIFY2(document, qPrintable(error));
        QVERIFY(document->pageCount() >= 2);

        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (block.text().isEmpty())
                continue;
            QVERIFY2(block.layout()->lineCount() > 0, qPrintable(block.text()));
            if (block.blockFormat().headingLevel() > 0)
                QCOMPARE(pageOf(*document, block), pageOf(*document, block.next()));
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("markdown"); // empty: no Markdown file at all
        QTest::addColumn<QString>("named");
        QTest::newRow("missing manual") << QString() << u"absent.md"_s;
        QTest::newRow("missing picture") << u"![図](gone.png)\n"_s << u"gone.png"_s;
        QTest::newRow("unreadable picture") << u"![図](manual.md)\n"_s << u"manual.md"_s;
    }

    void refusals()
    {
        QFETCH(QString, markdown);
        QFETCH(QString, named);
        const QString path
            = markdown.isEmpty() ? m_folder.filePath(u"absent.md"_s) : writeMarkdown(markdown);
        QString error;
        QVERIFY(!manual::loadManual(path, &error));
        QVERIFY2(error.contains(named), qPrintable(error));
    }

    void writesPdfWholeOrNothing()
    {
        QString markdown = u"# 題\n\n"_s;
        for (int i = 0; i < 200; ++i)
            markdown += u"バイオリズムの説明の段落です。\n\n"_s;
        QString error;
        const auto document = manual::loadManual(writeMarkdown(markdown), &error);
        QVERIFY2(document, qPrintable(error));

        const QString pdfPath = m_folder.filePath(u"out.pdf"_s);
        QVERIFY2(manual::writePdf(*document, pdfPath, &error), qPrintable(error));
        QFile pdf(pdfPath);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));

        const QString nowhere = m_folder.filePath(u"no/such/folder/out.pdf"_s);
        QVERIFY(!manual::writePdf(*document, nowhere, &error));
        QVERIFY2(error.contains(u"out.pdf"_s), qPrintable(error));
        QVERIFY(!QFile::exists(nowhere));
    }
};

QTEST_MAIN(TestManualDocument)
#include "tst_manual_document.moc"

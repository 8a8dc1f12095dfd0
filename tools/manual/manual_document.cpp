// SPDX-License-Identifier: MIT
#include "tools/manual/manual_document.h"

#include "ui/text/save_file.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace manual {

namespace {

// The document is laid out in pixels at 96 per inch on an A4 page with 2 cm margins.
constexpr qreal pixelsPerMm = 96 / 25.4;
const QSizeF pageSize(210 * pixelsPerMm, 297 * pixelsPerMm);
constexpr qreal margin = 20 * pixelsPerMm;

constexpr qreal bodyPointSize = 10.5;
constexpr int lineHeightPercent = 140;
// Headings in the navy of the program's own labels.
const QColor headingColour(0, 0, 128);
const QColor codeBackground(240, 240, 240);
constexpr qreal codeIndent = 16;

struct FaceFile
{
    QString family;
    QString path;
};

/// Makes sure both faces are known to Qt, registering the Debian font files when
/// fontconfig does not list them; the build must not fall back to a face without kana.
bool ensureFaces(QString *error)
{
    const FaceFile faces[] = {
        {bodyFace(), u"/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"_s},
        {fixedFace(), u"/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"_s},
    };
    for (const FaceFile &face : faces) {
        if (QFontDatabase::families().contains(face.family))
            continue;
        QFontDatabase::addApplicationFont(face.path);
        if (!QFontDatabase::families().contains(face.family)) {
            *error = u"font "_s + face.family + u" not found (package fonts-ipafont-gothic)"_s;
            return false;
        }
    }
    return true;
}

bool isCodeBlock(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    return format.hasProperty(QTextFormat::BlockCodeFence)
        || format.hasProperty(QTextFormat::BlockCodeLanguage) || format.nonBreakableLines();
}

struct Span
{
    int position;
    int length;
    QTextCharFormat format;
};

/// The fragments of the whole document (table cells included), collected before any
/// format is changed, since changing formats merges and splits fragments.
std::vector<Span> spans(const QTextDocument &document, bool images)
{
    std::vector<Span> result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const bool code = isCodeBlock(block);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat() != images)
                continue;
            if (code)
                format.setFontFixedPitch(true);
            result.push_back({fragment.position(), fragment.length(), format});
        }
    }
    return result;
}

QTextCursor select(QTextDocument &document, const Span &span)
{
    QTextCursor cursor(&document);
    cursor.setPosition(span.position);
    cursor.setPosition(span.position + span.length, QTextCursor::KeepAnchor);
    return cursor;
}

void applyTypography(QTextDocument &document)
{
    QFont body(bodyFace());
    body.setPointSizeF(bodyPointSize);
    document.setDefaultFont(body);

    for (const Span &span : spans(document, false)) {
        QTextCharFormat face;
        if (span.format.fontFixedPitch()) {
            // Markdown sets code in the system's monospace face, a size smaller.
            face.setFontFamilies({fixedFace()});
            face.setFontPointSize(bodyPointSize);
        } else {
            face.setFontFamilies({bodyFace()});
        }
        select(document, span).mergeCharFormat(face);
    }
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextBlockFormat spacing;
        spacing.setLineHeight(lineHeightPercent, QTextBlockFormat::ProportionalHeight);
        if (isCodeBlock(block)) {
            spacing.setBackground(codeBackground);
            spacing.setLeftMargin(codeIndent);
        }
        cursor.mergeBlockFormat(spacing);
        if (block.blockFormat().headingLevel() > 0) {
            cursor.select(QTextCursor::BlockUnderCursor);
            QTextCharFormat colour;
            colour.setForeground(headingColour);
            cursor.mergeCharFormat(colour);
        }
    }
}

void frameTables(QTextFrame *frame)
{
    const QList<QTextFrame *> children = frame->childFrames();
    for (QTextFrame *child : children) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            QTextTableFormat format = table->format();
            format.setBorder(1);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderBrush(QColor(128, 128, 128));
            format.setBorderCollapse(true);
            format.setCellSpacing(0);
            format.setCellPadding(4);
            format.setHeaderRowCount(1);
            table->setFormat(format);
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(0, column);
                QTextCharFormat header = cell.format();
                header.setBackground(QColor(224, 224, 224));
                cell.setFormat(header);
            }
        }
        frameTables(child);
    }
}

bool embedImages(QTextDocument &document, const QDir &folder, QString *error)
{
    for (const Span &span : spans(document, true)) {
        QTextImageFormat format = span.format.toImageFormat();
        const QString path = folder.filePath(format.name());
        const QImage image(path);
        if (image.isNull()) {
            *error = u"image "_s + QDir::toNativeSeparators(path) + u" cannot be read"_s;
            return false;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
        const qreal scale = qMin(1.0, qreal(textWidth) / image.width());
        format.setWidth(image.width() * scale);
        format.setHeight(image.height() * scale);
        QTextCursor cursor = select(document, span);
        cursor.setCharFormat(format);
        // The prose's line spacing would add a third of the picture's height below it.
        QTextBlockFormat single;
        single.setLineHeight(100, QTextBlockFormat::SingleHeight);
        cursor.mergeBlockFormat(single);
    }
    return true;
}

/// The page on which line `line` of the block starts.
int pageOfLine(const QTextDocument &document, const QTextBlock &block, int line)
{
    const QRectF box = document.documentLayout()->blockBoundingRect(block);
    const QTextLayout *layout = block.layout();
    const qreal top = box.top() + (layout->lineCount() > line ? layout->lineAt(line).y() : 0);
    return int(std::floor(top / document.pageSize().height()));
}

/// A heading left at the foot of a page, with its first line of text (or its picture) on
/// the next one, moves to the next page as well. One heading moves per layout, since each
/// move shifts everything after it.
void keepHeadingsWithText(QTextDocument &document)
{
    for (bool moved = true; moved;) {
        moved = false;
        for (QTextBlock block = document.begin(); block.isValid() && !moved; block = block.next()) {
            const QTextBlockFormat format = block.blockFormat();
            const QTextBlock next = block.next();
            if (format.headingLevel() == 0 || !next.isValid()
                || format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                continue;
            if (pageOfLine(document, block, 0) != pageOfLine(document, next, 0)) {
                QTextBlockFormat breakBefore;
                breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(block).mergeBlockFormat(breakBefore);
                // The incremental relayout after a format change leaves the blocks that
                // follow a table without lines; lay out the whole document again instead.
                document.markContentsDirty(0, document.characterCount());
                moved = true;
            }
        }
    }
}

/// The document as an A4 PDF onto the device, one PDF page for each of its pages.
ui::SaveResult drawPdf(const QTextDocument &document, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
    writer.setTitle(document.begin().text());
    writer.setCreator(u"quorvel-manual"_s);

    // Each page is the document's own page, scaled from its 96 pixels per inch.
    QPainter painter(&writer);
    const qreal scale = writer.resolution() / 96.0;
    painter.scale(scale, scale);
    const QSizeF page = document.pageSize();
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            writer.newPage();
        const QRectF view(QPointF(0, index * page.height()), page);
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        // In document pixels: a font in points would be sized for the PDF's resolution.
        QFont number = document.defaultFont();
        number.setPixelSize(qRound(bodyPointSize * 96 / 72));
        painter.setFont(number);
        const QRectF foot(margin, page.height() - margin, page.width() - 2 * margin, margin / 2);
        painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom, QString::number(index + 1));
    }
    if (!painter.end())
        return engine::Failure {u"the PDF could not be finished"_s};
    return {};
}

} // namespace

QString bodyFace()
{
    return u"IPAPGothic"_s;
}

QString fixedFace()
{
    return u"IPAGothic"_s;
}

std::unique_ptr<QTextDocument> loadManual(const QString &markdownPath, QString *error)
{
    QFile file(markdownPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QDir::toNativeSeparators(markdownPath) + u": "_s + file.errorString();
        return nullptr;
    }
    if (!ensureFaces(error))
        return nullptr;

    auto document = std::make_unique<QTextDocument>();
    // Unhinted metrics: the layout is drawn on a PDF, not on a screen.
    document->setUseDesignMetrics(true);
    document->setMarkdown(QString::fromUtf8(file.readAll()));
    applyTypography(*document);
    frameTables(document->rootFrame());
    if (!embedImages(*document, QFileInfo(markdownPath).absoluteDir(), error))
        return nullptr;

    QTextFrameFormat page = document->rootFrame()->frameFormat();
    page.setMargin(margin);
    document->rootFrame()->setFrameFormat(page);
    document->setPageSize(pageSize);
    keepHeadingsWithText(*document);
    return document;
}

bool writePdf(const QTextDocument &document, const QString &pdfPath, QString *error)
{
    const ui::SaveResult saved = ui::saveFile(
        pdfPath, [&document](QIODevice &device) { return drawPdf(document, device); });
    if (!saved)
        *error = QDir::toNativeSeparators(pdfPath) + u": "_s + saved.error();
    return saved.ok();
}

} // namespace manual

// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>

class QTextDocument;

/// The user manual tamlo.pdf is written in Markdown and printed by the build:
/// Markdown → QTextDocument → QPdfWriter on A4, with the Japanese faces embedded.
namespace manual {

/// Prose is set in the proportional gothic, code and file contents in the fixed one.
QString bodyFace();
QString fixedFace();

/// The width of the printed text column in document pixels (A4 less 2 cm on each side,
/// at 96 pixels per inch): no image is laid out wider than this.
inline constexpr int textWidth = 642;

/// Loads a Markdown file as a document laid out on A4 pages: faces, line spacing, table
/// borders, every image read from disk relative to the file's folder and scaled down to
/// fit the text width, and no heading left alone at the foot of a page. Null, with the
/// reason in *error, when the file, a face or an image cannot be had; a manual with a
/// hole where a picture belongs is not printed.
std::unique_ptr<QTextDocument> loadManual(const QString &markdownPath, QString *error);

/// Prints the pages of a document from loadManual() into a PDF, with page numbers and
/// its first line as the title. The file is replaced only when the whole PDF is written.
bool writePdf(const QTextDocument &document, const QString &pdfPath, QString *error);

} // namespace manual

// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace ui {

/// Qt's print preview, whose print button leads to the print dialog. The page is drawn
/// at the printer's own resolution by the caller's paint function.
class PrintPreview
{
public:
    /// Draws one page: page is the printable area in the painter's device pixels.
    using Paint = std::function<void(QPainter &painter, const QRectF &page)>;

    /// Shows the preview until it is closed or printed. False when a printer refused to
    /// be painted on.
    static bool show(QWidget *owner, const Paint &paint);

    /// Test seam: the next show() prints straight onto this printer (a PDF file, for
    /// instance) without a dialog.
    static void setNextPrinter(QPrinter *printer);
};

} // namespace ui

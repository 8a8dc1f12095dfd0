// SPDX-License-Identifier: MIT
#include "ui/widgets/print_preview.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <utility>

namespace ui {
namespace {

QPrinter *&nextPrinter()
{
    static QPrinter *printer = nullptr;
    return printer;
}

bool paintPage(QPrinter &printer, const PrintPreview::Paint &paint)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the top left of the printable area.
    const QRectF printable = printer.pageLayout().paintRectPixels(printer.resolution());
    paint(painter, QRectF(QPointF(0, 0), printable.size()));
    return painter.end();
}

} // namespace

bool PrintPreview::show(QWidget *owner, const Paint &paint)
{
    if (QPrinter *printer = std::exchange(nextPrinter(), nullptr))
        return paintPage(*printer, paint);

    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, owner);
    bool painted = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&paint, &painted](QPrinter *target) { painted = paintPage(*target, paint) && painted; });
    dialog.exec();
    return painted;
}

void PrintPreview::setNextPrinter(QPrinter *printer)
{
    nextPrinter() = printer;
}

} // namespace ui

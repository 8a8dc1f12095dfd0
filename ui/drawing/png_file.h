// SPDX-License-Identifier: MIT
#pragma once

// Pictures as PNG files, written the same way by the window and by quorvel-chart.

#include <QImage>
#include <QString>

namespace ui {

/// The same pixels with a colour table when there are 256 colours or fewer (the chart has
/// about ten): the PNG then takes a fraction of the time and space. Otherwise the image
/// as it is.
QImage withColourTable(const QImage &image);

/// Writes the picture (with a colour table where it fits) through a temporary file that
/// replaces fileName only when complete. False with the system's reason otherwise.
bool writePng(const QImage &image, const QString &fileName, QString *reason);

} // namespace ui

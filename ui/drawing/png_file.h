// SPDX-License-Identifier: MIT
#pragma once

// Pictures as PNG files, written the same way by the window and by quorvel-chart.

#include "ui/text/save_file.h"

#include <QImage>
#include <QString>

namespace ui {

/// The same pixels with a colour table when there are 256 colours or fewer (the chart has
/// about ten): the PNG then takes a fraction of the time and space. Otherwise the image
/// as it is.
QImage withColourTable(const QImage &image);

/// Saves the picture (with a colour table where it fits) as saveFile() does; the reason
/// is the image writer's where it has one, the system's otherwise.
SaveResult writePng(const QImage &image, const QString &fileName);

} // namespace ui

// SPDX-License-Identifier: MIT
#pragma once

// Every file the programs write goes through here: the contents go to a temporary file
// in the same folder, which takes the file's place only when everything was written, so
// a failure leaves the previous file as it was and no temporary file behind.

#include "engine/result.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

class QIODevice;
class QSaveFile;

namespace ui {

/// Nothing, or why the file was not saved: the system's reason or the writer's own.
using SaveResult = engine::Result<void, QString>;
/// Writes the whole contents to the open device.
using SaveWriter = std::function<SaveResult(QIODevice &device)>;

enum class Fallback {
    None, ///< a folder that takes no new file fails the save
    /// a writable file in a folder that takes no new file is written in place instead;
    /// a failure there can leave it partly written, and is reported all the same
    InPlace,
};

SaveResult saveFile(const QString &path, QByteArrayView bytes);
SaveResult saveFile(const QString &path, const SaveWriter &write);
/// The same through a save file that is not open yet (a seam for failing devices).
SaveResult saveFile(QSaveFile &file, const SaveWriter &write, Fallback fallback = Fallback::None);

/// A writer of the bytes: fails with the device's reason when it takes fewer than all.
SaveResult writeAll(QIODevice &device, QByteArrayView bytes);

} // namespace ui

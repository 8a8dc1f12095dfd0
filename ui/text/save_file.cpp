// SPDX-License-Identifier: MIT
#include "ui/text/save_file.h"

#include <QSaveFile>

namespace ui {

SaveResult writeAll(QIODevice &device, QByteArrayView bytes)
{
    if (device.write(bytes.data(), bytes.size()) == bytes.size())
        return {};
    return engine::Failure {device.errorString()};
}

SaveResult saveFile(QSaveFile &file, const SaveWriter &write, Fallback fallback)
{
    file.setDirectWriteFallback(fallback == Fallback::InPlace);
    if (!file.open(QIODevice::WriteOnly))
        return engine::Failure {file.errorString()};
    // The bytes wait in the device's buffer, and commit() replaces the file even when
    // they then fail to reach the disk (a full medium): push them out and check first.
    SaveResult written = write(file);
    if (written && !file.flush())
        written = engine::Failure {file.errorString()};
    if (!written) {
        // The reason is taken first: cancelling puts a reason of its own in its place.
        file.cancelWriting();
        file.commit(); // only discards the temporary file after a cancel
        return written;
    }
    if (!file.commit())
        return engine::Failure {file.errorString()};
    return {};
}

SaveResult saveFile(const QString &path, const SaveWriter &write)
{
    QSaveFile file(path);
    return saveFile(file, write);
}

SaveResult saveFile(const QString &path, QByteArrayView bytes)
{
    return saveFile(path, [bytes](QIODevice &device) { return writeAll(device, bytes); });
}

} // namespace ui

// SPDX-License-Identifier: MIT
#pragma once

// What the save-fault tests share: the largest roster the window writes, a look at a
// file and a folder, and a save file whose device fails part of the way.

#include "roster/roster_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>

namespace faults {

/// Ten people with every field at its longest: the largest file the window writes.
inline roster::Roster fullRoster(const QString &family)
{
    roster::Roster roster;
    for (std::size_t k = 0; k < roster.size(); ++k) {
        roster[k] = {family + QStringLiteral("太郎一二三四五").left(7 - family.size()),
            QString::number(1900 + 11 * int(k)), QString::number(10 + int(k) % 3),
            QString::number(20 + int(k))};
    }
    return roster;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

/// A save file whose device takes `budget` bytes and then fails: with an error
/// (ENOSPC and kDeviceReason, as a full medium reports it), or by taking fewer bytes
/// than offered.
class FailingSaveFile : public QSaveFile
{
public:
    enum class Failure { Error, ShortWrite };
    static inline const QString kDeviceReason = QStringLiteral("No space left on device");

    FailingSaveFile(const QString &name, qint64 budget, Failure failure)
        : QSaveFile(name)
        , m_budget(budget)
        , m_failure(failure)
    { }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 taken = std::min(length, m_budget);
        if (taken > 0 && QSaveFile::writeData(data, taken) != taken)
            return -1;
        m_budget -= taken;
        if (taken == length)
            return length;
        if (m_failure == Failure::ShortWrite)
            return taken;
        errno = ENOSPC;
        setErrorString(kDeviceReason);
        return -1;
    }

private:
    qint64 m_budget;
    Failure m_failure;
};

} // namespace faults

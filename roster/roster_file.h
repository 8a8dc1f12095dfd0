// SPDX-License-Identifier: MIT
#pragma once

// The roster file "tamlo.dat": ten lines of four quoted, comma-separated items
// (name, year, month, day), CR LF, code page 932, no byte-order mark.
//
// Failing functions give back a RosterResult that holds the reason instead of a value;
// the caller hands any failure to the failure handler.

#include "engine/result.h"

#include <QByteArray>
#include <QString>
#include <array>

class QIODevice;
class QSaveFile;

namespace roster {

/// Four texts exactly as typed; never converted or checked here.
struct RosterEntry
{
    QString name, year, month, day;
    friend bool operator==(const RosterEntry &, const RosterEntry &) = default;
};

using Roster = std::array<RosterEntry, 10>;

enum class RosterError {
    Missing, ///< no such file
    Unreadable, ///< exists but cannot be opened or read
    Short, ///< ends before forty items
    Malformed, ///< a double quote right after a closing quote
    WriteFailed, ///< cannot be created, written or replaced
};

template <class T> using RosterResult = engine::Result<T, RosterError>;

/// "tamlo.dat": a bare name, so it lies in the current working directory.
QString rosterFileName();

/// Reads forty items, name, year, month, day for entries 1 to 10; anything after the
/// fortieth item is ignored. A half-width double quote inside an unquoted item (only
/// in a hand-made file) is an ordinary character of the value and comes back as it is;
/// the writer stores it as "＂".
RosterResult<Roster> readRoster(const QString &path = rosterFileName());
/// The same from bytes already read.
///     parseRoster("ＡＢＣ,1985,4,12\r\n" × 10)->at(0) == {"ＡＢＣ", "1985", "4", "12"}
RosterResult<Roster> parseRoster(QByteArrayView bytes);
/// The file's bytes as they stand; Missing when there is no file, Unreadable when it
/// cannot be read.
RosterResult<QByteArray> readRosterBytes(const QString &path = rosterFileName());
/// Whether the file no longer holds `before`, its bytes as read earlier: other bytes, or
/// a file that cannot be read now. A file that has gone, or a folder in its place, holds
/// nothing that a write would throw away.
bool rosterChangedSince(const QByteArray &before, const QString &path = rosterFileName());

/// The file's bytes: per entry `"name","year","month","day"` CR LF. A half-width
/// double quote in a value is stored as "＂" and CR, LF and NUL are left out, so that
/// the file always reads back; a character without a code-page-932 form is stored
/// as "？".
QByteArray rosterBytes(const Roster &roster);

/// Replaces the file as a whole: the bytes go to a temporary file in the same
/// folder, which takes the file's place only when everything was written, so a
/// failure leaves the previous file as it was. Where the folder takes no new file but
/// the file itself is writable, the file is written in place instead; a failure there
/// can leave it partly written, and is reported all the same.
RosterResult<void> writeRoster(const Roster &roster, const QString &path = rosterFileName());
/// The same through a save file that is not open yet (a seam for failing devices).
RosterResult<void> writeRoster(const Roster &roster, QSaveFile &file);
/// Writes the bytes to an open device; false when it takes fewer than all of them.
bool writeRoster(const Roster &roster, QIODevice &device);

/// Writes ten empty entries (130 bytes), for a first run without a roster file.
RosterResult<void> createEmptyRoster(const QString &path = rosterFileName());

} // namespace roster

// SPDX-License-Identifier: MIT
#include "roster/roster_file.h"

#include "ui/text/cp932.h"
#include "ui/text/save_file.h"
#include "ui/text/text_items.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace roster {
namespace {

constexpr int kItemsPerEntry = 4;

// A half-width quote inside a stored value would end its item early on the next
// reading; the writer stores the full-width form, which looks the same to the user.
constexpr QChar kQuote = u'"';
constexpr QChar kSafeQuote = u'＂';

enum class Unencodable { Kept, Replaced };

// A value as the file keeps it: a half-width quote made full-width and, where asked
// for, each character without a code-page-932 form as "？" (a high surrogate takes the
// next character along, whatever it is).
QString storedText(const QString &value, Unencodable unencodable)
{
    QString text = QString(value).replace(kQuote, kSafeQuote);
    if (unencodable == Unencodable::Kept || ui::cp932::byteLength(text) >= 0)
        return text;
    QString kept;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView one = QStringView(text).sliced(i, length);
        kept += ui::cp932::byteLength(one) < 0 ? QStringView(u"？") : one;
        i += length;
    }
    return kept;
}

QString rosterText(const Roster &roster, Unencodable unencodable)
{
    QString text;
    text.reserve(400); // ten lines of short values
    for (const RosterEntry &entry : roster) {
        const std::array<QString, kItemsPerEntry> items {storedText(entry.name, unencodable),
            storedText(entry.year, unencodable), storedText(entry.month, unencodable),
            storedText(entry.day, unencodable)};
        ui::appendQuotedLine(text, items);
    }
    return text;
}

} // namespace

QString rosterFileName()
{
    return u"tamlo.dat"_s;
}

RosterResult<QByteArray> readRosterBytes(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return engine::Failure {RosterError::Missing};
    if (!file.open(QIODevice::ReadOnly))
        return engine::Failure {RosterError::Unreadable};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return engine::Failure {RosterError::Unreadable};
    return bytes;
}

bool rosterChangedSince(const QByteArray &before, const QString &path)
{
    // What is not a file fails the write itself.
    const QFileInfo now(path);
    if (!now.isFile())
        return false;
    // Another size tells without reading (a file put in its place may be large).
    if (now.size() != before.size())
        return true;
    // One that cannot be read may hold anything.
    const RosterResult<QByteArray> current = readRosterBytes(path);
    return !current || *current != before;
}

RosterResult<Roster> readRoster(const QString &path)
{
    const RosterResult<QByteArray> bytes = readRosterBytes(path);
    if (!bytes)
        return engine::Failure {bytes.error()};
    return parseRoster(*bytes);
}

RosterResult<Roster> parseRoster(QByteArrayView bytes)
{
    // Every item is found before any is converted, so that a short or malformed file
    // costs no conversion.
    ui::ItemReader reader(bytes);
    std::array<QByteArray, kItemsPerEntry * std::tuple_size_v<Roster>> items;
    for (QByteArray &item : items) {
        if (reader.atEnd())
            return engine::Failure {RosterError::Short};
        auto next = reader.next();
        if (!next)
            return engine::Failure {RosterError::Malformed};
        item = std::move(*next);
    }
    Roster roster;
    auto item = items.cbegin();
    for (RosterEntry &entry : roster) {
        for (QString *value : {&entry.name, &entry.year, &entry.month, &entry.day})
            *value = ui::cp932::decode(*item++);
    }
    return roster;
}

QByteArray rosterBytes(const Roster &roster)
{
    // The whole file converts at once, unless some value holds a character without a
    // code-page-932 form (rare: text pasted from elsewhere).
    if (auto bytes = ui::cp932::encode(rosterText(roster, Unencodable::Kept)))
        return *bytes;
    return *ui::cp932::encode(rosterText(roster, Unencodable::Replaced));
}

bool writeRoster(const Roster &roster, QIODevice &device)
{
    const QByteArray bytes = rosterBytes(roster);
    return device.write(bytes) == bytes.size();
}

RosterResult<void> writeRoster(const Roster &roster, QSaveFile &file)
{
    // A writable file in a folder that takes no new files is written in place.
    const ui::SaveResult saved = ui::saveFile(
        file, [&roster](QIODevice &device) { return ui::writeAll(device, rosterBytes(roster)); },
        ui::Fallback::InPlace);
    if (!saved)
        return engine::Failure {RosterError::WriteFailed};
    return {};
}

RosterResult<void> writeRoster(const Roster &roster, const QString &path)
{
    QSaveFile file(path);
    return writeRoster(roster, file);
}

RosterResult<void> createEmptyRoster(const QString &path)
{
    return writeRoster(Roster {}, path);
}

} // namespace roster

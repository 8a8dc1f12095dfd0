// SPDX-License-Identifier: MIT
// A save whose device fails at any byte: the previous file stays byte for byte, no
// temporary file is left behind, and the failure comes back with the device's reason
// (or the writer's own); with room for every byte the same device saves the new file.

#include "save_fault_files.h"
#include "ui/text/save_file.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using faults::FailingSaveFile;

namespace {

enum class Writer { Roster, Whole, InPieces };

const QString kWriteFailed = u"RosterError::WriteFailed"_s;

/// Saves `bytes` (the roster's own for Writer::Roster) through the file as the writer
/// does; the reason on failure.
ui::SaveResult save(Writer writer, FailingSaveFile &file, const QByteArray &bytes)
{
    switch (writer) {
    case Writer::Roster: {
        const auto written = roster::writeRoster(faults::fullRoster(u"後藤"_s), file);
        if (written)
            return {};
        return engine::Failure {
            written.error() == roster::RosterError::WriteFailed ? kWriteFailed : u"other"_s};
    }
    case Writer::Whole:
        return ui::saveFile(file, [&](QIODevice &device) { return ui::writeAll(device, bytes); });
    case Writer::InPieces:
        // As an image or PDF writer goes: many small writes.
        return ui::saveFile(file, [&](QIODevice &device) {
            for (qsizetype at = 0; at < bytes.size(); at += 7) {
                if (const ui::SaveResult piece = ui::writeAll(device, bytes.mid(at, 7)); !piece)
                    return piece;
            }
            return ui::SaveResult();
        });
    }
    return ui::SaveResult();
}

} // namespace

class TestSaveInterrupted : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void interruptedAtEveryOffset_data();
    void interruptedAtEveryOffset();
    void writersOwnReason();
};

void TestSaveInterrupted::interruptedAtEveryOffset_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<FailingSaveFile::Failure>("failure");
    QTest::addColumn<QString>("reason"); // empty: any
    const auto error = FailingSaveFile::Failure::Error;
    const auto shortWrite = FailingSaveFile::Failure::ShortWrite;
    const QString device = FailingSaveFile::kDeviceReason;
    QTest::newRow("roster, device error") << Writer::Roster << error << kWriteFailed;
    QTest::newRow("roster, short write") << Writer::Roster << shortWrite << kWriteFailed;
    QTest::newRow("bytes, device error") << Writer::Whole << error << device;
    QTest::newRow("bytes, short write") << Writer::Whole << shortWrite << QString();
    QTest::newRow("in pieces, device error") << Writer::InPieces << error << device;
    QTest::newRow("in pieces, short write") << Writer::InPieces << shortWrite << QString();
}

void TestSaveInterrupted::interruptedAtEveryOffset()
{
    QFETCH(Writer, writer);
    QFETCH(FailingSaveFile::Failure, failure);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"tamlo.dat"_s);
    QVERIFY(roster::writeRoster(faults::fullRoster(u"前田"_s), path));
    const QByteArray previous = faults::fileBytes(path);
    const QByteArray nextBytes = roster::rosterBytes(faults::fullRoster(u"後藤"_s));
    QCOMPARE(nextBytes.size(), 10 * (14 + 4 + 2 + 2 + 13));

    for (qint64 budget = 0; budget < nextBytes.size(); ++budget) {
        const QByteArray at = QByteArray::number(budget);
        FailingSaveFile file(path, budget, failure);
        const ui::SaveResult saved = save(writer, file, nextBytes);
        QVERIFY2(!saved, at);
        if (!reason.isEmpty())
            QCOMPARE(saved.error(), reason);
        QVERIFY2(faults::fileBytes(path) == previous, at);
        QCOMPARE(faults::entries(folder.path()), QStringList {u"tamlo.dat"_s});
    }
    // With room for every byte the same device saves the new file.
    FailingSaveFile file(path, nextBytes.size(), failure);
    QVERIFY(save(writer, file, nextBytes));
    QCOMPARE(faults::fileBytes(path), nextBytes);
}

void TestSaveInterrupted::writersOwnReason()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"manual.pdf"_s);
    QVERIFY(ui::saveFile(path, "before"_ba));
    const ui::SaveResult saved = ui::saveFile(path, [](QIODevice &device) -> ui::SaveResult {
        device.write("half a document");
        return engine::Failure {u"the document could not be finished"_s};
    });
    QVERIFY(!saved);
    QCOMPARE(saved.error(), u"the document could not be finished"_s);
    QCOMPARE(faults::fileBytes(path), "before"_ba);
    QCOMPARE(faults::entries(folder.path()), QStringList {u"manual.pdf"_s});
}

QTEST_GUILESS_MAIN(TestSaveInterrupted)
#include "tst_save_interrupted.moc"

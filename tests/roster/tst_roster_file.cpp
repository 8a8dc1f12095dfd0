// SPDX-License-Identifier: MIT
#include "roster/roster_file.h"
#include "ui/text/cp932.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using roster::Roster;
using roster::RosterEntry;
using roster::RosterError;

Q_DECLARE_METATYPE(Roster)
Q_DECLARE_METATYPE(RosterError)

namespace {

const QByteArray kEmptyLine = "\"\",\"\",\"\",\"\"\r\n";
// ＡＢＣ in code page 932.
const QByteArray kAbc = "\x82\x60\x82\x61\x82\x62";

QByteArray times(const QByteArray &line, int count)
{
    return line.repeated(count);
}

Roster withFirst(RosterEntry entry)
{
    Roster roster;
    roster[0] = std::move(entry);
    return roster;
}

Roster filled(const RosterEntry &entry)
{
    Roster roster;
    roster.fill(entry);
    return roster;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList values(const Roster &roster)
{
    QStringList list;
    for (const RosterEntry &e : roster)
        list << e.name << e.year << e.month << e.day;
    return list;
}

// Written, read back and written again: the same entries, and the same bytes.
void checkRoundTrip(const Roster &roster)
{
    QVERIFY(roster::writeRoster(roster));
    const QByteArray written = fileBytes(u"tamlo.dat"_s);
    const auto read = roster::readRoster();
    QVERIFY(read);
    QCOMPARE(values(*read), values(roster));
    QVERIFY(roster::writeRoster(*read));
    QCOMPARE(fileBytes(u"tamlo.dat"_s), written);
}

// A save file whose writes fail once a given number of bytes has gone through.
class FailingSaveFile : public QSaveFile
{
public:
    FailingSaveFile(const QString &name, qint64 budget)
        : QSaveFile(name)
        , m_budget(budget)
    { }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 taken = std::min(length, m_budget);
        if (taken <= 0)
            return -1;
        m_budget -= taken;
        return QSaveFile::writeData(data, taken);
    }

private:
    qint64 m_budget;
};

} // namespace

class TestRosterFile : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;
    QString m_home;

private Q_SLOTS:
    // Every case works in a fresh folder, as the program does in its own.
    void init()
    {
        m_home = QDir::currentPath();
        m_dir.emplace(m_home + u"/case-XXXXXX"_s);
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }

    void cleanup()
    {
        QDir::setCurrent(m_home);
        m_dir.reset();
    }

    void writtenBytes_data()
    {
        QTest::addColumn<Roster>("roster");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ten empty entries") << Roster {} << times(kEmptyLine, 10);
        QTest::newRow("name and birth date")
            << withFirst({u"ＡＢＣ"_s, u"1985"_s, u"4"_s, u"12"_s})
            << "\"" + kAbc + "\",\"1985\",\"4\",\"12\"\r\n" + times(kEmptyLine, 9);
        QTest::newRow("comma, colon and spaces kept")
            << withFirst({u" ＡＢＣ,Ｄ "_s, u"19:85"_s, {}, {}})
            << "\" " + kAbc + ",\x82\x63 \",\"19:85\",\"\",\"\"\r\n" + times(kEmptyLine, 9);
        QTest::newRow("half-width quote stored full-width")
            << withFirst({u"Ａ\"Ｂ"_s, u"\"1"_s, {}, {}})
            << "\"\x82\x60\xfa\x57\x82\x61\",\"\xfa\x57\x31\",\"\",\"\"\r\n" + times(kEmptyLine, 9);
        QTest::newRow("no code page 932 form")
            << withFirst({u"Ａ☃"_s, {}, {}, {}})
            << "\"\x82\x60\x81\x48\",\"\",\"\",\"\"\r\n" + times(kEmptyLine, 9);
        // A pasted line break or a NUL would split or shift the items on reading.
        QTest::newRow("CR, LF and NUL left out")
            << withFirst({u"Ａ\r\nＢ"_s, u"19"_s + QChar(u'\0') + u"85"_s, u"\r"_s, u"1\n"_s})
            << "\"\x82\x60\x82\x61\",\"1985\",\"\",\"1\"\r\n" + times(kEmptyLine, 9);
    }

    void writtenBytes()
    {
        QFETCH(Roster, roster);
        QFETCH(QByteArray, bytes);
        QVERIFY(roster::writeRoster(roster, roster::rosterFileName()));
        QCOMPARE(fileBytes(u"tamlo.dat"_s), bytes);
        QCOMPARE(roster::rosterBytes(roster), bytes);
    }

    void emptyRosterIs130Bytes()
    {
        QVERIFY(roster::createEmptyRoster());
        QCOMPARE(fileBytes(u"tamlo.dat"_s).size(), 130);
        const auto read = roster::readRoster(u"tamlo.dat"_s);
        QVERIFY(read);
        QCOMPARE(*read, Roster {});
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected"); // the first values of the roster
        const QStringList abc = {u"ＡＢＣ"_s, u"1985"_s, u"4"_s, u"12"_s};
        const QByteArray quoted = "\"" + kAbc + "\",\"1985\",\"4\",\"12\"";

        QTest::newRow("as written") << times(quoted + "\r\n", 10) << abc + abc;
        QTest::newRow("unquoted with spaces around")
            << times("  " + kAbc + " ,  1985 ,4 , 12  \r\n", 10) << abc + abc;
        QTest::newRow("LF-only lines, quoted") << times(quoted + "\n", 10) << abc + abc;
        QTest::newRow("LF-only lines, unquoted run on")
            << times(kAbc + ",1985,4,12\n", 13)
            << QStringList {u"ＡＢＣ"_s, u"1985"_s, u"4"_s, u"12\nＡＢＣ"_s, u"1985"_s, u"4"_s,
                   u"12\nＡＢＣ"_s, u"1985"_s};
        QTest::newRow("blank line shifts by one item")
            << "\"a\",\"b\",\"c\",\"d\"\r\n\r\n" + times("\"e\",\"f\",\"g\",\"h\"\r\n", 9)
            << QStringList {u"a"_s, u"b"_s, u"c"_s, u"d"_s, {}, u"e"_s, u"f"_s, u"g"_s, u"h"_s,
                   u"e"_s, u"f"_s, u"g"_s};
        QTest::newRow("eleventh line ignored") << times(quoted + "\r\n", 10) + "\"x\"\"y\"\r\n"
                                               << abc;
        QTest::newRow("NUL bytes dropped")
            << QByteArray("\0\"\x82\x60\0\x82\x61\x82\x62\"\0,1985\0,4,12\r\n", 24)
                + times(quoted + "\r\n", 9)
            << abc + abc;
        QTest::newRow("missing closing quote") << "\"" + kAbc + "   \r\n\"1985\",\"4\",\"12\"\r\n"
                + times(quoted + "\r\n", 9) << abc + abc;
        QTest::newRow("half-width quote in unquoted item") << times(
            "\x82\x60\"\x82\x61,1985,4,12\r\n", 10) << QStringList {u"Ａ\"Ｂ"_s, u"1985"_s};
        QTest::newRow("trail bytes that look like ASCII")
            << times("\"\x83\x5c\x95\x5c\x94\x5c\",\"\x83\x7c\",\"\",\"\"\r\n", 10)
            << QStringList {u"ソ表能"_s, u"ポ"_s, {}, {}};
    }

    void read()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        putFile(u"tamlo.dat"_s, file);
        const auto read = roster::readRoster(u"tamlo.dat"_s);
        QVERIFY(read);
        QCOMPARE(values(*read).mid(0, expected.size()), expected);
    }

    void readFailure_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<RosterError>("expected");
        const QByteArray line = "\"a\",\"1985\",\"4\",\"12\"\r\n";
        QTest::newRow("empty file") << QByteArray() << RosterError::Short;
        QTest::newRow("nine lines") << times(line, 9) << RosterError::Short;
        QTest::newRow("39 items") << times(line, 9) + "\"a\",\"1985\",\"4\"\r\n"
                                  << RosterError::Short;
        QTest::newRow("LF-only unquoted lines run short")
            << times("a,1985,4,12\n", 10) << RosterError::Short;
        QTest::newRow("doubled quote") << times(line, 2) + "\"a\"\"b\",\"1985\",\"4\",\"12\"\r\n"
                + times(line, 7) << RosterError::Malformed;
        QTest::newRow("quote at the end of a saved value")
            << "\"a\"\"\",\"1985\",\"4\",\"12\"\r\n" + times(line, 9) << RosterError::Malformed;
    }

    void readFailure()
    {
        QFETCH(QByteArray, file);
        QFETCH(RosterError, expected);
        putFile(u"tamlo.dat"_s, file);
        const auto read = roster::readRoster(u"tamlo.dat"_s);
        QVERIFY(!read);
        QCOMPARE(read.error(), expected);
    }

    void readMissingOrUnreadable()
    {
        const auto missing = roster::readRoster(roster::rosterFileName());
        QVERIFY(!missing);
        QCOMPARE(missing.error(), RosterError::Missing);
        QVERIFY(QDir().mkdir(u"tamlo.dat"_s));
        const auto unreadable = roster::readRoster(roster::rosterFileName());
        QVERIFY(!unreadable);
        QCOMPARE(unreadable.error(), RosterError::Unreadable);
    }

    void roundTrip_data()
    {
        QTest::addColumn<Roster>("roster");
        QTest::newRow("half-width comma in a name")
            << withFirst({u"ＡＢＣ,Ｄ"_s, u"1985"_s, u"4"_s, u"12"_s});
        QTest::newRow("spaces and colons")
            << filled({u"  山田 太郎  "_s, u" 1:9 "_s, u"0"_s, u"04"_s});
        QTest::newRow("half-width kana") << filled({u"ｱｲｳｴｵ"_s, u"ﾆｾﾝ"_s, {}, u"ｰ"_s});
    }

    void roundTrip()
    {
        QFETCH(Roster, roster);
        checkRoundTrip(roster);
    }

    // Any text without a double quote comes back unchanged, byte for byte.
    void randomRoundTrip()
    {
        QList<char16_t> pool;
        for (char16_t c = 0x20; c < 0x7f; ++c)
            pool << c;
        pool.removeAll(u'"');
        for (char16_t c = 0xff61; c <= 0xff9f; ++c)
            pool << c;
        for (char16_t c = 0x3041; c <= 0x3093; ++c)
            pool << c;
        for (char16_t c = 0x4e00; c <= 0x9fa0; c += 7)
            pool << c;
        // Only characters with one code-page-932 form that maps back to them.
        pool.removeIf([](char16_t c) {
            const auto bytes = ui::cp932::encode(QStringView(&c, 1));
            return !bytes || ui::cp932::decode(*bytes) != QStringView(&c, 1);
        });
        QVERIFY(pool.size() > 500);

        QRandomGenerator random(19850412);
        auto text = [&] {
            QString s;
            for (int n = random.bounded(8); n > 0; --n)
                s += QChar(pool[random.bounded(pool.size())]);
            return s;
        };
        for (int round = 0; round < 40; ++round) {
            Roster roster;
            for (RosterEntry &e : roster)
                e = {text(), text(), text(), text()};
            checkRoundTrip(roster);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void failedWriteKeepsPreviousFile_data()
    {
        QTest::addColumn<qint64>("budget");
        QTest::newRow("nothing written") << qint64(0);
        QTest::newRow("one byte") << qint64(1);
        QTest::newRow("first line") << qint64(13);
        QTest::newRow("all but the last byte") << qint64(129);
    }

    void failedWriteKeepsPreviousFile()
    {
        QFETCH(qint64, budget);
        const QByteArray previous
            = "\"" + kAbc + "\",\"1985\",\"4\",\"12\"\r\n" + times(kEmptyLine, 9);
        putFile(u"tamlo.dat"_s, previous);

        FailingSaveFile file(u"tamlo.dat"_s, budget);
        const auto written = roster::writeRoster(Roster {}, file);
        QVERIFY(!written);
        QCOMPARE(written.error(), RosterError::WriteFailed);
        QCOMPARE(fileBytes(u"tamlo.dat"_s), previous);
        // No temporary file is left behind.
        QCOMPARE(QDir().entryList(QDir::Files), QStringList {u"tamlo.dat"_s});
    }

    void failingDevice()
    {
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::ReadOnly)); // takes no bytes at all
        QVERIFY(!roster::writeRoster(Roster {}, static_cast<QIODevice &>(buffer)));
        QBuffer whole;
        QVERIFY(whole.open(QIODevice::WriteOnly));
        QVERIFY(roster::writeRoster(Roster {}, static_cast<QIODevice &>(whole)));
        QCOMPARE(whole.data(), times(kEmptyLine, 10));
    }

    void cannotCreate_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("no such folder") << u"no-such-folder/tamlo.dat"_s;
        QTest::newRow("name taken by a folder") << u"tamlo.dat"_s;
    }

    void cannotCreate()
    {
        QFETCH(QString, path);
        QVERIFY(QDir().mkdir(u"tamlo.dat"_s));
        const auto written = roster::writeRoster(Roster {}, path);
        QVERIFY(!written);
        QCOMPARE(written.error(), RosterError::WriteFailed);
    }
};

QTEST_GUILESS_MAIN(TestRosterFile)
#include "tst_roster_file.moc"

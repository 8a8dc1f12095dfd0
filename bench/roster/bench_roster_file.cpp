// SPDX-License-Identifier: MIT
// Reading and writing "tamlo.dat" with ten filled entries, as the roster window does
// on opening and on 選択・保存: file system included.

#include "roster/roster_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

roster::Roster filledRoster()
{
    const QString names[10]
        = {u"山田　太郎"_s, u"佐藤　花子"_s, u"鈴木　一郎"_s, u"高橋　美咲"_s, u"田中　健"_s,
            u"伊藤　さくら"_s, u"渡辺　翔太"_s, u"ＡＢＣ"_s, u"中村　陽菜"_s, u"小林　大輔"_s};
    roster::Roster roster;
    for (int i = 0; i < 10; ++i) {
        roster[size_t(i)] = {names[i], QString::number(1950 + 7 * i), QString::number(1 + i),
            QString::number(3 + 2 * i)};
    }
    return roster;
}

/// A temporary folder holding "tamlo.dat" with the filled roster.
struct RosterFolder
{
    QTemporaryDir dir;
    QString path = QDir(dir.path()).filePath(roster::rosterFileName());
    roster::Roster roster = filledRoster();

    bool write() { return roster::writeRoster(roster, path).ok(); }
};

void BM_RosterRead(benchmark::State &state)
{
    RosterFolder folder;
    if (!folder.write()) {
        state.SkipWithError("cannot write the roster file");
        return;
    }
    for (auto _ : state) {
        roster::RosterResult<roster::Roster> read = roster::readRoster(folder.path);
        if (!read || *read != folder.roster) {
            state.SkipWithError("the roster did not read back");
            break;
        }
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_RosterRead)->Unit(benchmark::kMicrosecond);

// A whole replacement: temporary file, write, rename over the old one.
void BM_RosterWrite(benchmark::State &state)
{
    RosterFolder folder;
    for (auto _ : state) {
        if (!folder.write()) {
            state.SkipWithError("cannot write the roster file");
            break;
        }
    }
}
BENCHMARK(BM_RosterWrite)->Unit(benchmark::kMicrosecond);

// Encoding and parsing alone, without the file system.
void BM_RosterBytesRoundTrip(benchmark::State &state)
{
    const roster::Roster roster = filledRoster();
    for (auto _ : state) {
        const QByteArray bytes = roster::rosterBytes(roster);
        roster::RosterResult<roster::Roster> parsed = roster::parseRoster(bytes);
        benchmark::DoNotOptimize(parsed);
    }
}
BENCHMARK(BM_RosterBytesRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

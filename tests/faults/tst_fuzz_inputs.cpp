// SPDX-License-Identifier: MIT
// Every seed of the fuzz targets and every input a fuzzer has found, run through the
// same checks as the fuzz targets, with the ordinary build (and the sanitizer build).
// Found inputs are kept in fuzz/regressions/<target>/.

#include "fuzz/fuzz_harness.h"
#include "ui/drawing/fonts.h"

#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

void addInputs(const QString &target)
{
    const QString root = QStringLiteral(QUORVEL_FUZZ_DIR);
    int count = 0;
    for (const QString &kind : {u"corpus"_s, u"regressions"_s}) {
        const QDir folder(root + u'/' + kind + u'/' + target);
        for (const QFileInfo &file : folder.entryInfoList(QDir::Files, QDir::Name)) {
            QTest::newRow(qPrintable(kind + u'/' + file.fileName())) << file.filePath();
            ++count;
        }
    }
    QVERIFY2(count > 0, qPrintable(u"no inputs for "_s + target));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFuzzInputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ui::installFontSubstitutions(); }

    void rosterReader_data()
    {
        QTest::addColumn<QString>("path");
        addInputs(u"fuzz_roster_reader"_s);
    }
    void rosterReader()
    {
        QFETCH(QString, path);
        QVERIFY(fuzz::checkRosterBytes(contents(path)));
    }

    void inputRedraw_data()
    {
        QTest::addColumn<QString>("path");
        addInputs(u"fuzz_input_redraw"_s);
    }
    void inputRedraw()
    {
        QFETCH(QString, path);
        QVERIFY(fuzz::checkInputRedraw(contents(path)));
    }

    void fieldChange_data()
    {
        QTest::addColumn<QString>("path");
        addInputs(u"fuzz_text_filter"_s);
    }
    void fieldChange()
    {
        QFETCH(QString, path);
        QVERIFY(fuzz::checkFieldChange(contents(path)));
    }
};

QTEST_MAIN(TestFuzzInputs)
#include "tst_fuzz_inputs.moc"

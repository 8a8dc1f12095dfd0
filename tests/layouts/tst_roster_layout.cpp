// SPDX-License-Identifier: MIT
#include "layout_checks.h"
#include "roster/roster_layout.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/form.h"

#include <QAbstractButton>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace ui;

namespace {

// The rows as designed: option button, name, year, month, day.
const char *const kRowNames[10][5] = {
    {"RADIO11", "EDIT6", "EDIT11", "EDIT16", "EDIT21"},
    {"RADIO12", "EDIT7", "EDIT12", "EDIT17", "EDIT22"},
    {"RADIO13", "EDIT8", "EDIT13", "EDIT18", "EDIT23"},
    {"RADIO14", "EDIT9", "EDIT14", "EDIT19", "EDIT24"},
    {"RADIO15", "EDIT10", "EDIT15", "EDIT20", "EDIT25"},
    {"RADIO16", "EDIT27", "EDIT28", "EDIT29", "EDIT30"},
    {"RADIO17", "EDIT31", "EDIT32", "EDIT33", "EDIT34"},
    {"RADIO18", "EDIT35", "EDIT36", "EDIT37", "EDIT38"},
    {"RADIO19", "EDIT39", "EDIT40", "EDIT41", "EDIT42"},
    {"RADIO20", "EDIT43", "EDIT44", "EDIT45", "EDIT46"},
};

// Fields created with a font other than 10 points.
double createdPoints(QByteArrayView name)
{
    if (name == "EDIT6" || name == "EDIT33" || name == "EDIT37")
        return 12;
    if (name == "EDIT11" || name == "EDIT27" || name == "EDIT28")
        return 14;
    return 10;
}

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

class TestRosterLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Shown first, as opening the window does.
        m_form = std::make_unique<ui::Form>(roster::rosterLayout());
        m_form->show();
        m_form->applyShownSettings();
    }

    void window()
    {
        const WindowLayout &layout = roster::rosterLayout();
        QCOMPARE(bytes(layout.name), "FORM2");
        QCOMPARE(layout.caption.toString(), u"誕生日データ"_s);
        QCOMPARE(layout.clientWidth, 434);
        QCOMPARE(layout.clientHeight, 400);
        QCOMPARE(layout.position, std::optional(QPoint(386, 308)));
        QCOMPARE(layout.background, kSilver);
    }

    void creationOrder()
    {
        QList<QByteArray> got;
        for (const auto &row : roster::rosterLayout().controls)
            got << nameOf(row);
        QCOMPARE(got,
            names({"RADIO11", "RADIO12", "RADIO13", "RADIO14", "RADIO15", "RADIO16", "RADIO17",
                "RADIO18", "RADIO19", "RADIO20", "EDIT6", "EDIT11", "EDIT16", "EDIT21", "EDIT7",
                "EDIT12", "EDIT17", "TEXT13", "TEXT15", "TEXT16", "EDIT22", "EDIT8", "EDIT13",
                "EDIT18", "EDIT23", "EDIT9", "EDIT14", "EDIT19", "EDIT24", "EDIT10", "EDIT15",
                "EDIT20", "EDIT25", "BUTTON8", "BUTTON9", "TEXT17", "EDIT27", "EDIT28", "EDIT29",
                "EDIT30", "EDIT31", "EDIT32", "EDIT33", "EDIT34", "EDIT35", "EDIT36", "EDIT37",
                "EDIT38", "EDIT39", "EDIT40", "EDIT41", "EDIT42", "EDIT43", "EDIT44", "EDIT45",
                "EDIT46"}));
    }

    void optionButton_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 1; row <= 10; ++row)
            QTest::newRow(kRowNames[row - 1][0]) << row;
    }

    void optionButton()
    {
        QFETCH(int, row);
        const QByteArray name = kRowNames[row - 1][0];
        const ControlRow *got = findControl(roster::rosterLayout(), name);
        QVERIFY(got);
        QCOMPARE(got->kind, ControlKind::OptionButton);
        // The caption is kept although the button is too narrow to show it.
        QCOMPARE(got->caption.toString(), QString::fromLatin1(name));
        QCOMPARE(QRect(got->x, got->y, got->w, got->h), QRect(16, 32 * row, 16, 24));
        QCOMPARE(got->points, 10.0);
        QCOMPARE(got->text, kBlack);
        QCOMPARE(got->back, kSilver);
        QVERIFY(!got->tabStop);
        QCOMPARE(got->groupStart, row == 1);
        QCOMPARE(got->checked, row == 1);
    }

    void field_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column"); // 1 name, 2 year, 3 month, 4 day
        for (int row = 1; row <= 10; ++row) {
            for (int column = 1; column <= 4; ++column)
                QTest::newRow(kRowNames[row - 1][column]) << row << column;
        }
    }

    void field()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        const QByteArray name = kRowNames[row - 1][column];
        const ControlRow *got = findControl(roster::rosterLayout(), name);
        QVERIFY(got);
        QCOMPARE(got->kind, ControlKind::TextField);
        QVERIFY(got->caption.isEmpty());
        const int xs[] = {40, 200, 296, 360};
        const int ws[] = {144, 80, 48, 48};
        QCOMPARE(QRect(got->x, got->y, got->w, got->h),
            QRect(xs[column - 1], 32 * row, ws[column - 1], 24));
        QCOMPARE(got->points, createdPoints(name));
        QVERIFY(!got->proportional);
        QCOMPARE(got->text, kBlue);
        QCOMPARE(got->back, kWhite);
        QCOMPARE(got->border, Border::Sunken);
        QVERIFY(got->tabStop);
        QVERIFY(!got->noScroll);
        QVERIFY(!got->checked);
        switch (column) {
        case 1:
            QCOMPARE(got->align, Align::Centre);
            QCOMPARE(got->maxBytes, 14);
            QCOMPARE(got->inputMethod, InputMethod::On);
            break;
        case 2:
            QCOMPARE(got->align, Align::Right);
            QCOMPARE(got->maxBytes, 4);
            QCOMPARE(got->inputMethod, InputMethod::AlnumFull);
            break;
        default:
            QCOMPARE(got->align, Align::Right);
            QCOMPARE(got->maxBytes, 2);
            QCOMPARE(
                got->inputMethod, row == 2 || row == 7 ? InputMethod::Off : InputMethod::AlnumFull);
        }
    }

    void labelOrButton_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<uint>("text");
        QTest::addColumn<int>("align");
        QTest::addColumn<bool>("tabStop");
        const int label = int(ControlKind::Label);
        const int button = int(ControlKind::PushButton);
        QTest::newRow("TEXT13") << QByteArray("TEXT13") << label << u"　氏　名"_s
                                << QRect(56, 8, 120, 24) << true << kBlue << int(Align::Left)
                                << false;
        QTest::newRow("TEXT15") << QByteArray("TEXT15") << label << u"【月】"_s
                                << QRect(288, 8, 64, 24) << false << kBlue << int(Align::Centre)
                                << false;
        QTest::newRow("TEXT16") << QByteArray("TEXT16") << label << u"【日】"_s
                                << QRect(352, 8, 64, 24) << false << kBlue << int(Align::Centre)
                                << false;
        QTest::newRow("TEXT17") << QByteArray("TEXT17") << label << u"西暦【年】"_s
                                << QRect(200, 8, 88, 24) << false << kBlue << int(Align::Left)
                                << false;
        QTest::newRow("BUTTON8") << QByteArray("BUTTON8") << button << u"クリア"_s
                                 << QRect(40, 352, 144, 32) << false << kBlack << -1 << false;

        QTest::newRow("BUTTON9") << QByteArray("BUTTON9") << button << u"選択・保存"_s
                                 << QRect(200, 352, 200, 32) << false << kBlack << -1 << true;
    }

    void labelOrButton()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(bool, bold);
        QFETCH(uint, text);
        QFETCH(int, align);
        QFETCH(bool, tabStop);
        const ControlRow *got = findControl(roster::rosterLayout(), name);
        QVERIFY(got);
        QCOMPARE(int(got->kind), kind);
        QCOMPARE(got->caption.toString(), caption);
        QCOMPARE(QRect(got->x, got->y, got->w, got->h), geometry);
        QCOMPARE(got->points, 10.0);
        QVERIFY(!got->proportional);
        QCOMPARE(got->bold, bold);
        QCOMPARE(got->text, QRgb(text));
        QCOMPARE(got->back, kSilver);
        if (align >= 0)
            QCOMPARE(int(got->align), align);
        QCOMPARE(got->border, Border::None);
        QCOMPARE(got->tabStop, tabStop);
    }

    void tabOrderFollowsCreation()
    {
        QCOMPARE(tabOrder(roster::rosterLayout()),
            names({"EDIT6", "EDIT11", "EDIT16", "EDIT21", "EDIT7", "EDIT12", "EDIT17", "EDIT22",
                "EDIT8", "EDIT13", "EDIT18", "EDIT23", "EDIT9", "EDIT14", "EDIT19", "EDIT24",
                "EDIT10", "EDIT15", "EDIT20", "EDIT25", "BUTTON9", "EDIT27", "EDIT28", "EDIT29",
                "EDIT30", "EDIT31", "EDIT32", "EDIT33", "EDIT34", "EDIT35", "EDIT36", "EDIT37",
                "EDIT38", "EDIT39", "EDIT40", "EDIT41", "EDIT42", "EDIT43", "EDIT44", "EDIT45",
                "EDIT46"}));
    }

    void oneGroupOfTenOptions()
    {
        const auto groups = optionGroups(roster::rosterLayout());
        QCOMPARE(groups.size(), 1);
        QCOMPARE(groups[0].size(), 10);
    }

    void rows_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 1; row <= 10; ++row)
            QTest::addRow("row %d", row) << row;
    }

    // The controls each row's entry and each command work through.
    void rows()
    {
        QFETCH(int, row);
        const roster::RosterControls controls(*m_form);
        const roster::RosterRowControls &got = controls.rows[size_t(row - 1)];
        const char *const *want = kRowNames[row - 1];
        QCOMPARE(got.option->objectName(), QLatin1String(want[0]));
        QCOMPARE(got.name->objectName(), QLatin1String(want[1]));
        QCOMPARE(got.year->objectName(), QLatin1String(want[2]));
        QCOMPARE(got.month->objectName(), QLatin1String(want[3]));
        QCOMPARE(got.day->objectName(), QLatin1String(want[4]));
    }

    void buttons()
    {
        const roster::RosterControls controls(*m_form);
        QCOMPARE(controls.clearRow.objectName(), u"BUTTON8"_s);
        QCOMPARE(controls.saveAndPick.objectName(), u"BUTTON9"_s);
    }

    // Once shown, the option buttons of rows 6–10 take 14 pixels, every field 18 and
    // both buttons 16; the rest keep their points.
    void shownFonts()
    {
        QList<QByteArray> sized = names({"RADIO16", "RADIO17", "RADIO18", "RADIO19", "RADIO20"});
        for (int number = 6; number <= 46; ++number) {
            if (number != 26) // EDIT26 is the main window's name field
                sized << "EDIT" + QByteArray::number(number);
        }
        sized << "BUTTON8"
              << "BUTTON9";

        for (QWidget *control : m_form->controls()) {
            const QByteArray name = control->objectName().toLatin1();
            const ControlRow *row = findControl(roster::rosterLayout(), name);
            QVERIFY2(row, name.constData());
            const int pixels = !sized.contains(name)     ? -1
                : row->kind == ControlKind::OptionButton ? 14
                : row->kind == ControlKind::TextField    ? 18
                                                         : 16;
            QVERIFY2(control->font().pixelSize() == pixels, name.constData());
            if (pixels < 0)
                QCOMPARE(control->font().pointSizeF(), row->points);
        }
        QCOMPARE(m_form->controls().size(), roster::rosterLayout().controls.size());
    }

private:
    std::unique_ptr<ui::Form> m_form;
};

QTEST_MAIN(TestRosterLayout)
#include "tst_roster_layout.moc"

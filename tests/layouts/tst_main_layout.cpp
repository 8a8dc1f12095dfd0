// SPDX-License-Identifier: MIT
#include "app/main_layout.h"
#include "layout_checks.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace ui;

namespace {

constexpr auto Field = ControlKind::TextField;
constexpr auto Label = ControlKind::Label;
constexpr auto Option = ControlKind::OptionButton;
constexpr auto Button = ControlKind::PushButton;
constexpr auto L = Align::Left;
constexpr auto R = Align::Right;
constexpr auto NoEdge = Border::None;
constexpr auto Flat = Border::Flat;
constexpr auto Sunk = Border::Sunken;
constexpr auto ImUnset = InputMethod::Unset;
constexpr auto ImOn = InputMethod::On;
constexpr auto ImOff = InputMethod::Off;
constexpr auto ImAlnum = InputMethod::AlnumFull;
constexpr bool Y = true;
constexpr bool N = false;

// The window's controls as designed, every property spelt out, in creation order:
// name, kind, caption, x, y, w, h, points, proportional, bold, text, back, align,
// border, tab stop, bytes, input method, group start, checked, no scroll, handler.
// clang-format off
const ControlRow kExpected[] = {
    {"EDIT1", Field, u"", 368, 56, 56, 24, 10, N, N, kNavy, kWhite, R, Flat, Y, 4, ImAlnum, N, N, N, ""},
    {"EDIT2", Field, u"", 456, 56, 40, 24, 10, N, N, kNavy, kWhite, R, Sunk, Y, 32767, ImOff, N, N, N, ""},
    {"EDIT3", Field, u"", 528, 56, 40, 24, 10, N, N, kNavy, kWhite, R, Sunk, Y, 32767, ImAlnum, N, N, N, ""},
    {"TEXT2", Label, u"誕生日", 312, 64, 56, 16, 9, N, N, kNavy, kSilver, R, NoEdge, N, 0, ImUnset, N, N, N, ""},
    {"TEXT3", Label, u"年", 432, 64, 16, 16, 10, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, ""},
    {"TEXT4", Label, u"月", 504, 64, 16, 16, 10, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, ""},
    {"TEXT5", Label, u"日", 576, 64, 16, 16, 10, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, ""},
    {"RADIO1", Option, u"西暦", 320, 40, 48, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, Y, Y, N, "RADIO1_ON"},
    {"RADIO2", Option, u"平成", 432, 40, 56, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "RADIO2_ON"},
    {"RADIO3", Option, u"昭和", 488, 40, 48, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "RADIO3_ON"},
    {"RADIO4", Option, u"大正", 544, 40, 48, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "RADIO4_ON"},
    {"RADIO5", Option, u"令和", 376, 40, 56, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "RADIO5_ON"},
    {"RADIO6", Option, u"西暦", 320, 88, 56, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, Y, Y, N, "RADIO6_ON"},
    {"RADIO7", Option, u"平成", 432, 88, 56, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "RADIO7_ON"},
    {"RADIO8", Option, u"昭和", 488, 88, 48, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "RADIO8_ON"},
    {"RADIO9", Option, u"大正", 544, 88, 48, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "RADIO9_ON"},
    {"RADIO10", Option, u"令和", 376, 88, 48, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "RADIO10_ON"},
    {"EDIT4", Field, u"", 368, 104, 56, 24, 10, N, N, kBlue, kWhite, R, Sunk, Y, 32767, ImOff, N, N, N, ""},
    {"EDIT5", Field, u"", 456, 104, 40, 24, 10, N, N, kBlue, kWhite, R, Sunk, Y, 32767, ImOff, N, N, N, ""},
    {"BUTTON15", Button, u"C", 536, 104, 24, 24, 9, Y, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N, "BUTTON15_ON"},
    {"TEXT1", Label, u"表示", 328, 112, 32, 16, 9, N, N, kBlue, kSilver, R, NoEdge, N, 0, ImUnset, N, N, N, ""},
    {"TEXT6", Label, u"年", 432, 112, 16, 16, 10, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, ""},
    {"TEXT7", Label, u"月", 504, 112, 24, 16, 10, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, ""},
    {"BUTTON1", Button, u"表示", 232, 56, 80, 48, 10, N, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N, "BUTTON1_ON"},
    {"BUTTON2", Button, u"<<前月", 8, 56, 80, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "BUTTON2_ON"},
    {"BUTTON3", Button, u"翌月>>", 152, 56, 80, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "BUTTON3_ON"},
    {"BUTTON4", Button, u"終了", 248, 8, 64, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "BUTTON4_ON"},
    {"BUTTON5", Button, u"クリア", 120, 8, 64, 48, 8, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "BUTTON5_ON"},
    {"BUTTON10", Button, u"誕生日データ", 8, 8, 112, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "BUTTON10_ON"},
    {"EDIT26", Field, u"", 368, 8, 152, 24, 10, N, N, kBlue, kWhite, L, Sunk, N, 20, ImOn, N, N, Y, ""},
    {"BUTTON11", Button, u"ヘルプ", 184, 8, 64, 48, 9, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "BUTTON11_ON"},
    {"TEXT14", Label, u"氏名", 312, 16, 48, 16, 9, N, N, kBlue, kSilver, R, NoEdge, N, 0, ImUnset, N, N, N, ""},
    {"BUTTON12", Button, u"今月", 88, 56, 64, 48, 9, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N, "BUTTON12_ON"},
    {"BUTTON13", Button, u"C", 536, 8, 24, 24, 9, Y, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N, "BUTTON13_ON"},
    {"BUTTON14", Button, u"C", 600, 56, 24, 24, 9, Y, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N, "BUTTON14_ON"},
};
// clang-format on

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

class TestMainLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void window()
    {
        const WindowLayout &layout = app::mainLayout();
        QCOMPARE(bytes(layout.name), "MAINFORM");
        QCOMPARE(layout.caption.toString(), u"Quorvel 3.7"_s);
        QCOMPARE(layout.clientWidth, 634);
        QCOMPARE(layout.clientHeight, 476);
        QVERIFY(!layout.position); // centred
        QCOMPARE(layout.background, kSilver);
        QCOMPARE(layout.controls.size(), std::size(kExpected));
    }

    void control_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kExpected)); ++i)
            QTest::newRow(kExpected[i].name.data()) << i;
    }

    void control()
    {
        QFETCH(int, index);
        const ControlRow &want = kExpected[index];
        const auto controls = app::mainLayout().controls;
        QVERIFY(size_t(index) < controls.size());
        const ControlRow &got = controls[size_t(index)];
        QCOMPARE(bytes(got.name), bytes(want.name)); // creation order
        QCOMPARE(got.kind, want.kind);
        QCOMPARE(got.caption.toString(), want.caption.toString());
        QCOMPARE(QRect(got.x, got.y, got.w, got.h), QRect(want.x, want.y, want.w, want.h));
        QCOMPARE(got.points, want.points);
        QCOMPARE(got.proportional, want.proportional);
        QCOMPARE(got.bold, want.bold);
        QCOMPARE(got.text, want.text);
        QCOMPARE(got.back, want.back);
        // Alignment is only designed for fields and labels.
        if (got.kind == Field || got.kind == Label)
            QCOMPARE(got.align, want.align);
        QCOMPARE(got.border, want.border);
        QCOMPARE(got.tabStop, want.tabStop);
        QCOMPARE(got.maxBytes, want.maxBytes);
        QCOMPARE(got.inputMethod, want.inputMethod);
        if (got.kind == Option)
            QCOMPARE(got.groupStart, want.groupStart);
        QCOMPARE(got.checked, want.checked);
        QCOMPARE(got.noScroll, want.noScroll);
        QCOMPARE(bytes(got.handler), bytes(want.handler));
    }

    void tabOrderFollowsCreation()
    {
        QCOMPARE(tabOrder(app::mainLayout()),
            names({"EDIT1", "EDIT2", "EDIT3", "EDIT4", "EDIT5", "BUTTON15", "BUTTON1", "BUTTON13",
                "BUTTON14"}));
    }

    void eraGroupsAreSeparate()
    {
        const auto groups = optionGroups(app::mainLayout());
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups[0], names({"RADIO1", "RADIO2", "RADIO3", "RADIO4", "RADIO5"}));
        QCOMPARE(groups[1], names({"RADIO6", "RADIO7", "RADIO8", "RADIO9", "RADIO10"}));
        for (const auto &group : groups) {
            int checked = 0;
            for (const auto &name : group)
                checked += findControl(app::mainLayout(), name)->checked ? 1 : 0;
            QCOMPARE(checked, 1);
        }
    }

    void namesAreUniqueWithoutCase()
    {
        const WindowLayout &layout = app::mainLayout();
        for (const auto &row : layout.controls)
            QCOMPARE(findControl(layout, nameOf(row).toLower()), &row);
    }

    void startupSetting_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<int>("pixels");
        const struct
        {
            const char *name;
            int maxBytes, pixels;
        } rows[] = {
            {"EDIT1", 4, 18},
            {"EDIT2", 2, 18},
            {"EDIT3", 2, 18},
            {"EDIT4", 4, 18},
            {"EDIT5", 2, 18},
            {"EDIT26", 14, 18},
            {"RADIO1", 0, 14},
            {"RADIO2", 0, 14},
            {"RADIO3", 0, 14},
            {"RADIO4", 0, 14},
            {"RADIO5", 0, 14},
            {"RADIO6", 0, 14},
            {"RADIO7", 0, 14},
            {"RADIO8", 0, 14},
            {"RADIO9", 0, 14},
            {"RADIO10", 0, 14},
            {"BUTTON1", 0, 16},
            {"BUTTON2", 0, 16},
            {"BUTTON3", 0, 16},
            {"BUTTON4", 0, 16},
            {"BUTTON5", 0, 16},
            {"BUTTON10", 0, 16},
            {"BUTTON11", 0, 16},
            {"BUTTON12", 0, 16},
            {"BUTTON13", 0, 16},
            {"BUTTON14", 0, 16},
            {"BUTTON15", 0, 16},
            {"TEXT1", 0, 14},
            {"TEXT2", 0, 14},
            {"TEXT3", 0, 14},
            {"TEXT4", 0, 14},
            {"TEXT5", 0, 14},
            {"TEXT6", 0, 14},
            {"TEXT7", 0, 14},
            {"TEXT14", 0, 14},
        };
        QCOMPARE(app::startupSettings().size(), std::size(rows));
        int position = 0;
        for (const auto &row : rows) {
            QTest::addRow("%d %s", position, row.name)
                << position << QByteArray(row.name) << row.maxBytes << row.pixels;
            ++position;
        }
    }

    void startupSetting()
    {
        QFETCH(int, position);
        QFETCH(QByteArray, name);
        QFETCH(int, maxBytes);
        QFETCH(int, pixels);
        const app::StartupSetting &got = app::startupSettings()[size_t(position)];
        QCOMPARE(bytes(got.name), name);
        QCOMPARE(got.maxBytes, maxBytes);
        QCOMPARE(got.pixels, pixels);
        // Only fields take a limit, and every setting names a control of the window.
        const ControlRow *control = findControl(app::mainLayout(), name);
        QVERIFY(control);
        QCOMPARE(got.maxBytes > 0, control->kind == Field);
    }
};

QTEST_GUILESS_MAIN(TestMainLayout)
#include "tst_main_layout.moc"

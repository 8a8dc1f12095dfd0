// SPDX-License-Identifier: MIT
#include "app/main_layout.h"
#include "layout_checks.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/form.h"

#include <QAbstractButton>
#include <QtTest>
#include <map>
#include <memory>

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
// border, tab stop, bytes, input method, group start, checked, no scroll.
// clang-format off
const ControlRow kExpected[] = {
    {"EDIT1", Field, u"", 368, 56, 56, 24, 10, N, N, kNavy, kWhite, R, Flat, Y, 4, ImAlnum, N, N, N},
    {"EDIT2", Field, u"", 456, 56, 40, 24, 10, N, N, kNavy, kWhite, R, Sunk, Y, 32767, ImOff, N, N, N},
    {"EDIT3", Field, u"", 528, 56, 40, 24, 10, N, N, kNavy, kWhite, R, Sunk, Y, 32767, ImAlnum, N, N, N},
    {"TEXT2", Label, u"誕生日", 312, 64, 56, 16, 9, N, N, kNavy, kSilver, R, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT3", Label, u"年", 432, 64, 16, 16, 10, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT4", Label, u"月", 504, 64, 16, 16, 10, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT5", Label, u"日", 576, 64, 16, 16, 10, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO1", Option, u"西暦", 320, 40, 48, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, Y, Y, N},
    {"RADIO2", Option, u"平成", 432, 40, 56, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO3", Option, u"昭和", 488, 40, 48, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO4", Option, u"大正", 544, 40, 48, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO5", Option, u"令和", 376, 40, 56, 16, 9, N, N, kNavy, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO6", Option, u"西暦", 320, 88, 56, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, Y, Y, N},
    {"RADIO7", Option, u"平成", 432, 88, 56, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO8", Option, u"昭和", 488, 88, 48, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO9", Option, u"大正", 544, 88, 48, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"RADIO10", Option, u"令和", 376, 88, 48, 16, 9, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"EDIT4", Field, u"", 368, 104, 56, 24, 10, N, N, kBlue, kWhite, R, Sunk, Y, 32767, ImOff, N, N, N},
    {"EDIT5", Field, u"", 456, 104, 40, 24, 10, N, N, kBlue, kWhite, R, Sunk, Y, 32767, ImOff, N, N, N},
    {"BUTTON15", Button, u"C", 536, 104, 24, 24, 9, Y, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N},
    {"TEXT1", Label, u"表示", 328, 112, 32, 16, 9, N, N, kBlue, kSilver, R, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT6", Label, u"年", 432, 112, 16, 16, 10, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT7", Label, u"月", 504, 112, 24, 16, 10, N, N, kBlue, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON1", Button, u"表示", 232, 56, 80, 48, 10, N, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N},
    {"BUTTON2", Button, u"<<前月", 8, 56, 80, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON3", Button, u"翌月>>", 152, 56, 80, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON4", Button, u"終了", 248, 8, 64, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON5", Button, u"クリア", 120, 8, 64, 48, 8, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON10", Button, u"誕生日データ", 8, 8, 112, 48, 10, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"EDIT26", Field, u"", 368, 8, 152, 24, 10, N, N, kBlue, kWhite, L, Sunk, N, 20, ImOn, N, N, Y},
    {"BUTTON11", Button, u"ヘルプ", 184, 8, 64, 48, 9, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"TEXT14", Label, u"氏名", 312, 16, 48, 16, 9, N, N, kBlue, kSilver, R, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON12", Button, u"今月", 88, 56, 64, 48, 9, N, N, kBlack, kSilver, L, NoEdge, N, 0, ImUnset, N, N, N},
    {"BUTTON13", Button, u"C", 536, 8, 24, 24, 9, Y, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N},
    {"BUTTON14", Button, u"C", 600, 56, 24, 24, 9, Y, N, kBlack, kSilver, L, NoEdge, Y, 0, ImUnset, N, N, N},
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
    void initTestCase()
    {
        // Shown first, as start-up does.
        m_form = std::make_unique<ui::Form>(app::mainLayout(), /*withSurface=*/true);
        m_form->show();
        m_form->applyShownSettings();
    }

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

    // What start-up puts in force once the window is shown: every control's character
    // height, and the fields' limits.
    void shownSetting_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<int>("pixels");
        const struct
        {
            const char16_t *name;
            int maxBytes, pixels;
        } rows[] = {
            {u"EDIT1", 4, 18},
            {u"EDIT2", 2, 18},
            {u"EDIT3", 2, 18},
            {u"EDIT4", 4, 18},
            {u"EDIT5", 2, 18},
            {u"EDIT26", 14, 18},
            {u"RADIO1", 0, 14},
            {u"RADIO2", 0, 14},
            {u"RADIO3", 0, 14},
            {u"RADIO4", 0, 14},
            {u"RADIO5", 0, 14},
            {u"RADIO6", 0, 14},
            {u"RADIO7", 0, 14},
            {u"RADIO8", 0, 14},
            {u"RADIO9", 0, 14},
            {u"RADIO10", 0, 14},
            {u"BUTTON1", 0, 16},
            {u"BUTTON2", 0, 16},
            {u"BUTTON3", 0, 16},
            {u"BUTTON4", 0, 16},
            {u"BUTTON5", 0, 16},
            {u"BUTTON10", 0, 16},
            {u"BUTTON11", 0, 16},
            {u"BUTTON12", 0, 16},
            {u"BUTTON13", 0, 16},
            {u"BUTTON14", 0, 16},
            {u"BUTTON15", 0, 16},
            {u"TEXT1", 0, 14},
            {u"TEXT2", 0, 14},
            {u"TEXT3", 0, 14},
            {u"TEXT4", 0, 14},
            {u"TEXT5", 0, 14},
            {u"TEXT6", 0, 14},
            {u"TEXT7", 0, 14},
            {u"TEXT14", 0, 14},
        };
        // Every control of the window has its setting.
        QCOMPARE(std::size(rows), app::mainLayout().controls.size());
        for (const auto &row : rows) {
            const QString name = QString::fromUtf16(row.name);
            QTest::newRow(qPrintable(name)) << name << row.maxBytes << row.pixels;
        }
    }

    void shownSetting()
    {
        QFETCH(QString, name);
        QFETCH(int, maxBytes);
        QFETCH(int, pixels);
        QWidget *control = m_form->control(name);
        QVERIFY(control);
        QCOMPARE(control->font().pixelSize(), pixels);
        if (ui::ByteLimitedEdit *field = m_form->textField(name))
            QCOMPARE(field->maxBytes(), maxBytes);
    }

    // The controls each command works through.
    void command_data()
    {
        QTest::addColumn<QString>("handle");
        QTest::addColumn<QString>("name");
        const auto add = [](const char *handle, const char16_t *name) {
            QTest::newRow(handle) << QString::fromLatin1(handle) << QString::fromUtf16(name);
        };
        add("birthYear", u"EDIT1");
        add("birthMonth", u"EDIT2");
        add("birthDay", u"EDIT3");
        add("shownYear", u"EDIT4");
        add("shownMonth", u"EDIT5");
        add("name", u"EDIT26");
        add("show", u"BUTTON1");
        add("previousMonth", u"BUTTON2");
        add("nextMonth", u"BUTTON3");
        add("quit", u"BUTTON4");
        add("clearAll", u"BUTTON5");
        add("roster", u"BUTTON10");
        add("manual", u"BUTTON11");
        add("thisMonth", u"BUTTON12");
        add("clearName", u"BUTTON13");
        add("clearBirth", u"BUTTON14");
        add("clearMonth", u"BUTTON15");
        for (int i = 0; i < engine::kEraCount; ++i) {
            QTest::addRow("birthEras[%d]", i)
                << u"birthEras"_s + QString::number(i) << u"RADIO"_s + QString::number(1 + i);
            QTest::addRow("shownEras[%d]", i)
                << u"shownEras"_s + QString::number(i) << u"RADIO"_s + QString::number(6 + i);
        }
        add("field(BirthYear)", u"EDIT1");
        add("field(BirthMonth)", u"EDIT2");
        add("field(BirthDay)", u"EDIT3");
        add("field(ShownYear)", u"EDIT4");
        add("field(ShownMonth)", u"EDIT5");
        add("field(None)", u"");
    }

    void command()
    {
        QFETCH(QString, handle);
        QFETCH(QString, name);
        const app::MainControls c(*m_form);
        using engine::Field;
        const std::map<QString, QWidget *> handles {{u"birthYear"_s, &c.birthYear},
            {u"birthMonth"_s, &c.birthMonth}, {u"birthDay"_s, &c.birthDay},
            {u"shownYear"_s, &c.shownYear}, {u"shownMonth"_s, &c.shownMonth}, {u"name"_s, &c.name},
            {u"show"_s, &c.show}, {u"previousMonth"_s, &c.previousMonth},
            {u"nextMonth"_s, &c.nextMonth}, {u"quit"_s, &c.quit}, {u"clearAll"_s, &c.clearAll},
            {u"roster"_s, &c.roster}, {u"manual"_s, &c.manual}, {u"thisMonth"_s, &c.thisMonth},
            {u"clearName"_s, &c.clearName}, {u"clearBirth"_s, &c.clearBirth},
            {u"clearMonth"_s, &c.clearMonth}, {u"field(BirthYear)"_s, c.field(Field::BirthYear)},
            {u"field(BirthMonth)"_s, c.field(Field::BirthMonth)},
            {u"field(BirthDay)"_s, c.field(Field::BirthDay)},
            {u"field(ShownYear)"_s, c.field(Field::ShownYear)},
            {u"field(ShownMonth)"_s, c.field(Field::ShownMonth)},
            {u"field(None)"_s, c.field(Field::None)}};
        QWidget *control = nullptr;
        if (handle.startsWith(u"birthEras"))
            control = c.birthEras[size_t(handle.back().digitValue())];
        else if (handle.startsWith(u"shownEras"))
            control = c.shownEras[size_t(handle.back().digitValue())];
        else
            control = handles.at(handle);
        QCOMPARE(control ? control->objectName() : QString(), name);
    }

private:
    std::unique_ptr<ui::Form> m_form;
};

QTEST_MAIN(TestMainLayout)
#include "tst_main_layout.moc"

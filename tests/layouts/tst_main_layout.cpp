// SPDX-License-Identifier: MIT
#include "app/main_layout.h"
#include "layout_checks.h"
#include "main_design.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/form.h"

#include <QAbstractButton>
#include <QtTest>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;
using namespace ui;

namespace {

using namespace main_design;

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
        QCOMPARE(layout.controls.size(), std::size(kDesign));
    }

    void control_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kDesign)); ++i)
            QTest::newRow(kDesign[i].name.data()) << i;
    }

    void control()
    {
        QFETCH(int, index);
        const ControlRow &want = kDesign[index];
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

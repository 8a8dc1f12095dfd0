// SPDX-License-Identifier: MIT
#include "soak_driver.h"

#include "app/failure.h"
#include "roster/roster_file.h"
#include "roster/roster_layout.h"
#include "roster/roster_window.h"
#include "soak_fields.h"
#include "ui/drawing/fonts.h"
#include "ui/text/clock.h"
#include "ui/text/cp932.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/form.h"
#include "ui/widgets/message_box.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <array>

using namespace Qt::StringLiterals;

namespace soak {

namespace {

// The kind of value each main field takes, for plausible typing.
const std::array<std::string_view, 6> kMainKinds {"year", "month", "day", "year", "month", "name"};

const QString kBackspace = u"\b"_s;

// Keys a user may press: digits more often than anything else, and characters that
// code page 932 cannot hold or a field refuses, which must change nothing.
const QStringList kKeys {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s,
    u"9"_s, u"1"_s, u"2"_s, u"9"_s, u"."_s, u"-"_s, u" "_s, u"a"_s, u"Ｚ"_s, u"１"_s, u"山"_s,
    u"ｱ"_s, u"\""_s, u","_s, u"😀"_s, u"~"_s, u"＂"_s};

const QStringList kNames {u"山田　太郎"_s, u"ＡＢＣ"_s, u"ｱｲｳ"_s, u"a,b"_s, u"名前"_s,
    u"長い長い長い名前です"_s, u"x"_s, u"鈴木"_s};

void click(QWidget *widget)
{
    // Option buttons are hit on their circle, push buttons in the middle.
    const bool option = widget->inherits("QRadioButton");
    const QPoint at(option ? 8 : widget->width() / 2, widget->height() / 2);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

roster::Roster startingRoster(QDate today)
{
    roster::Roster start;
    start[0] = {u"山田　太郎"_s, u"1985"_s, u"4"_s, u"12"_s};
    // Born on today's day: the chart greets this person.
    start[1]
        = {u"誕生日"_s, u"1990"_s, QString::number(today.month()), QString::number(today.day())};
    start[2] = {u"ｱｲｳ"_s, u"64"_s, u"1"_s, u"7"_s};
    start[4] = {u"古い人"_s, u"1"_s, u"1"_s, u"1"_s};
    return start;
}

} // namespace

SoakDriver::SoakDriver(unsigned seed, QDate today)
    : m_random(seed)
    , m_today(today)
{
    ui::installFontSubstitutions();
    ui::Clock::setToday(today);
    ui::MessageBox::resetForTest();
    app::setProgramEnding([this](int code) { m_ended = code; });
    const roster::Roster start = startingRoster(today);
    m_expectedFile = roster::rosterBytes(start);
    QFile::remove(roster::rosterFileName());
    if (!roster::writeRoster(start))
        m_failure = u"cannot write the first tamlo.dat"_s;
    startWindow();
}

SoakDriver::~SoakDriver()
{
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app::setProgramEnding({});
    ui::Clock::setToday(std::nullopt);
}

void SoakDriver::startWindow()
{
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_overLimit.clear();
    m_window = std::make_unique<app::MainWindow>();
    QObject::connect(m_window.get(), &app::MainWindow::chartDrawn, m_window.get(),
        [this](const chart::ChartInput &snapshot) {
            m_picture.kind = ExpectedPicture::Kind::Chart;
            m_picture.input = snapshot;
            m_pictureChanged = true;
            ++m_counts.charts;
        });
    // Start-up whitens the chart area once.
    m_picture.kind = ExpectedPicture::Kind::FirstPass;
    m_pictureChanged = true;
    m_window->start();
}

bool SoakDriver::step()
{
    if (!m_failure.isEmpty())
        return false;
    ++m_counts.actions;
    m_stepped = false;
    chooseAndRun();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return check();
}

void SoakDriver::note(const QString &action)
{
    m_recent.push_back(QString::number(m_counts.actions) + u": "_s + action);
    if (m_recent.size() > 30)
        m_recent.pop_front();
}

void SoakDriver::chooseAndRun()
{
    if (m_window->roster().isOpen() && chance(35)) {
        rosterAction();
        return;
    }
    const int r = below(100);
    if (r < 8) {
        clickMain(u"BUTTON1"); // 表示
    } else if (r < 20) {
        m_stepped = true;
        clickMain(chance(50) ? u"BUTTON2" : u"BUTTON3"); // <<前月, 翌月>>
    } else if (r < 24) {
        clickMain(u"BUTTON12"); // 今月
    } else if (r < 36) {
        clickMain(QString(u"RADIO"_s + QString::number(1 + below(10))));
    } else if (r < 62) {
        typeIntoMain();
    } else if (r < 72) {
        enterWholeInput();
    } else if (r < 77) {
        clickMain(QString(u"BUTTON"_s + QString::number(13 + below(3)))); // the "C" buttons
    } else if (r < 81) {
        askAndAnswer(u"BUTTON5", chance(60)); // クリア
    } else if (r < 83) {
        askAndAnswer(u"BUTTON4", chance(35)); // 終了
    } else {
        clickMain(u"BUTTON10"); // 誕生日データ
    }
}

void SoakDriver::clickMain(QStringView name)
{
    note(u"click "_s + name);
    QWidget *widget = m_window->form().control(name);
    if (!widget) {
        fail(u"no control "_s + name);
        return;
    }
    click(widget);
}

void SoakDriver::askAndAnswer(QStringView button, bool ok)
{
    ui::MessageBox::setNextAnswer(ok ? ui::MessageBox::Answer::Ok : ui::MessageBox::Answer::Cancel);
    clickMain(button);
    note(ok ? u"  answered OK"_s : u"  answered Cancel"_s);
    if (ui::MessageBox::hasNextAnswer()) {
        fail(u"no question was asked"_s);
        return;
    }
    if (button == u"BUTTON5" && ok) {
        m_picture.kind = ExpectedPicture::Kind::Cleared;
        m_pictureChanged = true;
    }
    if (button == u"BUTTON4") {
        if (ok != m_ended.has_value() || (ok && *m_ended != EXIT_SUCCESS)) {
            fail(ok ? u"終了 with OK did not end the program"_s : u"終了 with Cancel ended it"_s);
            return;
        }
        if (ok) {
            // The program is over; the soak goes on with a new one.
            m_ended.reset();
            ++m_counts.ends;
            startWindow();
        }
    }
}

void SoakDriver::typeIntoMain()
{
    const int index = below(int(kMainFields.size()));
    QWidget *field = m_window->form().control(kMainFields[std::size_t(index)]);
    const int mode = below(100);
    if (mode < 40) {
        const QStringList keys = randomKeys(1 + below(4));
        note(u"type into "_s + kMainFields[std::size_t(index)] + u": "_s + keys.join(u'|'));
        typeKeys(field, keys);
    } else if (mode < 55) {
        note(u"backspace in "_s + kMainFields[std::size_t(index)]);
        typeKeys(field, QStringList(1 + below(3), kBackspace));
    } else {
        const QString value = plausible(kMainKinds[std::size_t(index)]);
        note(u"retype "_s + kMainFields[std::size_t(index)] + u": "_s + value);
        replaceText(field, value);
    }
}

void SoakDriver::rosterAction()
{
    ui::Form &form = *m_window->roster().form();
    const int r = below(100);
    if (r < 45) {
        typeIntoRoster();
    } else if (r < 60) {
        const QString option = u"RADIO"_s + QString::number(11 + below(10));
        note(u"roster: pick "_s + option);
        click(form.control(option));
    } else if (r < 72) {
        const bool ok = chance(40);
        ui::MessageBox::setNextAnswer(
            ok ? ui::MessageBox::Answer::Ok : ui::MessageBox::Answer::Cancel);
        note(ok ? u"roster: クリア, OK"_s : u"roster: クリア, Cancel"_s);
        click(form.control(u"BUTTON8"));
        if (ui::MessageBox::hasNextAnswer())
            fail(u"the roster's クリア asked nothing"_s);
    } else if (r < 90) {
        saveAndPick();
    } else {
        note(u"roster: close box"_s);
        form.requestClose();
    }
}

void SoakDriver::typeIntoRoster()
{
    const roster::RosterControls controls(*m_window->roster().form());
    const roster::RosterRowControls &row = controls.rows[std::size_t(below(10))];
    const std::array<std::pair<QWidget *, std::string_view>, 4> columns {
        {{row.name, "name"}, {row.year, "year"}, {row.month, "month"}, {row.day, "day"}}};
    if (chance(35)) {
        QWidget *field = columns[std::size_t(below(4))].first;
        const QStringList keys = randomKeys(1 + below(3));
        note(u"roster: type into "_s + field->objectName() + u": "_s + keys.join(u'|'));
        typeKeys(field, keys);
        return;
    }
    // A whole person, as a user keeps the roster.
    QStringList values;
    for (const auto &[field, kind] : columns) {
        values << plausible(kind);
        replaceText(field, values.last());
    }
    note(u"roster: retype row of "_s + row.name->objectName() + u": "_s + values.join(u'|'));
}

void SoakDriver::enterWholeInput()
{
    // A birth date in the era that is selected, a shown month, then 表示.
    ui::Form &form = m_window->form();
    const bool western = form.isChecked(u"RADIO1");
    const QStringList values {
        western ? plausible("year") : QString::number(1 + below(60)),
        plausible("month"),
        plausible("day"),
        form.isChecked(u"RADIO6") ? QString::number(1990 + below(60))
                                  : QString::number(1 + below(40)),
        plausible("month"),
    };
    for (std::size_t i = 0; i < std::size_t(values.size()); ++i)
        replaceText(form.control(kMainFields[i]), values.at(qsizetype(i)));
    note(u"enter "_s + values.join(u'|'));
    clickMain(u"BUTTON1");
}

void SoakDriver::saveAndPick()
{
    ui::Form &form = *m_window->roster().form();
    const roster::RosterControls controls(form);
    roster::Roster rows;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const roster::RosterRowControls &row = controls.rows[k];
        rows[k] = {row.name->text(), row.year->text(), row.month->text(), row.day->text()};
    }
    note(u"roster: 選択・保存"_s);
    // A refused birth date leaves the cleared window with its white chart area; an
    // accepted one is drawn over it, and the drawing is recorded instead.
    m_picture.kind = ExpectedPicture::Kind::Picked;
    m_pictureChanged = true;
    click(form.control(u"BUTTON9"));
    if (m_window->roster().isOpen()) {
        fail(u"選択・保存 left the roster open"_s);
        return;
    }
    m_expectedFile = roster::rosterBytes(rows);
    ++m_counts.picks;
}

void SoakDriver::typeKeys(QWidget *field, const QStringList &keys)
{
    for (const QString &key : keys) {
        if (key == kBackspace)
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, key, Qt::NoModifier);
    }
}

void SoakDriver::replaceText(QWidget *field, const QString &text)
{
    auto *edit = qobject_cast<ui::ByteLimitedEdit *>(field);
    QTest::keyClick(field, Qt::Key_End);
    for (int guard = 0; edit && !edit->text().isEmpty() && guard < 64; ++guard)
        QTest::keyClick(field, Qt::Key_Backspace);
    QStringList keys;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() ? 2 : 1;
        keys << text.mid(i, n);
        i += n - 1;
    }
    typeKeys(field, keys);
}

QStringList SoakDriver::randomKeys(int count)
{
    QStringList keys;
    for (int i = 0; i < count; ++i)
        keys << kKeys.at(below(int(kKeys.size())));
    return keys;
}

QString SoakDriver::plausible(std::string_view kind)
{
    const int r = below(100);
    if (kind == "year") {
        if (r < 70)
            return QString::number(1900 + below(140));
        if (r < 88)
            return QString::number(1 + below(70)); // an era year
        static const QStringList edges {u"9999"_s, u"1"_s, u"0"_s, u"-1"_s, u"99"_s, u"64"_s,
            u"46"_s, u"16"_s, u"9998"_s, u"8971"_s, u"2.5"_s, u""_s};
        return edges.at(below(int(edges.size())));
    }
    if (kind == "month") {
        if (r < 15)
            return QString::number(m_today.month());
        if (r < 88)
            return QString::number(1 + below(12));
        static const QStringList edges {u"0"_s, u"13"_s, u"2."_s, u".5"_s, u"-1"_s, u"04"_s, u""_s};
        return edges.at(below(int(edges.size())));
    }
    if (kind == "day") {
        if (r < 15)
            return QString::number(m_today.day());
        if (r < 92)
            return QString::number(1 + below(31));
        static const QStringList edges {u"0"_s, u"32"_s, u"29"_s, u"-1"_s, u""_s};
        return edges.at(below(int(edges.size())));
    }
    return kNames.at(below(int(kNames.size())));
}

} // namespace soak

// SPDX-License-Identifier: MIT
#pragma once

// The roster window driven through real windows: a main window built from its layout
// with a drawing surface, and the roster's signals recorded, keeping every pick.

#include "app/main_layout.h"
#include "roster/roster_window.h"
#include "ui/text/clock.h"
#include "ui/text/cp932.h"
#include "ui/widgets/form.h"
#include "ui/widgets/message_box.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QWindow>
#include <QtTest>
#include <memory>

namespace roster_test {

using namespace Qt::StringLiterals;

// Row k: option button, name, year, month, day.
inline const QStringList kRows[10] = {
    {u"RADIO11"_s, u"EDIT6"_s, u"EDIT11"_s, u"EDIT16"_s, u"EDIT21"_s},
    {u"RADIO12"_s, u"EDIT7"_s, u"EDIT12"_s, u"EDIT17"_s, u"EDIT22"_s},
    {u"RADIO13"_s, u"EDIT8"_s, u"EDIT13"_s, u"EDIT18"_s, u"EDIT23"_s},
    {u"RADIO14"_s, u"EDIT9"_s, u"EDIT14"_s, u"EDIT19"_s, u"EDIT24"_s},
    {u"RADIO15"_s, u"EDIT10"_s, u"EDIT15"_s, u"EDIT20"_s, u"EDIT25"_s},
    {u"RADIO16"_s, u"EDIT27"_s, u"EDIT28"_s, u"EDIT29"_s, u"EDIT30"_s},
    {u"RADIO17"_s, u"EDIT31"_s, u"EDIT32"_s, u"EDIT33"_s, u"EDIT34"_s},
    {u"RADIO18"_s, u"EDIT35"_s, u"EDIT36"_s, u"EDIT37"_s, u"EDIT38"_s},
    {u"RADIO19"_s, u"EDIT39"_s, u"EDIT40"_s, u"EDIT41"_s, u"EDIT42"_s},
    {u"RADIO20"_s, u"EDIT43"_s, u"EDIT44"_s, u"EDIT45"_s, u"EDIT46"_s},
};

using Entries = QList<QStringList>; // ten of {name, year, month, day}

inline Entries sampleEntries()
{
    return {
        {u"山田　太郎"_s, u"1985"_s, u"4"_s, u"12"_s},
        {u"ＡＢＣ,Ｄ"_s, u"1990"_s, u"04"_s, u"05"_s},
        {u""_s, u""_s, u""_s, u""_s},
        {u"Smith"_s, u"2000"_s, u"2"_s, u"29"_s},
        {u"鈴木"_s, u"1970"_s, u"12"_s, u"31"_s},
        {u"高橋"_s, u"H3"_s, u"1"_s, u"2"_s},
        {u"佐藤　花子"_s, u"1988"_s, u"7"_s, u"7"_s},
        {u"田中"_s, u"1955"_s, u"1"_s, u"1"_s},
        {u""_s, u""_s, u""_s, u""_s},
        {u"最後"_s, u"2020"_s, u"10"_s, u"10"_s},
    };
}

// The file as the program writes it: quoted items, commas, CR LF, code page 932.
inline QByteArray fileBytes(const Entries &entries)
{
    QByteArray bytes;
    for (const QStringList &entry : entries) {
        QStringList quoted;
        for (const QString &item : entry)
            quoted << u'"' + item + u'"';
        bytes += ui::cp932::encode(quoted.join(u',')).value() + "\r\n";
    }
    return bytes;
}

inline QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

inline void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

/// The state as the widget and its native window both have it (false where they differ).
inline bool onTop(const QWidget *window)
{
    const bool widget = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const QWindow *native = window->windowHandle();
    return widget && (!native || native->flags().testFlag(Qt::WindowStaysOnTopHint));
}

// Counts a window's hide and show events.
class VisibilityLog : public QObject
{
public:
    QList<QEvent::Type> events;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Show)
            events << event->type();
        return false;
    }
};

// The main window and the roster, with what the roster reports.
struct Harness
{
    explicit Harness(const QString &fileName = u"tamlo.dat"_s)
        : main(app::mainLayout(), /*withSurface=*/true)
        , roster(std::make_unique<roster::RosterWindow>(main, fileName))
    {
        QObject::connect(
            roster.get(), &roster::RosterWindow::failed, &main, [this] { ++failures; });
        QObject::connect(roster.get(), &roster::RosterWindow::picked, &main,
            [this](const roster::RosterEntry &person) { picks << person; });
        main.showPlaced();
    }

    ui::Form &form() { return *roster->form(); }
    QString field(int row, int column) { return form().text(kRows[row - 1][column]); }
    void click(const QString &control)
    {
        QWidget *widget = form().control(control);
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QRect(QPoint(), widget->size()).center());
    }
    Entries fields()
    {
        Entries entries;
        for (int row = 1; row <= 10; ++row)
            entries << QStringList {field(row, 1), field(row, 2), field(row, 3), field(row, 4)};
        return entries;
    }

    ui::Form main;
    std::unique_ptr<roster::RosterWindow> roster;
    int failures = 0;
    QList<roster::RosterEntry> picks;
};

/// Fresh for every test: the sample roster on file, today fixed, questions answered
/// only by the test.
inline void startTest()
{
    ui::MessageBox::resetForTest();
    ui::MessageBox::requireAnswers(true);
    ui::Clock::setToday(QDate(2026, 3, 5));
    QFile::remove(u"tamlo.dat"_s);
    writeFile(u"tamlo.dat"_s, fileBytes(sampleEntries()));
}

inline void endTest()
{
    ui::MessageBox::setShowObserver({});
    ui::Clock::setToday(std::nullopt);
    QVERIFY(!ui::MessageBox::hasNextAnswer());
}

} // namespace roster_test

// SPDX-License-Identifier: MIT
#pragma once

// A started main window with today fixed, message boxes and file dialogs answered by
// the test and the program's end observed instead of carried out.

#include "app/failure.h"
#include "app/main_window.h"
#include "ui/drawing/fonts.h"
#include "ui/text/clock.h"
#include "ui/widgets/file_dialog.h"
#include "ui/widgets/message_box.h"

#include <QImage>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

struct AppFixture
{
    explicit AppFixture(QDate today = QDate(2026, 12, 8))
    {
        ui::installFontSubstitutions();
        ui::Clock::setToday(today);
        ui::MessageBox::resetForTest();
        ui::MessageBox::requireAnswers(true);
        ui::FileDialog::resetForTest();
        ui::FileDialog::requireAnswers(true);
        app::setProgramEnding([this](int code) { endedWith = code; });
        window = std::make_unique<app::MainWindow>();
        window->start();
    }
    ~AppFixture()
    {
        app::setProgramEnding({});
        ui::Clock::setToday(std::nullopt);
    }

    ui::Form &form() { return window->form(); }
    QWidget *control(QStringView name) { return form().control(name); }
    QString text(QStringView name) { return form().text(name); }
    void setText(QStringView name, const QString &value) { form().setText(name, value); }
    const QImage &surface() { return form().surface().image(); }
    /// The main window, or the roster window opened from 誕生日データ.
    ui::Form *openedForm(bool roster)
    {
        if (!roster)
            return &form();
        click(u"BUTTON10");
        return window->roster().form();
    }

    void click(QStringView name)
    {
        QWidget *widget = control(name);
        QVERIFY2(widget, qPrintable(name.toString()));
        QTest::mouseClick(
            widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, widget->height() / 2));
    }

    /// Types text key by key, one character (or surrogate pair) per key press, as an
    /// input method delivers full-width characters.
    static void type(QWidget *widget, const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype n = text.at(i).isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(
                QTest::Click, widget, Qt::Key_unknown, text.mid(i, n), Qt::NoModifier);
            i += n - 1;
        }
    }

    /// Types a birth date (Western) and a shown month, then clicks 表示.
    void show(const QString &by, const QString &bm, const QString &bd, const QString &sy,
        const QString &sm)
    {
        setText(u"EDIT1", by);
        setText(u"EDIT2", bm);
        setText(u"EDIT3", bd);
        setText(u"EDIT4", sy);
        setText(u"EDIT5", sm);
        click(u"BUTTON1");
    }

    std::unique_ptr<app::MainWindow> window;
    int endedWith = -1;
};

// SPDX-License-Identifier: MIT
#include "app/chart_menu.h"

#include "chart/chart_picture.h"
#include "export/ics_calendar.h"
#include "ui/drawing/png_file.h"
#include "ui/text/clock.h"
#include "ui/widgets/file_dialog.h"
#include "ui/widgets/form.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/print_preview.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace app {

namespace {

const QString kSaveImageTitle = u"画像として保存"_s;
const QString kPrintTitle = u"印刷"_s;
const QString kCalendarTitle = u"カレンダーに書き出す"_s;

/// The window's picture as it is, or twice as large.
const QStringList kImageFilters {u"PNG 画像 (*.png)"_s, u"PNG 画像 2倍の大きさ (*.png)"_s};
/// In the order of ics::Kinds.
const QStringList kCalendarFilters {u"iCalendar 注意日 (*.ics)"_s,
    u"iCalendar 好調日と充電日 (*.ics)"_s, u"iCalendar すべての日 (*.ics)"_s};
/// The displayed month and the eleven after it.
constexpr int kCalendarMonths = 12;

QAction *addEntry(ui::Form &form, const QString &text, const char *objectName)
{
    auto *action = new QAction(text, &form);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setEnabled(false);
    form.addAction(action);
    return action;
}

QString safeName(const QString &name)
{
    static const QString refused = u"/\\:*?\"<>|"_s;
    QString safe = name;
    for (QChar &ch : safe) {
        if (refused.contains(ch) || ch.category() == QChar::Other_Control)
            ch = u'_';
    }
    while (!safe.isEmpty() && (safe.front().isSpace() || safe.front() == u'.'))
        safe.remove(0, 1);
    while (!safe.isEmpty() && (safe.back().isSpace() || safe.back() == u'.'))
        safe.chop(1);
    return safe.isEmpty() ? u"biorhythm"_s : safe;
}

} // namespace

ChartMenu::ChartMenu(ui::Form &form)
    : m_form(form)
    , m_saveImage(addEntry(form, u"画像として保存(&S)…"_s, "actionSaveImage"))
    , m_print(addEntry(form, u"印刷(&P)…"_s, "actionPrint"))
    , m_exportCalendar(addEntry(form, u"カレンダーに書き出す(&C)…"_s, "actionExportCalendar"))
{
    QObject::connect(m_saveImage, &QAction::triggered, &form, [this] { saveImage(); });
    QObject::connect(m_print, &QAction::triggered, &form, [this] { print(); });
    QObject::connect(m_exportCalendar, &QAction::triggered, &form, [this] { exportCalendar(); });
}

void ChartMenu::setShown(const std::optional<chart::ChartInput> &shown)
{
    m_shown = shown;
    for (QAction *action : {m_saveImage, m_print, m_exportCalendar})
        action->setEnabled(shown.has_value());
}

QString ChartMenu::proposedFileName(
    const QString &name, const engine::CheckedInput &shown, QStringView suffix)
{
    return safeName(name) % u'-'
        % u"%1"_s.arg(static_cast<int>(shown.shownYear), 4, 10, QChar(u'0')) % u'-'
        % u"%1"_s.arg(static_cast<int>(shown.shownMonth), 2, 10, QChar(u'0')) % u'.' % suffix;
}

/// The folder a file is offered in: the user's folder of that kind, or the home folder
/// where it does not exist (the dialog would offer the path without its folder).
static QString offeredFolder(QStandardPaths::StandardLocation kind)
{
    const QString folder = QStandardPaths::writableLocation(kind);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void ChartMenu::saveImage()
{
    if (!m_shown)
        return;
    const QString folder = offeredFolder(QStandardPaths::PicturesLocation);
    const std::optional<ui::FileDialog::Choice> choice = ui::FileDialog::askSaveFile(&m_form,
        {kSaveImageTitle,
            QDir(folder).filePath(proposedFileName(m_shown->name, m_shown->checked, u"png")),
            kImageFilters, u"png"_s});
    if (!choice)
        return;
    // Twice as large is drawn anew, as quorvel-chart --scale 2 draws it.
    const QImage image
        = choice->filter == 1 ? chart::renderChart(*m_shown, 2) : m_form.surface().image();
    reportSave(kSaveImageTitle, choice->path, ui::writePng(image, choice->path));
}

void ChartMenu::print()
{
    if (!m_shown)
        return;
    const chart::ChartInput shown = *m_shown;
    const bool printed
        = ui::PrintPreview::show(&m_form, [&shown](QPainter &painter, const QRectF &page) {
              chart::drawChartOnPage(painter, page, shown);
          });
    if (!printed) {
        ui::MessageBox::show(&m_form, kPrintTitle, u"印刷できませんでした。"_s,
            ui::MessageBox::Buttons::Ok, ui::MessageBox::Icon::Stop);
    }
}

void ChartMenu::exportCalendar()
{
    if (!m_shown)
        return;
    const QString folder = offeredFolder(QStandardPaths::DocumentsLocation);
    const std::optional<ui::FileDialog::Choice> choice = ui::FileDialog::askSaveFile(&m_form,
        {kCalendarTitle,
            QDir(folder).filePath(proposedFileName(m_shown->name, m_shown->checked, u"ics")),
            kCalendarFilters, u"ics"_s});
    if (!choice)
        return;
    const auto kinds = static_cast<ics::Kinds>(std::clamp(choice->filter, 0, 2));
    const ics::ChartCalendar calendar
        = ics::chartCalendar(*m_shown, kCalendarMonths, kinds, ui::Clock::now());
    if (!reportSave(kCalendarTitle, choice->path, ui::saveFile(choice->path, calendar.text))
        || calendar.months == kCalendarMonths)
        return;
    ui::MessageBox::show(&m_form, kCalendarTitle,
        u"書き出したのは %1 か月分です。3000年11月より後の日付は書き出せません。"_s.arg(
            calendar.months),
        ui::MessageBox::Buttons::Ok, ui::MessageBox::Icon::Information);
}

bool ChartMenu::reportSave(const QString &title, const QString &path, const ui::SaveResult &saved)
{
    if (saved)
        return true;
    ui::MessageBox::show(&m_form, title,
        u"保存できませんでした。\n"_s % QDir::toNativeSeparators(path) % u"\n"_s % saved.error(),
        ui::MessageBox::Buttons::Ok, ui::MessageBox::Icon::Stop);
    return false;
}

} // namespace app

// SPDX-License-Identifier: MIT
// What must hold after every soak action: no failure message, no end, a visible
// window, field limits, the roster file as last saved, the picture as drawn afresh.

#include "roster/roster_file.h"
#include "roster/roster_layout.h"
#include "roster/roster_window.h"
#include "soak_driver.h"
#include "soak_fields.h"
#include "ui/text/cp932.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/form.h"
#include "ui/widgets/message_box.h"

#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace soak {

namespace {

const QString kFailureTitle = u"エラー発生"_s;

bool isDecimal(const QString &text)
{
    static const QRegularExpression decimal(u"^-?[0-9]+(\\.[0-9]+)?$"_s);
    return decimal.match(text).hasMatch();
}

} // namespace

bool SoakDriver::fail(const QString &what)
{
    if (m_failure.isEmpty()) {
        m_failure = what + u"\nafter action "_s + QString::number(m_counts.actions)
            + u"; the last actions:\n"_s;
        for (const QString &action : m_recent)
            m_failure += u"  "_s + action + u'\n';
    }
    return false;
}

bool SoakDriver::check()
{
    if (!m_failure.isEmpty())
        return false;
    if (const auto shown = ui::MessageBox::lastShown(); shown && shown->title == kFailureTitle)
        return fail(u"the failure message appeared: "_s + shown->text);
    if (m_ended)
        return fail(u"the program ended with "_s + QString::number(*m_ended));
    if (!m_window->roster().isOpen() && m_window->form().isHidden())
        return fail(u"the main window stays hidden with the roster closed"_s);
    return checkLimits() && checkRosterFile() && checkPicture();
}

// Typing never takes a field over its limit: a change that makes the text longer
// than the limit and longer than it was is refused. Texts the program sets stand as
// they are, and only one of them can be longer than the limit: a month step writes
// the stepped Western year and month into EDIT4 and EDIT5 as decimal text ("10000"
// after December 9999, "1.5" from a month typed as ".5"), which typing can then only
// shorten. Roster picks copy texts within the same limits they had in the roster.
bool SoakDriver::checkLimits()
{
    ui::Form &main = m_window->form();
    for (const QString &name : kMainFields) {
        const QString text = main.text(name);
        const qsizetype bytes = ui::cp932::byteLength(text);
        const int limit = main.maxBytes(name);
        if (bytes < 0)
            return fail(name + u" holds a character without a code-page-932 form: "_s + text);
        if (limit <= 0 || bytes <= limit) {
            m_overLimit.erase(name);
            continue;
        }
        const bool fromStep
            = m_stepped && (name == u"EDIT4" || name == u"EDIT5") && isDecimal(text);
        const auto earlier = m_overLimit.find(name);
        const bool shortened = earlier != m_overLimit.end() && bytes <= earlier->second;
        if (!fromStep && !shortened)
            return fail(name + u" holds "_s + QString::number(bytes)
                + u" bytes over its limit of "_s + QString::number(limit) + u": "_s + text);
        m_overLimit[name] = int(bytes);
    }
    if (ui::Form *form = m_window->roster().form()) {
        for (const roster::RosterRowControls &row : roster::RosterControls(*form).rows) {
            for (const ui::ByteLimitedEdit *field : {row.name, row.year, row.month, row.day}) {
                const qsizetype bytes = ui::cp932::byteLength(field->text());
                if (bytes < 0 || bytes > field->maxBytes())
                    return fail(u"roster field "_s + field->objectName() + u" over its limit: "_s
                        + field->text());
            }
        }
    }
    return true;
}

bool SoakDriver::checkRosterFile()
{
    QFile file(roster::rosterFileName());
    if (!file.open(QIODevice::ReadOnly))
        return fail(u"tamlo.dat cannot be read"_s);
    const QByteArray bytes = file.readAll();
    if (bytes != m_expectedFile)
        return fail(
            u"tamlo.dat differs from the last save:\n"_s + QString::fromLatin1(bytes.toHex(' ')));
    const roster::RosterResult<roster::Roster> read = roster::readRoster(roster::rosterFileName());
    if (!read)
        return fail(u"tamlo.dat does not read back into ten entries, error "_s
            + QString::number(int(read.error())));
    return true;
}

bool SoakDriver::checkPicture()
{
    const QImage &actual = m_window->form().surface().image();
    if (m_pictureChanged) {
        m_expectedImage = m_picture.render(actual.size());
        m_pictureChanged = false;
    }
    if (actual == m_expectedImage)
        return true;
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            differing += actual.pixel(x, y) != m_expectedImage.pixel(x, y);
    actual.save(u"soak-actual.png"_s);
    m_expectedImage.save(u"soak-expected.png"_s);
    return fail(u"the window's picture differs from a fresh drawing in "_s
        + QString::number(differing) + u" pixels (kind "_s + QString::number(int(m_picture.kind))
        + u"; saved as soak-actual.png and soak-expected.png)"_s);
}

} // namespace soak

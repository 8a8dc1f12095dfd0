// SPDX-License-Identifier: MIT
#include "ui/widgets/byte_limited_edit.h"

#include "ui/text/cp932.h"
#include "ui/text/text_filter.h"
#include "ui/widgets/input_method_state.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

// A surrogate pair is one character: a cut never falls between its halves.
qsizetype characterLength(QStringView text, qsizetype at)
{
    return text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2
                                                                                               : 1;
}

qsizetype previousCharacter(QStringView text, qsizetype end)
{
    return end >= 2 && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate() ? end - 2
                                                                                         : end - 1;
}

// "０"–"９" → "0"–"9"; nothing else changes.
void narrowDigitsIn(QString &text, qsizetype start, qsizetype length)
{
    for (qsizetype i = start; i < start + length; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'０' && c <= u'９')
            text[i] = QChar(char16_t(u'0' + (c - u'０')));
    }
}

} // namespace

// QLineEdit validates every change, whether it comes from a key, a paste, a drop or
// an input-method commit; it undoes the ones reported Invalid and takes the text the
// validator leaves in place of the others.
class ByteLimitedEdit::Validator : public QValidator
{
public:
    explicit Validator(ByteLimitedEdit *edit)
        : QValidator(edit)
        , m_edit(edit)
    { }

    State validate(QString &input, int &cursor) const override
    {
        if (m_edit->m_unchecked || input == m_edit->m_accepted)
            return Acceptable;
        const auto admitted = m_edit->admit(m_edit->m_accepted, input, cursor);
        if (!admitted)
            return Invalid;
        if (admitted->text != input) {
            input = admitted->text;
            cursor = admitted->cursor;
        }
        return Acceptable;
    }

private:
    ByteLimitedEdit *m_edit;
};

ByteLimitedEdit::ByteLimitedEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new Validator(this));
    connect(
        this, &QLineEdit::textChanged, this, [this](const QString &text) { m_accepted = text; });
}

ByteLimitedEdit::~ByteLimitedEdit() = default;

void ByteLimitedEdit::setFlatBorder(bool flat)
{
    m_flatBorder = flat;
    if (flat)
        setFrame(false);
    update();
}

void ByteLimitedEdit::setInputMethod(InputMethod state)
{
    m_inputMethod = state;
    setInputMethodHints(hintsFor(state));
    setProperty("inputMethod", int(state));
}

Qt::InputMethodHints ByteLimitedEdit::hintsFor(InputMethod state)
{
    switch (state) {
    case InputMethod::Off:
        return Qt::ImhLatinOnly | Qt::ImhNoPredictiveText;
    case InputMethod::AlnumFull:
        return Qt::ImhPreferLatin | Qt::ImhNoPredictiveText;
    case InputMethod::On:
    case InputMethod::Unset:
        break;
    }
    return Qt::ImhNone;
}

void ByteLimitedEdit::setText(const QString &text)
{
    runUnchecked([this, &text] { QLineEdit::setText(text); });
}

void ByteLimitedEdit::runUnchecked(const std::function<void()> &change)
{
    const bool outer = m_unchecked;
    m_unchecked = true;
    change();
    m_unchecked = outer;
}

bool ByteLimitedEdit::accepts(const QString &before, const QString &after) const
{
    return !bringsControl(before, after) && !addsBad(before, after) && fits(before, after);
}

bool ByteLimitedEdit::bringsControl(const QString &before, const QString &after) const
{
    const auto tab = m_typingTab ? text_filter::Tab::Allowed : text_filter::Tab::Refused;
    return !text_filter::allowsChange(before, after, tab);
}

bool ByteLimitedEdit::addsBad(const QString &before, const QString &after) const
{
    return measure(after).bad > measure(before).bad;
}

bool ByteLimitedEdit::fits(const QString &before, const QString &after) const
{
    if (m_maxBytes > 0) {
        const qsizetype now = measure(after).size();
        if (now > m_maxBytes && now > measure(before).size())
            return false;
    }
    if (m_noScroll) {
        const QFontMetrics metrics = fontMetrics();
        const int width = metrics.horizontalAdvance(after);
        if (width > visibleTextWidth() && width > metrics.horizontalAdvance(before))
            return false;
    }
    return true;
}

std::optional<ByteLimitedEdit::Admitted> ByteLimitedEdit::admit(
    const QString &before, QString after, int cursor) const
{
    const text_filter::Change change = text_filter::locateChange(before, after, cursor);
    if (m_narrowDigits)
        narrowDigitsIn(after, change.start, change.inserted);
    // A control character is refused wherever it is, even past the cut.
    if (bringsControl(before, after))
        return std::nullopt;
    if (fits(before, after)) {
        if (addsBad(before, after))
            return std::nullopt;
        return Admitted {after, int(change.start + change.inserted)};
    }

    const QString brought = after.sliced(change.start, change.inserted);
    const QString rest = QString(after).remove(change.start, change.inserted);
    qsizetype kept = brought.size();
    if (m_maxBytes > 0) {
        // Room for the bytes of the limit, or of the text before when the program
        // left it longer, less those that stay.
        qsizetype room
            = std::max<qsizetype>(m_maxBytes, measure(before).size()) - measure(rest).size();
        kept = 0;
        while (kept < brought.size()) {
            const qsizetype length = characterLength(brought, kept);
            const Measure one = measure(QStringView(brought).sliced(kept, length));
            room -= one.size();
            if (room < 0)
                break;
            kept += length;
        }
    }
    const auto keeping = [&](qsizetype n) {
        return QString(rest).insert(change.start, QStringView(brought).first(n));
    };
    while (kept > 0 && !fits(before, keeping(kept)))
        kept = previousCharacter(brought, kept);
    // A key typed into a full field is refused, not taken as the deletion of the
    // selection it would have replaced.
    if (kept == 0)
        return std::nullopt;
    QString text = keeping(kept);
    if (addsBad(before, text))
        return std::nullopt;
    return Admitted {std::move(text), int(change.start + kept)};
}

ByteLimitedEdit::Measure ByteLimitedEdit::measure(QStringView text) const
{
    Measure result;
    bool refusedInside = false;
    for (const QChar c : m_refused)
        refusedInside = refusedInside || text.contains(c);
    if (!refusedInside) {
        const qsizetype bytes = cp932::byteLength(text);
        if (bytes >= 0)
            return {bytes, 0};
    }
    // Some character is bad: count character by character (a surrogate pair is one).
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView one = text.sliced(i, n);
        const qsizetype bytes = cp932::byteLength(one);
        if (bytes < 0 || (n == 1 && m_refused.contains(one[0])))
            ++result.bad;
        else
            result.bytes += bytes;
        i += n;
    }
    return result;
}

int ByteLimitedEdit::visibleTextWidth() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    // QLineEdit keeps 2 pixels free on either side of the text.
    constexpr int kInnerMargin = 2;
    return contents.marginsRemoved(textMargins()).width() - 2 * kInnerMargin;
}

void ByteLimitedEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier) {
        m_typingTab = true;
        insert(u"\t"_s);
        m_typingTab = false;
        event->accept();
        return;
    }
    // Undo and redo go back to texts the field already held, possibly before a limit
    // was lowered; they must not be refused halfway.
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        runUnchecked([this, event] { QLineEdit::keyPressEvent(event); });
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ByteLimitedEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    applyInputMethodState(this, m_inputMethod);
}

void ByteLimitedEdit::focusOutEvent(QFocusEvent *event)
{
    // QLineEdit drops its selection when it loses the focus; the fields keep it shown.
    const int start = selectionStart();
    const int length = selectionLength();
    const bool cursorAtStart = cursorPosition() == start;
    QLineEdit::focusOutEvent(event);
    if (start >= 0 && length > 0 && !hasSelectedText()) {
        if (cursorAtStart)
            setSelection(start + length, -length);
        else
            setSelection(start, length);
    }
}

void ByteLimitedEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (m_flatBorder) {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ByteLimitedEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *action : menu->actions()) {
        const bool undo = action->objectName() == u"edit-undo";
        if (!undo && action->objectName() != u"edit-redo")
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [this, undo] {
            runUnchecked([this, undo] { undo ? QLineEdit::undo() : QLineEdit::redo(); });
        });
    }
    menu->popup(event->globalPos());
}

} // namespace ui

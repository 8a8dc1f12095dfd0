// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/layout.h"

#include <QLineEdit>
#include <functional>
#include <optional>

namespace ui {

/// A one-line text field whose length limit counts the bytes of its text in code
/// page 932 (a full-width character counts two). The limit holds for everything the
/// user does (typing, pasting, dropping, committing an input-method composition);
/// text set by the program through setText() is taken as it stands.
///
/// A user change is refused as a whole when it brings in a control character (only
/// the tab typed by Ctrl+Tab is taken). It does not fit when it makes the text longer
/// than the limit *and* longer than it was, or, with no scrolling, wider than the field
/// and than it was. What it brought in is then cut, between characters, to what fits,
/// as a Windows edit control cuts a paste; when nothing of it fits (a key typed into a
/// full field), it is refused. What remains is refused as a whole when it holds a
/// character that code page 932 cannot hold or that the field refuses (one cut away
/// does not count). So with a limit of 4: "123" + "4" → "1234" taken, "1234" + "5"
/// refused, "" + a pasted "19851" → "1985", "12" + "3漢" → "123", "123" + "4😀" →
/// "1234", "1" + "2😀" refused; a text of 10 bytes set by the program can still be
/// shortened, one character at a time.
///
/// Input-method states become input-method hints while the field has the focus:
///   On        → Qt::ImhNone (free composition)
///   Off       → Qt::ImhLatinOnly | Qt::ImhNoPredictiveText
///   AlnumFull → Qt::ImhPreferLatin | Qt::ImhNoPredictiveText
/// and, where the platform has one, the input method's own state each time the field
/// gains the focus (input_method_state.h). The state itself stays readable as
/// inputMethod() and as the dynamic property "inputMethod" (the enum's value as an int).
class ByteLimitedEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit ByteLimitedEdit(QWidget *parent = nullptr);
    ~ByteLimitedEdit() override;

    /// Limit in code-page-932 bytes; 0: no limit.
    void setMaxBytes(int bytes) { m_maxBytes = bytes; }
    int maxBytes() const { return m_maxBytes; }

    /// Characters the user cannot type or paste, whatever the limit.
    void setRefusedCharacters(const QString &characters) { m_refused = characters; }
    QString refusedCharacters() const { return m_refused; }

    /// No scrolling: the text may not grow wider than the visible part of the field.
    void setNoScroll(bool noScroll) { m_noScroll = noScroll; }
    bool noScroll() const { return m_noScroll; }

    /// A number field: full-width digits that the user brings in become ASCII digits,
    /// the only ones a date is read from ("１９８５" committed in full-width mode →
    /// "1985", which then fits a limit of 4).
    void setNarrowDigits(bool narrow) { m_narrowDigits = narrow; }
    bool narrowDigits() const { return m_narrowDigits; }

    /// A thin single-line border instead of the sunken frame.
    void setFlatBorder(bool flat);
    bool flatBorder() const { return m_flatBorder; }

    void setInputMethod(InputMethod state);
    InputMethod inputMethod() const { return m_inputMethod; }
    static Qt::InputMethodHints hintsFor(InputMethod state);

    /// Sets the text as it stands: neither the limit nor the refused characters apply.
    void setText(const QString &text);

    /// Whether the user may change the text from before to after as it stands.
    bool accepts(const QString &before, const QString &after) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    class Validator;
    struct Measure
    {
        qsizetype bytes = 0; // of the characters code page 932 holds
        qsizetype bad = 0; // characters it cannot hold or the field refuses
        // Against the limit a bad character counts one byte, so that one a cut drops
        // is no reason to refuse what it keeps.
        qsizetype size() const { return bytes + bad; }
    };

    struct Admitted
    {
        QString text;
        int cursor; // after what was kept of the change
    };

    /// What a user's change from before to after leaves in the field: the change as
    /// it was, with its digits narrowed or cut to what fits; nothing when refused.
    std::optional<Admitted> admit(const QString &before, QString after, int cursor) const;
    bool bringsControl(const QString &before, const QString &after) const;
    bool addsBad(const QString &before, const QString &after) const;
    bool fits(const QString &before, const QString &after) const;
    Measure measure(QStringView text) const;
    int visibleTextWidth() const;
    void runUnchecked(const std::function<void()> &change);

    int m_maxBytes = 0;
    QString m_refused;
    bool m_noScroll = false;
    bool m_narrowDigits = false;
    bool m_flatBorder = false;
    InputMethod m_inputMethod = InputMethod::Unset;
    QString m_accepted; // the text the next user change is measured against
    bool m_unchecked = false; // a change made by the program is under way
    bool m_typingTab = false; // Ctrl+Tab is inserting its tab
};

} // namespace ui

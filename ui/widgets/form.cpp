// SPDX-License-Identifier: MIT
#include "ui/widgets/form.h"

#include "ui/drawing/fonts.h"
#include "ui/text/strings.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/control_factory.h"
#include "ui/widgets/stay_on_top.h"
#include "ui/widgets/system_menu.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace ui {
namespace {

std::function<void(QStringView)> &unknownNameHandler()
{
    static std::function<void(QStringView)> handler;
    return handler;
}

void reportUnknownName(QStringView name)
{
    if (const auto &handler = unknownNameHandler()) {
        handler(name);
        return;
    }
    qFatal("no control named %s", name.toUtf8().constData());
}

} // namespace

Form::Form(const WindowLayout &layout, bool withSurface, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_layout(layout)
{
    installFontSubstitutions();
    build();
    if (withSurface) {
        setAttribute(Qt::WA_StaticContents);
        m_surface = std::make_unique<ImageCanvas>(QSize(layout.clientWidth, layout.clientHeight));
        m_surface->clear();
        m_surface->setChangeHandler([this] {
            // One repaint per batch of drawing, not one per pixel.
            if (!m_repaintPending) {
                m_repaintPending = true;
                update();
            }
        });
    }
}

Form::~Form() = default;

void Form::build()
{
    setObjectName(ui::toQString(m_layout.name));
    setWindowTitle(m_layout.caption.toString());
    // The frame has a sizing border, so the client size is a starting size only.
    resize(m_layout.clientWidth, m_layout.clientHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(m_layout.background));
    setPalette(palette);
    setAutoFillBackground(true);
    installEventFilter(this);

    // A right click offers the window's actions: コピー(&Y) first, then those added.
    // On Windows the system menu has コピー(&Y) too, where Windows programs keep it.
    auto *copy = new QAction(u"コピー(&Y)"_s, this);
    copy->setObjectName(u"actionCopy"_s);
    connect(copy, &QAction::triggered, this, &Form::copyToClipboard);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addSystemMenuCommand(this, copy->text(), [this] { copyToClipboard(); });

    QButtonGroup *group = nullptr;
    for (const ControlRow &row : m_layout.controls) {
        if (row.groupStart)
            group = nullptr;
        QWidget *widget = makeControl(row, this);
        if (row.kind == ControlKind::OptionButton) {
            if (!group) {
                group = new QButtonGroup(this);
                group->setExclusive(true);
            }
            group->addButton(static_cast<QAbstractButton *>(widget));
            static_cast<QAbstractButton *>(widget)->setChecked(row.checked);
        }
        widget->setObjectName(ui::toQString(row.name));
        if (!row.accessibleName.isEmpty())
            widget->setAccessibleName(row.accessibleName.toString());
        widget->setGeometry(row.x, row.y, row.w, row.h);
        QFont font(row.proportional ? proportionalGothicFace() : gothicFace());
        font.setPointSizeF(row.points);
        font.setBold(row.bold);
        widget->setFont(font);
        widget->installEventFilter(this);
        m_controls.push_back(widget);
    }
}

void Form::showPlaced()
{
    const auto place = [this] {
        if (m_layout.position) {
            move(*m_layout.position);
            return;
        }
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    };
    place();
    show();
    // The frame is known only once the window is shown; centre it again with it.
    if (!m_layout.position)
        place();
    raise();
    activateWindow();
}

void Form::applyShownSettings()
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const ControlRow &row = m_layout.controls[i];
        if (row.shownMaxBytes > 0) {
            if (auto *edit = qobject_cast<ByteLimitedEdit *>(m_controls[i]))
                edit->setMaxBytes(row.shownMaxBytes);
        }
        if (row.shownPixels > 0) {
            QFont font = m_controls[i]->font();
            font.setPixelSize(row.shownPixels);
            m_controls[i]->setFont(font);
        }
    }
}

void Form::setAlwaysOnTop(bool onTop)
{
    Qt::WindowFlags flags = windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // setWindowFlag() would destroy the native window and create it anew. Only the
    // widget's record changes here; a native window that exists takes the state itself,
    // one created later takes it from that record.
    overrideWindowFlags(flags.setFlag(Qt::WindowStaysOnTopHint, onTop));
    if (QWindow *window = windowHandle())
        setNativeStaysOnTop(*window, onTop);
}

QWidget *Form::control(QStringView name) const
{
    for (QWidget *widget : m_controls) {
        if (QStringView(widget->objectName()).compare(name, Qt::CaseInsensitive) == 0)
            return widget;
    }
    return nullptr;
}

QWidget *Form::namedControl(QStringView name) const
{
    QWidget *widget = control(name);
    if (!widget)
        reportUnknownName(name);
    return widget;
}

void Form::setUnknownNameHandler(std::function<void(QStringView name)> handler)
{
    unknownNameHandler() = std::move(handler);
}

ByteLimitedEdit *Form::textField(QStringView name) const
{
    return qobject_cast<ByteLimitedEdit *>(control(name));
}

QString Form::text(QStringView name) const
{
    QWidget *widget = namedControl(name);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    return {};
}

void Form::setText(QStringView name, const QString &text)
{
    QWidget *widget = namedControl(name);
    if (auto *edit = qobject_cast<ByteLimitedEdit *>(widget))
        edit->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(text);
}

bool Form::isChecked(QStringView name) const
{
    const auto *button = qobject_cast<QAbstractButton *>(namedControl(name));
    return button && button->isChecked();
}

void Form::setChecked(QStringView name, bool checked)
{
    if (auto *button = qobject_cast<QAbstractButton *>(namedControl(name)))
        ui::setChecked(*button, checked);
}

void setChecked(QAbstractButton &button, bool checked)
{
    QButtonGroup *group = button.group();
    if (!checked && group && group->exclusive() && button.isChecked()) {
        // An exclusive group refuses to uncheck its checked button; the program may.
        group->setExclusive(false);
        button.setChecked(false);
        group->setExclusive(true);
        return;
    }
    button.setChecked(checked);
}

void Form::setMaxBytes(QStringView name, int bytes)
{
    if (auto *edit = qobject_cast<ByteLimitedEdit *>(namedControl(name)))
        edit->setMaxBytes(bytes);
}

int Form::maxBytes(QStringView name) const
{
    const auto *edit = qobject_cast<ByteLimitedEdit *>(namedControl(name));
    return edit ? edit->maxBytes() : 0;
}

void Form::setFontPixelSize(QStringView name, int pixels)
{
    QWidget *widget = namedControl(name);
    if (!widget || pixels <= 0)
        return;
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

void Form::setRefusedCharacters(QStringView name, const QString &characters)
{
    if (auto *edit = qobject_cast<ByteLimitedEdit *>(namedControl(name)))
        edit->setRefusedCharacters(characters);
}

void Form::setCloseHandler(std::function<void()> onClose)
{
    m_onClose = std::move(onClose);
}

void Form::requestClose()
{
    if (m_onClose) {
        const std::function<void()> onClose = m_onClose; // it may replace itself
        onClose();
    } else {
        close();
    }
}

ImageCanvas &Form::surface()
{
    Q_ASSERT(m_surface);
    return *m_surface;
}

void Form::paintEvent(QPaintEvent *event)
{
    m_repaintPending = false;
    if (!m_surface)
        return;
    QPainter painter(this);
    const QRect area = event->rect() & m_surface->image().rect();
    painter.drawImage(area, m_surface->image(), area);
    if (m_marker) {
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(m_marker->adjusted(0, 0, -1, -1));
    }
}

void Form::setMarker(std::optional<QRect> marker)
{
    if (m_marker == marker)
        return;
    if (m_marker)
        update(*m_marker);
    m_marker = marker;
    if (m_marker)
        update(*m_marker);
}

bool Form::focusNextPrevChild(bool next)
{
    const auto isTabStop = [this](const QWidget *widget) {
        return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled()
            && widget->isVisibleTo(this);
    };
    // Position of the control holding the focus; -1 and size() both mean the window.
    const QWidget *focus = focusWidget();
    const int count = int(m_controls.size());
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (m_controls[size_t(i)] == focus || m_controls[size_t(i)]->isAncestorOf(focus))
            current = i;
    }
    const bool onWindow = current < 0;
    const int step = next ? 1 : -1;
    int i = onWindow ? (next ? 0 : count - 1) : current + step;
    for (; i >= 0 && i < count; i += step) {
        if (isTabStop(m_controls[size_t(i)])) {
            m_controls[size_t(i)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    // Past the last tab stop (or before the first) the window itself has the focus.
    if (!onWindow)
        setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Holding Tab down moves the focus once, not once per repeat.
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && key->isAutoRepeat()
            && !(key->modifiers() & Qt::ControlModifier))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_onClose && event->spontaneous()) {
        // Inside its close event a window cannot be closed again; the handler runs
        // right after, where its close() takes effect.
        event->ignore();
        QTimer::singleShot(0, this, [this] { requestClose(); });
        return;
    }
    event->accept();
    Q_EMIT closed();
}

void Form::copyToClipboard()
{
    // The marker lies over the picture, not in it.
    const std::optional<QRect> marker = std::exchange(m_marker, std::nullopt);
    QGuiApplication::clipboard()->setImage(grab().toImage());
    m_marker = marker;
}

} // namespace ui

// SPDX-License-Identifier: MIT
#include "ui/widgets/accessible_area.h"

#include <QAccessibleWidget>

namespace ui {

namespace {

QAccessibleInterface *areaInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(AccessibleArea::staticMetaObject.className()))
        return nullptr;
    auto *area = static_cast<AccessibleArea *>(object);
    return new QAccessibleWidget(area, area->role());
}

} // namespace

AccessibleArea::AccessibleArea(QAccessible::Role role, const QRect &area, QWidget &parent)
    : QWidget(&parent)
    , m_role(role)
{
    static const bool installed = [] {
        QAccessible::installFactory(areaInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(area);
}

} // namespace ui

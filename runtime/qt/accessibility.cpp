// SPDX-License-Identifier: MIT
#include "runtime/qt/accessibility.h"

#include <QAccessible>
#include <QWidget>

namespace runtime::qt {

namespace {

bool fromUnshownWindow(const QAccessibleEvent &event)
{
    // A control leaving, or going away, is news to a reader that knew it.
    if (event.type() == QAccessible::ObjectHide || event.type() == QAccessible::ObjectDestroyed)
        return false;
    const QObject *object = event.object();
    return object && object->isWidgetType() &&
           !static_cast<const QWidget *>(object)->window()->isVisible();
}

void passOnShownWindows(QAccessibleEvent *event)
{
    if (fromUnshownWindow(*event))
        return;
    // Without a handler of its own, Qt passes the event to the platform.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passOnShownWindows);
}

} // namespace

void quietenUnshownWindows()
{
    QAccessible::installUpdateHandler(passOnShownWindows);
}

} // namespace runtime::qt

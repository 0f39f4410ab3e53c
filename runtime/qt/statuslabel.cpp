// SPDX-License-Identifier: MIT
#include "runtime/qt/statuslabel.h"

#include <QAccessibleWidget>

namespace runtime::qt {

namespace {

class StatusBarInterface final : public QAccessibleWidget
{
public:
    explicit StatusBarInterface(QLabel *label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name)
            return static_cast<const QLabel *>(object())->text();
        return QAccessibleWidget::text(type);
    }
};

QAccessibleInterface *statusInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(StatusLabel::staticMetaObject.className()))
        return new StatusBarInterface(static_cast<QLabel *>(object));
    if (className == QLatin1String("QWidget") && qobject_cast<StatusLabel *>(object->parent()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

StatusLabel::StatusLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(statusInterface);
        return true;
    }();
    Q_UNUSED(installed)
    m_news = new QWidget(this);
    m_news->setGeometry(0, 0, 0, 0);
    // Hidden until the first news, so that the window's showing says nothing.
    m_news->hide();
}

void StatusLabel::announce(const QString &news)
{
    m_news->setAccessibleName(news);
    m_news->hide();
    m_news->show();
}

} // namespace runtime::qt

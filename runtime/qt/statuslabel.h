// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace runtime::qt {

// A label that is also the window's status line for assistive technology: a
// screen reader reads it as the window's status bar, and hears from inside it
// the window's news, told at once and unasked. The news takes no room and
// draws nothing.
class StatusLabel final : public QLabel
{
    Q_OBJECT

public:
    StatusLabel(const QString &text, QWidget *parent);

    // Readers speak a notification as it comes into view (inside a status
    // bar, without naming its role), and each one cuts off the last.
    void announce(const QString &news);

private:
    QWidget *m_news;
};

} // namespace runtime::qt

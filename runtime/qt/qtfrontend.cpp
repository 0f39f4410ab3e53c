// SPDX-License-Identifier: MIT
#include "runtime/qt/qtfrontend.h"

#include "runtime/qt/dialogs.h"
#include "runtime/qt/qtwindow.h"
#include "runtime/qt/text.h"

#include <QCoreApplication>

#include <utility>

namespace runtime::qt {

QtFrontEnd::QtFrontEnd(std::function<void()> end) : m_end(std::move(end))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        const std::function<void()> due = std::exchange(m_due, nullptr);
        if (due)
            due();
    });
}

std::unique_ptr<Window> QtFrontEnd::makeWindow(const WindowTemplate &layout, WindowEvents &events)
{
    return std::make_unique<QtWindow>(layout, events);
}

Task<std::u16string> QtFrontEnd::prompt(std::u16string question, std::u16string title,
                                        std::u16string defaultText)
{
    const QString answer =
        co_await textPrompt(toQString(question), toQString(title), toQString(defaultText));
    co_return fromQString(answer);
}

Task<> QtFrontEnd::message(MessageKind kind, std::u16string text, std::u16string title)
{
    co_await messageBox(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                        toQString(text), toQString(title));
}

std::chrono::nanoseconds QtFrontEnd::now() const
{
    return std::chrono::steady_clock::now().time_since_epoch();
}

void QtFrontEnd::setTimer(std::chrono::milliseconds delay, std::function<void()> due)
{
    m_due = std::move(due);
    m_timer.start(delay);
}

void QtFrontEnd::cancelTimer()
{
    m_timer.stop();
    m_due = nullptr;
}

void QtFrontEnd::endProgram()
{
    m_end();
}

} // namespace runtime::qt

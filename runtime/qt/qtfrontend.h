// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/frontend.h"

#include <QTimer>

#include <functional>

namespace runtime::qt {

// The game's front end on Qt Widgets: its windows are widgets, its dialogs
// Qt's standard ones, its timer a precise QTimer.
class QtFrontEnd : public FrontEnd
{
public:
    // end ends the program; see endProgram().
    explicit QtFrontEnd(std::function<void()> end);

    std::unique_ptr<Window> makeWindow(const WindowTemplate &layout, WindowEvents &events) override;
    Task<std::u16string> prompt(std::u16string question, std::u16string title,
                                std::u16string defaultText) override;
    Task<> message(MessageKind kind, std::u16string text, std::u16string title) override;
    std::chrono::nanoseconds now() const override;
    void setTimer(std::chrono::milliseconds delay, std::function<void()> due) override;
    void cancelTimer() override;
    void endProgram() override;

private:
    std::function<void()> m_end;
    // Precise: Qt would turn a coarse timer of 20 s or more into a
    // whole-second one.
    QTimer m_timer;
    std::function<void()> m_due;
};

} // namespace runtime::qt

// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/frontend.h"

#include <functional>

namespace runtime::web {

// The game's front end in a browser page, on the page's own elements: its
// windows are HTML, its dialogs <dialog>s opened with showModal(), its clock
// the page's monotonic one and its timer setTimeout().
class WebFrontEnd final : public FrontEnd
{
public:
    // end ends the program; see endProgram().
    explicit WebFrontEnd(std::function<void()> end);

    std::unique_ptr<Window> makeWindow(const WindowTemplate &layout, WindowEvents &events) override;
    Task<std::u16string> prompt(std::u16string question, std::u16string title,
                                std::u16string defaultText) override;
    Task<> message(MessageKind kind, std::u16string text, std::u16string title) override;
    std::chrono::nanoseconds now() const override;
    void setTimer(std::chrono::milliseconds delay, std::function<void()> due) override;
    void cancelTimer() override;
    void endProgram() override;

    // The page's word that the timer is due.
    void timerDue();

private:
    std::function<void()> m_end;
    std::function<void()> m_due;
    int m_windows = 0;
};

} // namespace runtime::web

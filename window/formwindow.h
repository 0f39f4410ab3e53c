// SPDX-License-Identifier: MIT
#pragma once

#include "rules/formview.h"
#include "runtime/gameclock.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace runtime {
struct Services;
class Window;
class WindowEvents;
} // namespace runtime

// One load of the form's window, as the game sees it: the values of its
// controls that the game sets and reads, kept here and shown by the front
// end's window, and its clock. It holds no game logic; Form1 handles its
// events. Destroying it unloads the window.
class FormWindow final : public rules::FormView
{
public:
    FormWindow(runtime::Services &services, runtime::WindowEvents &events,
               std::function<void()> timer1Ticked);
    ~FormWindow() override;

    // Stopped until the game starts it.
    runtime::GameClock Timer1;

    bool markVisible(int index) const override;
    void setMarkVisible(int index, bool visible) override;
    void setFeedback(const std::u16string &text) override;
    void setTally(const std::u16string &text) override;
    const std::u16string &feedback() const { return m_feedback; }
    const std::u16string &tally() const { return m_tally; }

    void show();

    // What a screen reader says of the game besides the controls' own texts:
    // the window's description says where the mark is (read as the window
    // appears), and the buttons' description gives the tally (read with the
    // focused button). describe() brings both up to date.
    void describe();
    // Tells a screen reader at once the click's feedback and where the mark
    // went ("Oops! Mark above Middle!"), then describes the window anew.
    void announceClick();
    // "Mark above Middle!", or "" while no mark shows.
    std::u16string markPlace() const;

private:
    std::unique_ptr<runtime::Window> m_window;
    std::array<bool, 3> m_marks{};
    std::u16string m_feedback;
    std::u16string m_tally;
};

// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/task.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace runtime {

struct WindowTemplate;

// The seam between the game and whatever shows it. A front end (the
// desktop's widgets in runtime/qt/, a test's fake) implements FrontEnd and
// Window, and calls a window's WindowEvents. Nothing else of it reaches the game: the game
// decides what to show and when it needs time, the front end shows it and
// owns the clock. Every text is shown as plain text, exactly as given.

// What the game hears of a window it made. A control or menu item is known by
// its index in the window's template.
class WindowEvents
{
public:
    virtual ~WindowEvents() = default;

    // A push button was pressed, by mouse, touch or keyboard.
    virtual void pressed(int control) = 0;
    virtual void menuChosen(int item) = 0;
    // The player closed the window with the window system's own control.
    virtual void closeRequested() = 0;
};

// One load of a window: made hidden from its template, with every control as
// the template has it. Destroying it unloads it: it is gone from the screen
// at once, and its events stop.
class Window
{
public:
    virtual ~Window() = default;

    // The control's caption.
    virtual void setCaption(int control, std::u16string_view text) = 0;
    virtual void setVisible(int control, bool visible) = 0;
    // What a screen reader says of a control beside its caption, or of the
    // window itself for windowItself.
    static constexpr int windowItself = -1;
    virtual void setDescription(int control, std::u16string_view text) = 0;
    // Shows the window at its template's size and makes it the active one,
    // with the keyboard focus on its first push button in tab order.
    virtual void show() = 0;
    // Tells a screen reader at once, unasked, cutting off the last news.
    virtual void announce(std::u16string_view news) = 0;
};

enum class MessageKind { Plain, Error };

class FrontEnd
{
public:
    virtual ~FrontEnd() = default;

    // A new, hidden window whose events go to events.
    virtual std::unique_ptr<Window> makeWindow(const WindowTemplate &layout,
                                               WindowEvents &events) = 0;

    // Modal to the whole program; answered when they close, with no event
    // loop of their own (the awaiting task goes on from the answer's event).
    // The prompt offers a one-line field holding defaultText, selected, with
    // OK and Cancel; it gives the field's text, or "" when it is cancelled or
    // closed. The message has an OK button alone.
    virtual Task<std::u16string> prompt(std::u16string question, std::u16string title,
                                        std::u16string defaultText) = 0;
    virtual Task<> message(MessageKind kind, std::u16string text, std::u16string title) = 0;

    // A monotonic clock.
    virtual std::chrono::nanoseconds now() const = 0;
    // The one timer: due runs once, no sooner than delay from now, from the
    // event loop. Setting it again replaces the one pending. The front end
    // lets go of due before calling it, so due may set the timer anew.
    virtual void setTimer(std::chrono::milliseconds delay, std::function<void()> due) = 0;
    virtual void cancelTimer() = 0;

    // Ends the program with exit status 0 once the running handler returns.
    virtual void endProgram() = 0;
};

} // namespace runtime

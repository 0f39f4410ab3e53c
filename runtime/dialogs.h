// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/task.h"

#include <string>
#include <vector>

namespace runtime {

class FrontEnd;
class GameClock;

// The program's modal dialogs, on the front end's. Each is answered when it
// closes: the handler that shows one awaits its task. While any of them is
// open, every game clock stands still.
class Dialogs final
{
public:
    Dialogs(FrontEnd &frontEnd, std::u16string programName);
    Dialogs(const Dialogs &) = delete;
    Dialogs &operator=(const Dialogs &) = delete;

    // Gives the field's text, or "" when the prompt is cancelled or closed.
    Task<std::u16string> prompt(std::u16string question, std::u16string title,
                                std::u16string defaultText);
    // A message with an OK button alone.
    Task<> message(std::u16string text, std::u16string title);
    // The report of an error that stopped an event handler, under the
    // program's name.
    Task<> errorMessage(std::u16string text);

    bool anyOpen() const { return m_open > 0; }

private:
    friend class GameClock;
    void hold(GameClock &clock);
    void release(GameClock &clock);

    // One open dialog, for as long as its task waits; a task ended where it
    // waits closes it too.
    class Open
    {
    public:
        explicit Open(Dialogs &dialogs);
        ~Open();
        Open(const Open &) = delete;
        Open &operator=(const Open &) = delete;

    private:
        Dialogs &m_dialogs;
    };

    FrontEnd &m_frontEnd;
    std::u16string m_programName;
    int m_open = 0;
    std::vector<GameClock *> m_clocks;
};

} // namespace runtime

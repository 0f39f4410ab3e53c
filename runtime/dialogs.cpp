// SPDX-License-Identifier: MIT
#include "runtime/dialogs.h"

#include "runtime/frontend.h"
#include "runtime/gameclock.h"

#include <algorithm>
#include <utility>

namespace runtime {

Dialogs::Dialogs(FrontEnd &frontEnd, std::u16string programName)
    : m_frontEnd(frontEnd), m_programName(std::move(programName))
{}

Task<std::u16string> Dialogs::prompt(std::u16string question, std::u16string title,
                                     std::u16string defaultText)
{
    const Open open(*this);
    co_return co_await m_frontEnd.prompt(std::move(question), std::move(title),
                                         std::move(defaultText));
}

Task<> Dialogs::message(std::u16string text, std::u16string title)
{
    const Open open(*this);
    co_await m_frontEnd.message(MessageKind::Plain, std::move(text), std::move(title));
}

Task<> Dialogs::errorMessage(std::u16string text)
{
    const Open open(*this);
    co_await m_frontEnd.message(MessageKind::Error, std::move(text), m_programName);
}

void Dialogs::hold(GameClock &clock)
{
    m_clocks.push_back(&clock);
}

void Dialogs::release(GameClock &clock)
{
    std::erase(m_clocks, &clock);
}

Dialogs::Open::Open(Dialogs &dialogs) : m_dialogs(dialogs)
{
    if (m_dialogs.m_open++ == 0) {
        for (GameClock *clock : m_dialogs.m_clocks)
            clock->pause();
    }
}

Dialogs::Open::~Open()
{
    if (--m_dialogs.m_open == 0) {
        for (GameClock *clock : m_dialogs.m_clocks)
            clock->resume();
    }
}

} // namespace runtime

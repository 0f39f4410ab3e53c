// SPDX-License-Identifier: MIT
#include "window/form1.h"

#include "rules/clickjudgement.h"
#include "rules/score.h"
#include "rules/targetchoice.h"
#include "runtime/dialogs.h"
#include "runtime/dispatch.h"
#include "window/formtemplate.h"
#include "window/formwindow.h"

Form1::Form1(runtime::Services &services) : m_services(services) {}

Form1::~Form1() = default;

runtime::Task<> Form1::Show()
{
    if (!m_window) {
        m_window = std::make_unique<FormWindow>(
            m_services, *this, [this] { handle([this] { return Timer1_Timer(); }); });
        co_await Form_Load();
        if (!m_window)
            co_return;
        // The game's time runs from the moment the name is given.
        m_window->Timer1.start(formtemplate::Timer1Interval);
    }
    m_window->show();
}

void Form1::Unload()
{
    // The window may be inside the very event that unloads it (a tick, a menu
    // item); the front end takes it from the screen at once and lets its
    // controls go once that event is over.
    m_window.reset();
}

runtime::Task<> Form1::Form_Load()
{
    m_state.playerName =
        co_await m_services.dialogs.prompt(u"So, what's your name?", u"Your Identity", u"No-Name");
    choose();
}

void Form1::Command1_Click(std::int16_t Index)
{
    rules::Command1_Click(m_state, *m_window, m_services.random, Index);
}

runtime::Task<> Form1::Timer1_Timer()
{
    co_await m_services.dialogs.message(rules::scoreMessage(m_state), u"Your Score!");
    co_await reload();
}

runtime::Task<> Form1::mnuReset_Click()
{
    co_await reload();
}

void Form1::mnuEnd_Click()
{
    m_services.frontEnd.endProgram();
}

void Form1::choose()
{
    rules::choose(*m_window, m_services.random);
    m_window->describe();
}

runtime::Task<> Form1::reload()
{
    Unload();
    co_await Show();
    // Only now, once the new name is in and the first mark drawn.
    m_state.hits = 0;
    m_state.clicks = 0;
}

template <typename Handler> void Form1::handle(Handler handler)
{
    m_handlers.run(runtime::dispatch(m_services.dialogs, handler));
}

runtime::Task<> Form1::clicked(std::int16_t index)
{
    co_await runtime::dispatch(m_services.dialogs, [this, index] { Command1_Click(index); });
    // Whatever became of the click, a screen reader tells it.
    if (m_window)
        m_window->announceClick();
}

void Form1::pressed(int control)
{
    for (std::int16_t i = 0; i < 3; ++i) {
        if (control == formtemplate::Command1(i))
            m_handlers.run(clicked(i));
    }
}

void Form1::menuChosen(int item)
{
    if (item == formtemplate::mnuReset)
        handle([this] { return mnuReset_Click(); });
    else if (item == formtemplate::mnuEnd)
        handle([this] { mnuEnd_Click(); });
}

void Form1::closeRequested()
{
    // Closing the window is the end of the program, as the last window's
    // close always is.
    m_services.frontEnd.endProgram();
}

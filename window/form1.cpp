// SPDX-License-Identifier: MIT
#include "window/form1.h"

#include "rules/clickjudgement.h"
#include "rules/score.h"
#include "rules/targetchoice.h"
#include "runtime/dialogs.h"
#include "runtime/dispatch.h"
#include "runtime/gameclock.h"
#include "window/formtemplate.h"
#include "window/formwindow.h"
#include "window/tallylabel.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

Form1::Form1(runtime::Services &services) : m_services(services) {}

Form1::~Form1() = default;

runtime::Task<> Form1::Show()
{
    if (!m_window) {
        m_window = std::make_unique<FormWindow>(m_services.makeClock);
        wire(*m_window);
        co_await Form_Load();
        if (!m_window)
            co_return;
        // The game's time runs from the moment the name is given.
        m_window->Timer1->start(formtemplate::Timer1Interval);
    }
    // At the template's size wherever it runs, even where windows are shown
    // full screen by default (a browser page).
    m_window->showNormal();
    // The keyboard goes to the game as soon as its window is back, even where
    // no window manager hands the focus on from the closed prompt.
    m_window->activateWindow();
}

void Form1::Unload()
{
    if (!m_window)
        return;
    // The window may be inside the very event that unloads it (a tick, a menu
    // item), so it is deleted once that event is over. Until then it is
    // hidden and its clock stopped, so nothing of it reaches the game.
    m_window->Timer1->stop();
    m_window->hide();
    m_window.release()->deleteLater();
}

runtime::Task<> Form1::Form_Load()
{
    m_state.playerName = co_await m_services.dialogs.textPrompt(
        QStringLiteral("So, what's your name?"), QStringLiteral("Your Identity"),
        QStringLiteral("No-Name"));
    choose();
}

void Form1::Command1_Click(qint16 Index)
{
    rules::Command1_Click(m_state, *this, m_services.random, Index);
}

runtime::Task<> Form1::Timer1_Timer()
{
    co_await m_services.dialogs.message(rules::scoreMessage(m_state),
                                        QStringLiteral("Your Score!"));
    co_await reload();
}

runtime::Task<> Form1::mnuReset_Click()
{
    co_await reload();
}

void Form1::mnuEnd_Click()
{
    m_services.endProgram();
}

void Form1::choose()
{
    rules::choose(*this, m_services.random);
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

bool Form1::markVisible(int index) const
{
    // The window's own visibility does not count: a mark set to show is
    // visible even while the window is still hidden during its load.
    return !m_window->Label1.at(index)->isHidden();
}

void Form1::setMarkVisible(int index, bool visible)
{
    m_window->Label1.at(index)->setVisible(visible);
}

void Form1::setFeedback(const QString &text)
{
    m_window->Label2->setText(text);
}

void Form1::setTally(const QString &text)
{
    m_window->Label3->setText(text);
}

template <typename Handler> void Form1::handle(Handler handler)
{
    m_handlers.run(runtime::dispatch(m_services.dialogs, handler));
}

runtime::Task<> Form1::clicked(qint16 index)
{
    co_await runtime::dispatch(m_services.dialogs, [this, index] { Command1_Click(index); });
    // Whatever became of the click, a screen reader tells it.
    if (m_window)
        m_window->announceClick();
}

// Every event of a loaded window reaches its handler here, through the
// runtime's dispatch, which reports an overflow that escapes a handler.
void Form1::wire(FormWindow &window)
{
    for (qint16 i = 0; i < 3; ++i)
        connect(window.Command1[i], &QPushButton::clicked, this,
                [this, i] { m_handlers.run(clicked(i)); });
    connect(window.Timer1, &runtime::GameClock::ticked, this,
            [this] { handle([this] { return Timer1_Timer(); }); });
    connect(window.mnuReset, &QAction::triggered, this,
            [this] { handle([this] { return mnuReset_Click(); }); });
    connect(window.mnuEnd, &QAction::triggered, this,
            [this] { handle([this] { mnuEnd_Click(); }); });
    // Closing the window is the end of the program, as the last window's
    // close always is; the runtime no longer quits by itself for it.
    connect(&window, &FormWindow::closeRequested, this, [this] { m_services.endProgram(); });
}

// SPDX-License-Identifier: MIT
#pragma once

#include "rules/gamestate.h"
#include "runtime/frontend.h"
#include "runtime/handlers.h"
#include "runtime/project.h"
#include "runtime/task.h"

#include <cstdint>
#include <memory>

class FormWindow;

// The game's one form, alive for the whole run. It owns the game state; its
// window is made from the template when the form is loaded and destroyed when
// it is unloaded, and the state outlives both. Each handler is named after the
// control and event it answers.
class Form1 final : public runtime::Form, public runtime::WindowEvents
{
public:
    explicit Form1(runtime::Services &services);
    ~Form1() override;
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    runtime::Task<> Show() override;
    // Destroys the window and its controls and stops the game clock.
    void Unload();

    const rules::GameState &state() const { return m_state; }
    // The loaded window, or nullptr while the form is unloaded.
    FormWindow *loadedWindow() const { return m_window.get(); }

    runtime::Task<> Form_Load();
    // 0 <= Index <= 2: Left, Middle, Right.
    void Command1_Click(std::int16_t Index);
    runtime::Task<> Timer1_Timer();
    runtime::Task<> mnuReset_Click();
    void mnuEnd_Click();
    void choose();

    // The loaded window's events, each through the runtime's dispatch, which
    // reports an overflow that escapes a handler.
    void pressed(int control) override;
    void menuChosen(int item) override;
    void closeRequested() override;

private:
    runtime::Task<> reload();
    template <typename Handler> void handle(Handler handler);
    // A press of a position button, and what a screen reader hears of it.
    runtime::Task<> clicked(std::int16_t index);

    runtime::Services &m_services;
    rules::GameState m_state;
    std::unique_ptr<FormWindow> m_window;
    // Last, so that a handler still waiting goes before what it works on.
    runtime::Handlers m_handlers;
};

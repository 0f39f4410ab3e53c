// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/dialogs.h"
#include "runtime/handlers.h"
#include "runtime/project.h"
#include "runtime/randomstream.h"
#include "window/form1.h"
#include "window/formtemplate.h"
#include "window/formwindow.h"

#include <cstdint>

// The game's form on a front end of the test's (with scripted dialogs and
// time handed out by hand, as FakeFrontEnd and QtTestFrontEnd have them) and
// a seeded stream, made as a run makes it.
template <typename FrontEndType> class GameFixture
{
public:
    explicit GameFixture(std::uint32_t seed = 5) : random(seed) {}

    FrontEndType frontEnd;
    runtime::Dialogs dialogs{frontEnd, u"Zapgrid"};
    runtime::SeededStream random;
    runtime::Services services{frontEnd, dialogs, random};
    Form1 form{services};
    // After the form: a start-up still waiting goes first.
    runtime::Handlers startUp;

    // Loads and shows the form as the runtime does at start-up.
    void show() { startUp.run(form.Show()); }
    // A whole game's time passes.
    void elapse() { frontEnd.time.advance(formtemplate::Timer1Interval); }

    const rules::GameState &state() const { return form.state(); }
    FormWindow *loaded() const { return form.loadedWindow(); }
    runtime::GameClock::State clock() const { return loaded()->Timer1.state(); }
    // The position whose mark shows, or -1.
    int target() const
    {
        for (int i = 0; i < 3; ++i)
            if (loaded()->markVisible(i))
                return i;
        return -1;
    }
};

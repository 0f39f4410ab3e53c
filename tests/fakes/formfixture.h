// SPDX-License-Identifier: MIT
#pragma once

#include "fakes/manualclock.h"
#include "runtime/handlers.h"
#include "runtime/project.h"
#include "runtime/randomstream.h"
#include "window/form1.h"
#include "window/formwindow.h"

#include <QLabel>
#include <QList>
#include <QPushButton>

// A form on the dialogs given, a seeded stream and clocks the test runs by
// hand; End only counts.
class FormFixture
{
public:
    FormFixture(runtime::Dialogs &dialogs, quint32 seed)
        : random(seed), services{dialogs, random,
                                 [this](QObject *parent) {
                                     clocks << new ManualClock(parent);
                                     return clocks.last();
                                 },
                                 [this] {
                                     ++ended;
                                 }}
    {}

    runtime::SeededStream random;
    // Every game clock made so far, the current one last.
    QList<ManualClock *> clocks;
    int ended = 0;
    runtime::Services services;
    Form1 form{services};
    // After the form: a start-up still waiting goes first.
    runtime::Handlers startUp;

    // Loads and shows the form as the runtime does at start-up.
    void show() { startUp.run(form.Show()); }

    FormWindow *window() const { return form.loadedWindow(); }
    ManualClock *clock() const { return clocks.last(); }
    QPushButton *button(int index) const { return window()->Command1[index]; }
    // The position whose mark shows, or -1.
    int target() const
    {
        for (int i = 0; i < 3; ++i)
            if (!window()->Label1[i]->isHidden())
                return i;
        return -1;
    }
    int visibleMarks() const
    {
        int count = 0;
        for (QLabel *mark : window()->Label1)
            count += mark->isHidden() ? 0 : 1;
        return count;
    }
};

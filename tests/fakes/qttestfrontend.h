// SPDX-License-Identifier: MIT
#pragma once

#include "fakes/manualtime.h"
#include "fakes/scripteddialogs.h"
#include "runtime/qt/qtfrontend.h"
#include "runtime/qt/qtwindow.h"

// The Qt front end with real windows, its dialogs answered as scripted (or
// Qt's own, with realDialogs) and its time handed out by the test; End only
// counts.
class QtTestFrontEnd final : public ManualTimeOn<ScriptedDialogsOn<runtime::qt::QtFrontEnd>>
{
public:
    QtTestFrontEnd() : ManualTimeOn([this] { ++ended; }) {}

    int ended = 0;
    // The newest window made.
    runtime::qt::QtWindow *window = nullptr;

    std::unique_ptr<runtime::Window> makeWindow(const runtime::WindowTemplate &layout,
                                                runtime::WindowEvents &events) override
    {
        auto made = std::make_unique<runtime::qt::QtWindow>(layout, events);
        window = made.get();
        return made;
    }
};

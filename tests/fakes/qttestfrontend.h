// SPDX-License-Identifier: MIT
#pragma once

#include "fakes/manualtime.h"
#include "fakes/scripteddialogs.h"
#include "runtime/qt/qtfrontend.h"
#include "runtime/qt/qtwindow.h"

// The Qt front end with real windows, its dialogs answered as scripted (or
// Qt's own, with realDialogs) and its time handed out by the test; End only
// counts.
class QtTestFrontEnd final : public runtime::qt::QtFrontEnd
{
public:
    QtTestFrontEnd() : QtFrontEnd([this] { ++ended; }) {}

    ScriptedDialogs dialogs;
    bool realDialogs = false;
    ManualTime time;
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
    runtime::Task<std::u16string> prompt(std::u16string question, std::u16string title,
                                         std::u16string defaultText) override
    {
        if (realDialogs)
            return QtFrontEnd::prompt(std::move(question), std::move(title),
                                      std::move(defaultText));
        return dialogs.prompt(std::move(question), std::move(title), std::move(defaultText));
    }
    runtime::Task<> message(runtime::MessageKind kind, std::u16string text,
                            std::u16string title) override
    {
        if (realDialogs)
            return QtFrontEnd::message(kind, std::move(text), std::move(title));
        return dialogs.message(kind, std::move(text), std::move(title));
    }
    std::chrono::nanoseconds now() const override { return time.now; }
    void setTimer(std::chrono::milliseconds delay, std::function<void()> due) override
    {
        time.set(delay, std::move(due));
    }
    void cancelTimer() override { time.cancel(); }
};

// SPDX-License-Identifier: MIT
#pragma once

#include "fakes/manualtime.h"
#include "fakes/scripteddialogs.h"
#include "runtime/frontend.h"
#include "runtime/windowtemplate.h"

#include <algorithm>
#include <string>
#include <vector>

class FakeFrontEnd;

// A window reduced to what the game set on it, as a screen shows and a screen
// reader tells it.
class FakeWindow final : public runtime::Window
{
public:
    FakeWindow(FakeFrontEnd &frontEnd, const runtime::WindowTemplate &layout,
               runtime::WindowEvents &events);
    ~FakeWindow() override;

    void setCaption(int control, std::u16string_view text) override { captions.at(control) = text; }
    void setVisible(int control, bool shown) override { visible.at(control) = shown; }
    void setDescription(int control, std::u16string_view text) override
    {
        (control == windowItself ? description : descriptions.at(control)) = text;
    }
    void show() override { ++shown; }
    void announce(std::u16string_view text) override { news.emplace_back(text); }

    // The player's doing: may unload this very window.
    void press(int control) { m_events.pressed(control); }
    void choose(int item) { m_events.menuChosen(item); }
    void close() { m_events.closeRequested(); }

    std::vector<std::u16string> captions;
    std::vector<bool> visible;
    std::vector<std::u16string> descriptions;
    std::u16string description;
    int shown = 0;
    std::vector<std::u16string> news;

private:
    FakeFrontEnd &m_frontEnd;
    runtime::WindowEvents &m_events;
};

// The seam answered by the test: windows kept as values, dialogs answered as
// scripted, time handed out by hand; End only counts.
class FakeFrontEnd final : public ManualTimeOn<ScriptedDialogsOn<runtime::FrontEnd>>
{
public:
    // The windows loaded now, the newest last; and how many were made.
    std::vector<FakeWindow *> windows;
    int windowsMade = 0;
    int ended = 0;

    FakeWindow *window() const { return windows.empty() ? nullptr : windows.back(); }

    std::unique_ptr<runtime::Window> makeWindow(const runtime::WindowTemplate &layout,
                                                runtime::WindowEvents &events) override
    {
        ++windowsMade;
        return std::make_unique<FakeWindow>(*this, layout, events);
    }
    void endProgram() override { ++ended; }
};

inline FakeWindow::FakeWindow(FakeFrontEnd &frontEnd, const runtime::WindowTemplate &layout,
                              runtime::WindowEvents &events)
    : descriptions(layout.controls.size()), m_frontEnd(frontEnd), m_events(events)
{
    for (const runtime::ControlTemplate &control : layout.controls) {
        captions.push_back(control.caption);
        visible.push_back(control.visible);
    }
    m_frontEnd.windows.push_back(this);
}

inline FakeWindow::~FakeWindow()
{
    std::erase(m_frontEnd.windows, this);
}

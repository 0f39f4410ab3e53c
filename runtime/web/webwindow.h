// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/frontend.h"

namespace runtime::web {

// One load of a window in the page: a section of HTML laid out from its
// template, a CSS pixel for every 15 twips.
class WebWindow final : public Window
{
public:
    WebWindow(int id, const WindowTemplate &layout, WindowEvents &events);
    ~WebWindow() override;
    WebWindow(const WebWindow &) = delete;
    WebWindow &operator=(const WebWindow &) = delete;

    void setCaption(int control, std::u16string_view text) override;
    void setVisible(int control, bool visible) override;
    void setDescription(int control, std::u16string_view text) override;
    void show() override;
    void announce(std::u16string_view news) override;

    // The window loaded under id, whose events the page tells of; nullptr
    // once it is unloaded.
    static WebWindow *find(int id);
    WindowEvents &events() const { return m_events; }

private:
    int m_id;
    WindowEvents &m_events;
};

} // namespace runtime::web

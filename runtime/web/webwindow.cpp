// SPDX-License-Identifier: MIT
#include "runtime/web/webwindow.h"

#include "runtime/web/page.h"
#include "runtime/windowtemplate.h"

#include <map>

namespace runtime::web {

namespace {

std::map<int, WebWindow *> &loaded()
{
    static std::map<int, WebWindow *> windows;
    return windows;
}

} // namespace

WebWindow::WebWindow(int id, const WindowTemplate &layout, WindowEvents &events)
    : m_id(id), m_events(events)
{
    zapgrid_window_open(id, layout.caption.data(), layout.caption.size(), layout.clientWidth,
                        layout.clientHeight);
    for (std::size_t item = 0; item < layout.menu.size(); ++item)
        zapgrid_window_menu(id, int(item), layout.menu[item].data(), layout.menu[item].size());
    for (std::size_t index = 0; index < layout.controls.size(); ++index) {
        const ControlTemplate &control = layout.controls[index];
        zapgrid_window_control(id, int(index), int(control.kind), control.caption.data(),
                               control.caption.size(), control.place.left, control.place.top,
                               control.place.width, control.place.height, control.pointSize,
                               control.bold, control.visible, control.centred, control.tabIndex);
        if (!control.description.empty())
            setDescription(int(index), control.description);
    }
    loaded()[id] = this;
}

WebWindow::~WebWindow()
{
    loaded().erase(m_id);
    zapgrid_window_close(m_id);
}

WebWindow *WebWindow::find(int id)
{
    const auto window = loaded().find(id);
    return window == loaded().end() ? nullptr : window->second;
}

void WebWindow::setCaption(int control, std::u16string_view text)
{
    zapgrid_window_caption(m_id, control, text.data(), text.size());
}

void WebWindow::setVisible(int control, bool visible)
{
    zapgrid_window_visible(m_id, control, visible);
}

void WebWindow::setDescription(int control, std::u16string_view text)
{
    zapgrid_window_describe(m_id, control, text.data(), text.size());
}

void WebWindow::show()
{
    zapgrid_window_show(m_id);
}

void WebWindow::announce(std::u16string_view news)
{
    zapgrid_announce(news.data(), news.size());
}

} // namespace runtime::web

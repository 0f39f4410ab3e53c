// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <memory>

namespace runtime::qt {

// A window or dialog goes from the screen at once, and is deleted once the
// event under way is over: it may be inside the very event that lets it go
// (a dialog's answer comes from its own finished() signal, a menu item may
// unload its window).
struct DeleteLater
{
    void operator()(QWidget *widget) const
    {
        widget->hide();
        widget->deleteLater();
    }
};
template <typename Widget> using LaterPointer = std::unique_ptr<Widget, DeleteLater>;

} // namespace runtime::qt

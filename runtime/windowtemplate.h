// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace runtime {

// What a window is made of, as data: a front end lays it out in its own way.
// Positions and sizes are in twips (1440 to the inch, 15 to a pixel at 96 dots
// per inch), from the top left of the window's client area.
struct Twips
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind {
    PushButton,
    Label,
    // A label that is also the window's status line: a screen reader reads it
    // as such, and hears the window's news from it.
    StatusLabel,
};

struct ControlTemplate
{
    ControlKind kind = ControlKind::Label;
    // Shown as it is: no markup, no access key.
    std::u16string caption;
    Twips place;
    double pointSize = 0;
    bool bold = false;
    bool visible = true;
    bool centred = false;
    // The keyboard visits the push buttons by this order, and the first of
    // them has the focus whenever the window shows.
    int tabIndex = 0;
    // What a screen reader says of the control beside its caption.
    std::u16string description;
};

struct WindowTemplate
{
    std::u16string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    // The face the layout was drawn for; a front end without it picks one
    // close to it.
    std::u16string fontFace;
    // The menu bar's items, side by side, without submenus. A caption's "&"
    // marks the letter after it as the item's access key.
    std::vector<std::u16string> menu;
    // A control is known by its index here.
    std::vector<ControlTemplate> controls;
};

} // namespace runtime

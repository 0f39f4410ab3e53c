// SPDX-License-Identifier: MIT
#include "window/formtemplate.h"

#include "runtime/windowtemplate.h"

#include <utility>

namespace formtemplate {

namespace {

using runtime::ControlKind;
using runtime::ControlTemplate;

ControlTemplate button(std::u16string caption, runtime::Twips place, int tabIndex)
{
    return {
        ControlKind::PushButton, std::move(caption), place, 13.5, false, true, false, tabIndex, {}};
}

// Three marks read alike; a screen reader tells them apart by their
// description, and which one shows by its visible state.
ControlTemplate mark(const std::u16string &above, runtime::Twips place, int tabIndex)
{
    return {ControlKind::Label,    u"HIT!", place, 18, true, false, false, tabIndex,
            u"Mark above " + above};
}

runtime::WindowTemplate make()
{
    runtime::WindowTemplate layout;
    layout.caption = u"Zapgrid by Brevanno";
    layout.clientWidth = 3825;
    layout.clientHeight = 2745;
    layout.fontFace = u"MS Sans Serif";
    layout.menu = {u"&Reset!", u"&End"};
    layout.controls = {
        button(u"Left!", {480, 840, 735, 495}, 0),
        mark(u"Left!", {480, 120, 855, 495}, 1),
        button(u"Middle!", {1320, 840, 1095, 495}, 6),
        mark(u"Middle!", {1440, 120, 855, 495}, 4),
        button(u"Right!", {2520, 840, 855, 495}, 7),
        mark(u"Right!", {2520, 120, 855, 495}, 5),
        {ControlKind::Label,
         u"Oops!",
         {1560, 1560, 975, 375},
         13.5,
         false,
         true,
         false,
         2,
         u"Feedback"},
        {ControlKind::StatusLabel,
         u"0 Correct of 0",
         {240, 2160, 3375, 375},
         13.5,
         false,
         true,
         true,
         3,
         u"Tally"},
    };
    return layout;
}

} // namespace

const runtime::WindowTemplate &form1()
{
    static const runtime::WindowTemplate layout = make();
    return layout;
}

} // namespace formtemplate

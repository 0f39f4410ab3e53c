// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class QAccessibleEvent;

namespace runtime {

class Form;

// What differs between the platforms the program runs on: a desktop, where
// the window system places windows and the program's end is the end of the
// process, and a browser page, which outlives the program.
namespace platform {

// Readies the application for its platform; called once it exists.
void prepare();

// Tells the platform of an accessibility event of a shown window, after
// Qt's own platform bridge (the desktop's AT-SPI) has had it.
void accessibilityUpdate(QAccessibleEvent *event);

// Ends the program with exit status 0 as soon as the running handler has
// returned. form is the start-up form, which a page that outlives the program
// destroys so that nothing of the game is left running in it.
void endProgram(std::unique_ptr<Form> &form);

} // namespace platform
} // namespace runtime

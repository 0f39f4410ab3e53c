// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/task.h"

#include <functional>
#include <memory>
#include <string>

namespace runtime {

class Dialogs;
class FrontEnd;
class RandomStream;

// What a form is given to run on. A real run gets the real ones from its
// front end's start-up; tests build their own.
struct Services
{
    FrontEnd &frontEnd;
    Dialogs &dialogs;
    // The one random stream of the run.
    RandomStream &random;
};

// The start-up form: made once for the run, and shown at start-up.
class Form
{
public:
    virtual ~Form() = default;
    // Loads the form if it is not loaded, then shows its window; over once
    // the window shows.
    virtual Task<> Show() = 0;
};

struct ProjectDescription
{
    // The program's name, which titles its error reports.
    std::u16string programName;
    // The id of the program's desktop entry, without ".desktop": how a
    // Wayland compositor and a dock match its windows to their menu entry.
    std::u16string desktopFileName;
    // Where the front end finds the window icon of every window and dialog,
    // one image file for each size.
    std::u16string iconFolder;
    std::function<std::unique_ptr<Form>(Services &)> makeStartupForm;
};

} // namespace runtime

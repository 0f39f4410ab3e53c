// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/task.h"

#include <QString>

#include <functional>
#include <memory>

class QObject;

namespace runtime {

class Dialogs;
class GameClock;
class RandomStream;

// What a form asks of the runtime besides its widgets. A real run gets the
// real ones from start(); tests build their own.
struct Services
{
    Dialogs &dialogs;
    // The one random stream of the run.
    RandomStream &random;
    // A new, stopped clock owned by parent.
    std::function<GameClock *(QObject *parent)> makeClock;
    // Ends the program at once with exit status 0.
    std::function<void()> endProgram;
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
    // The id of the program's desktop entry, without ".desktop": how a
    // Wayland compositor and a dock match its windows to their menu entry.
    QString desktopFileName;
    // A folder holding the window icon of every window and dialog, one image
    // file for each size.
    QString iconFolder;
    std::function<std::unique_ptr<Form>(Services &)> makeStartupForm;
};

// Makes the application and its services, creates and shows the start-up
// form, then dispatches events until the program ends. Returns the exit
// status.
int start(int &argc, char **argv, const ProjectDescription &project);

} // namespace runtime

// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/project.h"

namespace runtime::qt {

// Makes the application and the services of a run on Qt Widgets, creates and
// shows the start-up form, then dispatches events until the program ends.
// Returns the exit status.
int start(int &argc, char **argv, const ProjectDescription &project);

} // namespace runtime::qt

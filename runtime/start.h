// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/project.h"

namespace runtime {

// Starts the program on the front end the build links: makes the run's
// services, creates and shows the start-up form, then lets events come until
// the program ends. Returns the exit status.
int start(int &argc, char **argv, const ProjectDescription &project);

} // namespace runtime

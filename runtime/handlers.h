// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/task.h"

#include <list>

namespace runtime {

// The event handlers under way: each is started at once, runs until it waits
// for a dialog and goes on when the answer comes, and is let go when it is
// over. A handler still waiting when these go is ended where it waits, and
// its dialog closed.
class Handlers
{
public:
    Handlers() = default;
    Handlers(const Handlers &) = delete;
    Handlers &operator=(const Handlers &) = delete;

    void run(Task<> handler);

private:
    // In a list: a handler that ends removes itself, and the others stay put.
    std::list<Task<>> m_running;
};

} // namespace runtime

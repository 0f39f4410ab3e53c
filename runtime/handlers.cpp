// SPDX-License-Identifier: MIT
#include "runtime/handlers.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace runtime {

void Handlers::run(Task<> handler)
{
    const auto running = m_running.insert(m_running.end(), std::move(handler));
    running->start([this, running] {
        const std::exception_ptr escaped = running->exception();
        m_running.erase(running);
        // The event dispatch reports the one error a handler can raise;
        // anything else is a fault of the program, and ends it.
        if (escaped) {
            std::fputs("An event handler let an exception through\n", stderr);
            std::abort();
        }
    });
}

} // namespace runtime

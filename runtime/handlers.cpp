// SPDX-License-Identifier: MIT
#include "runtime/handlers.h"

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
        if (escaped)
            qFatal("An event handler let an exception through");
    });
}

} // namespace runtime

// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/dialogs.h"
#include "runtime/overflow.h"
#include "runtime/task.h"

#include <QString>

#include <optional>
#include <type_traits>

namespace runtime {

// Runs an event handler the way the runtime runs every handler: an overflow
// that escapes it ends that handler only. It is reported in a modal error
// message and the program goes on with whatever the handler had done. The
// handler either returns at once or gives a task that may wait for dialogs.
template <typename Handler> Task<> dispatch(Dialogs &dialogs, Handler handler)
{
    std::optional<QString> error;
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Handler &>>)
            handler();
        else
            co_await handler();
    } catch (const OverflowError &overflow) {
        error = QString::fromLatin1(overflow.what());
    }
    if (error)
        co_await dialogs.errorMessage(*error);
}

} // namespace runtime

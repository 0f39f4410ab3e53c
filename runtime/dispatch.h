// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/dialogs.h"
#include "runtime/overflow.h"
#include "runtime/task.h"

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace runtime {

// Runs an event handler the way the runtime runs every handler: an overflow
// that escapes it ends that handler only. It is reported in a modal error
// message ("Overflow") and the program goes on with whatever the handler had
// done. The handler either returns at once or gives a task that may wait for
// dialogs.
template <typename Handler> Task<> dispatch(Dialogs &dialogs, Handler handler)
{
    std::optional<std::u16string> report;
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Handler &>>)
            handler();
        else
            co_await handler();
    } catch (const OverflowError &overflow) {
        // The error's own text is plain ASCII.
        const std::string_view what = overflow.what();
        report.emplace(what.begin(), what.end());
    }
    if (report)
        co_await dialogs.errorMessage(*report);
}

} // namespace runtime

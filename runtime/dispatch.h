// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/dialogs.h"
#include "runtime/overflow.h"

#include <QString>

#include <utility>

namespace runtime {

// Runs an event handler the way the runtime runs every handler: an overflow
// that escapes it ends that handler only. It is reported in a modal error
// message and the program goes on with whatever the handler had done.
template <typename Handler> void dispatch(Dialogs &dialogs, Handler &&handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const OverflowError &error) {
        dialogs.errorMessage(QString::fromLatin1(error.what()));
    }
}

} // namespace runtime

// SPDX-License-Identifier: MIT
#include "runtime/overflow.h"

#include <limits>

namespace runtime {

OverflowError::OverflowError() : std::overflow_error("Overflow") {}

void increment16(qint16 &counter)
{
    if (counter == std::numeric_limits<qint16>::max())
        throw OverflowError();
    ++counter;
}

} // namespace runtime

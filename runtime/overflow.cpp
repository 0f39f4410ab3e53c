// SPDX-License-Identifier: MIT
#include "runtime/overflow.h"

#include <limits>

namespace runtime {

OverflowError::OverflowError() : std::overflow_error("Overflow") {}

void increment16(std::int16_t &counter)
{
    if (counter == std::numeric_limits<std::int16_t>::max())
        throw OverflowError();
    ++counter;
}

} // namespace runtime

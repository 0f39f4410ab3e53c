// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>

namespace runtime {

// Raised when a signed 16-bit counter would pass 32767. Nothing in the game
// catches it: it travels out of the handler that raised it to the event
// dispatch, which reports it.
class OverflowError : public std::overflow_error
{
public:
    OverflowError();
};

// Adds one to a signed 16-bit counter. At 32767 the counter keeps its value
// and OverflowError is thrown instead.
void increment16(std::int16_t &counter);

} // namespace runtime

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace runtime {

// A whole number as the game writes it: its digits after one space when it is
// zero or positive, after "-" when negative (400 gives " 400", -200 "-200").
std::u16string numberText(std::int64_t value);

} // namespace runtime

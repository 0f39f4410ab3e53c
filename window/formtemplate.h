// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace runtime {
struct WindowTemplate;
}

// Everything every load of the form's window is made from.
namespace formtemplate {

// The controls, by their index in the template, which is also the order a
// screen reader finds them in: each position's button, then the mark above
// it. Command1 and Label1 are indexed by position: 0 Left, 1 Middle, 2 Right.
constexpr int Command1(int index)
{
    return 2 * index;
}
constexpr int Label1(int index)
{
    return 2 * index + 1;
}
// The feedback, then the tally.
constexpr int Label2 = 6;
constexpr int Label3 = 7;

// The menu bar's items, by their index.
constexpr int mnuReset = 0;
constexpr int mnuEnd = 1;

inline constexpr std::chrono::milliseconds Timer1Interval{60000};

const runtime::WindowTemplate &form1();

} // namespace formtemplate

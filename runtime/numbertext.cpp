// SPDX-License-Identifier: MIT
#include "runtime/numbertext.h"

#include <array>
#include <charconv>

namespace runtime {

std::u16string numberText(std::int64_t value)
{
    // to_chars writes the "-" of a negative number itself.
    std::array<char, 24> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    std::u16string text = value < 0 ? u"" : u" ";
    text.append(digits.data(), written.ptr);
    return text;
}

} // namespace runtime

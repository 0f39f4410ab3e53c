// SPDX-License-Identifier: MIT
#include "runtime/randomstream.h"

namespace runtime {

float unitFloat(std::uint32_t bits)
{
    constexpr float oneOver2To24 = 1.0f / 16777216.0f;
    return static_cast<float>(bits >> 8) * oneOver2To24;
}

SeededStream::SeededStream(std::uint32_t seed) : m_generator(seed) {}

std::uint32_t SeededStream::entropySeed()
{
    // The system's entropy: getrandom() on Linux, rand_s() on Windows, the
    // page's crypto.getRandomValues() in a browser.
    std::random_device entropy;
    return entropy();
}

float SeededStream::next()
{
    return unitFloat(static_cast<std::uint32_t>(m_generator()));
}

} // namespace runtime

// SPDX-License-Identifier: MIT
#include "runtime/randomstream.h"

namespace runtime {

float unitFloat(quint32 bits)
{
    constexpr float oneOver2To24 = 1.0f / 16777216.0f;
    return static_cast<float>(bits >> 8) * oneOver2To24;
}

SeededStream::SeededStream(quint32 seed) : m_generator(seed) {}

quint32 SeededStream::entropySeed()
{
    return QRandomGenerator::system()->generate();
}

float SeededStream::next()
{
    return unitFloat(m_generator.generate());
}

} // namespace runtime

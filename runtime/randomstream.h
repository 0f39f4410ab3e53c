// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

namespace runtime {

// The one stream of random numbers a run draws from. The game never seeds it
// itself; tests put a stream of their own in its place.
class RandomStream
{
public:
    virtual ~RandomStream() = default;
    // The next number of the stream: 0 <= r < 1, in single precision.
    virtual float next() = 0;
};

// A single-precision number in [0, 1) from the top 24 bits of a 32-bit draw.
// A float's significand holds 24 bits, so every result is exact and the
// largest is the float just below 1; a double rounded to float could reach 1.
float unitFloat(std::uint32_t bits);

class SeededStream final : public RandomStream
{
public:
    explicit SeededStream(std::uint32_t seed);
    // A seed from the system's entropy, for the stream of a real run.
    static std::uint32_t entropySeed();

    float next() override;

private:
    std::mt19937 m_generator;
};

} // namespace runtime

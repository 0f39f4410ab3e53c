// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/randomstream.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

// Hands out the given numbers in order and counts them. Running past the end
// of the script is a fault of the test, so it stops the run.
class ScriptedStream final : public runtime::RandomStream
{
public:
    explicit ScriptedStream(std::vector<float> script) : m_script(std::move(script)) {}

    float next() override
    {
        if (m_drawn >= m_script.size()) {
            std::fprintf(stderr, "ScriptedStream: script of %zu numbers used up\n",
                         m_script.size());
            std::abort();
        }
        return m_script[m_drawn++];
    }
    std::size_t drawn() const { return m_drawn; }

private:
    std::vector<float> m_script;
    std::size_t m_drawn = 0;
};

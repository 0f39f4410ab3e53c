// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/randomstream.h"

#include <QList>
#include <QtGlobal>

#include <utility>

// Hands out the given numbers in order and counts them. Running past the end
// of the script is a fault of the test, so it stops the run.
class ScriptedStream final : public runtime::RandomStream
{
public:
    explicit ScriptedStream(QList<float> script) : m_script(std::move(script)) {}

    float next() override
    {
        if (m_drawn >= m_script.size())
            qFatal("ScriptedStream: script of %lld numbers used up", qlonglong(m_script.size()));
        return m_script.at(m_drawn++);
    }
    qsizetype drawn() const { return m_drawn; }

private:
    QList<float> m_script;
    qsizetype m_drawn = 0;
};

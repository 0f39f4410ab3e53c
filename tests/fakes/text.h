// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

// The game's texts as Qt Test prints and compares them.
inline QString q(const std::u16string &text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

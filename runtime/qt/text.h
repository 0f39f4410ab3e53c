// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>
#include <string_view>

// The game's texts are 16-bit code units, as QString's are: they cross into
// Qt and back unchanged, unpaired surrogates and all.
namespace runtime::qt {

inline QString toQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

inline std::u16string fromQString(const QString &text)
{
    return text.toStdU16String();
}

} // namespace runtime::qt

// SPDX-License-Identifier: MIT
#include "runtime/numbertext.h"

namespace runtime {

QString numberText(qint64 value)
{
    // QString::number writes the "-" of a negative number itself.
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

} // namespace runtime

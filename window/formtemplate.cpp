// SPDX-License-Identifier: MIT
#include "window/formtemplate.h"

namespace formtemplate {

QStringList fontFamilies()
{
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("DejaVu Sans")};
}

} // namespace formtemplate

// SPDX-License-Identifier: MIT
#include "window/formtemplate.h"

namespace formtemplate {

QStringList fontFamilies()
{
    return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
}

} // namespace formtemplate

// SPDX-License-Identifier: MIT
#include "runtime/qt/platform.h"

#include <QCoreApplication>

namespace runtime::platform {

void prepare() {}

void accessibilityUpdate(QAccessibleEvent *) {}

void endProgram(std::unique_ptr<Form> &)
{
    // exec() returns, and the form goes with the rest of start().
    QCoreApplication::exit(0);
}

} // namespace runtime::platform

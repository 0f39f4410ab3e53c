// SPDX-License-Identifier: MIT
#include "runtime/project.h"
#include "window/form1.h"

int main(int argc, char *argv[])
{
    return runtime::start(argc, argv,
                          {QStringLiteral("io.github.brevanno.zapgrid"), QStringLiteral(":/icons"),
                           [](runtime::Services &services) {
                               return std::unique_ptr<runtime::Form>(new Form1(services));
                           }});
}

// SPDX-License-Identifier: MIT
#include "runtime/start.h"
#include "window/form1.h"

int main(int argc, char *argv[])
{
    return runtime::start(
        argc, argv,
        {u"Zapgrid", u"io.github.brevanno.zapgrid", u":/icons", [](runtime::Services &services) {
             return std::unique_ptr<runtime::Form>(new Form1(services));
         }});
}

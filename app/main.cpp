// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stderr) << QStringLiteral("zapgrid: the game window is not built yet\n");
    return 1;
}

// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QInputDialog>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QInputDialog::getText(nullptr, QStringLiteral("Minimal Prompt"), QStringLiteral("Name?"),
                          QLineEdit::Normal, QStringLiteral("No-Name"));
    return 0;
}

// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QInputDialog>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Asked from inside the event loop, as the game asks: in a browser page a
    // modal dialog may wait only there.
    QTimer::singleShot(0, &app, [] {
        QInputDialog::getText(nullptr, QStringLiteral("Minimal Prompt"), QStringLiteral("Name?"),
                              QLineEdit::Normal, QStringLiteral("No-Name"));
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

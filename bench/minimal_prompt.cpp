// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QInputDialog>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Asked from inside the event loop and answered without a nested one, as
    // the game asks.
    QInputDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Minimal Prompt"));
    dialog.setLabelText(QStringLiteral("Name?"));
    dialog.setTextValue(QStringLiteral("No-Name"));
    QObject::connect(&dialog, &QDialog::finished, &app, &QCoreApplication::quit);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.open(); });
    return QApplication::exec();
}

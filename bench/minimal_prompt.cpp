// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QInputDialog>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The faces a browser build carries, as the game's; a desktop has its own.
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString &face : fonts.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(face));
    if (!fonts.isEmpty())
        QApplication::setFont(QFont(QStringLiteral("Arimo")));

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

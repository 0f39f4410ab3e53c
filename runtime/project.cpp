// SPDX-License-Identifier: MIT
#include "runtime/project.h"

#include "runtime/accessibility.h"
#include "runtime/dialogs.h"
#include "runtime/gameclock.h"
#include "runtime/handlers.h"
#include "runtime/platform.h"
#include "runtime/randomstream.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

namespace runtime {

int start(int &argc, char **argv, const ProjectDescription &project)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zapgrid"));
    QApplication::setApplicationVersion(QStringLiteral(ZAPGRID_VERSION));
    QApplication::setDesktopFileName(project.desktopFileName);
    QIcon icon;
    for (const QFileInfo &file : QDir(project.iconFolder).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    QApplication::setWindowIcon(icon);
    // The form's window goes away during every reload while the name prompt
    // is up; that must not end the program. Closing the window ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::prepare();
    quietenUnshownWindows();

    ModalDialogs dialogs;
    SeededStream random(SeededStream::entropySeed());
    std::unique_ptr<Form> form;
    Services services{
        dialogs,
        random,
        [](QObject *parent) { return new PreciseClock(parent); },
        [&form] { platform::endProgram(form); },
    };
    form = project.makeStartupForm(services);
    // Gone before the form, which the start-up's Show() works on.
    Handlers startUp;
    // Shown from inside the event loop, as every later window is: in a
    // browser, exec() hands control back to the page at once.
    QTimer::singleShot(0, &app, [&form, &startUp] { startUp.run(form->Show()); });
    return QApplication::exec();
}

} // namespace runtime

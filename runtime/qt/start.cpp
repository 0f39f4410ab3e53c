// SPDX-License-Identifier: MIT
#include "runtime/start.h"

#include "runtime/dialogs.h"
#include "runtime/handlers.h"
#include "runtime/qt/accessibility.h"
#include "runtime/qt/qtfrontend.h"
#include "runtime/qt/text.h"
#include "runtime/randomstream.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

namespace runtime {

// The front end this build links is Qt's.
int start(int &argc, char **argv, const ProjectDescription &project)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(qt::toQString(project.programName));
    QApplication::setApplicationVersion(QStringLiteral(ZAPGRID_VERSION));
    QApplication::setDesktopFileName(qt::toQString(project.desktopFileName));
    QIcon icon;
    for (const QFileInfo &file : QDir(qt::toQString(project.iconFolder)).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    QApplication::setWindowIcon(icon);
    // The form's window goes away during every reload while the name prompt
    // is up; that must not end the program. Closing the window ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    qt::quietenUnshownWindows();

    // The form is made on the services, and goes before them. At the end,
    // exec() returns, and the form goes with the rest of start().
    qt::QtFrontEnd frontEnd([] { QCoreApplication::exit(0); });
    Dialogs dialogs(frontEnd, project.programName);
    SeededStream random(SeededStream::entropySeed());
    Services services{frontEnd, dialogs, random};
    std::unique_ptr<Form> form = project.makeStartupForm(services);
    // Gone before the form, which the start-up's Show() works on.
    Handlers startUp;
    // Shown from inside the event loop, as every later window is.
    QTimer::singleShot(0, &app, [&form, &startUp] { startUp.run(form->Show()); });
    return QApplication::exec();
}

} // namespace runtime

// SPDX-License-Identifier: MIT
#include "runtime/platform.h"
#include "runtime/project.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <emscripten/val.h>
#include <string>

namespace runtime::platform {

namespace {

// A page has no window manager, so the program does its work: every window
// and dialog is centred on the part of the page the program draws on, and
// when a dialog closes, a window still showing takes the keyboard back.
class PageWindowManager final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || !widget->isWindow())
            return false;
        if (event->type() == QEvent::Show && isFramed(widget)) {
            const QRect frame = widget->frameGeometry();
            const QPoint centre = widget->screen()->availableGeometry().center();
            widget->move(centre - QPoint(frame.width() / 2, frame.height() / 2));
        } else if (event->type() == QEvent::Hide && widget->windowType() == Qt::Dialog) {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window != widget && window->isVisible() && isFramed(window)) {
                    window->activateWindow();
                    break;
                }
            }
        }
        return false;
    }

private:
    static bool isFramed(const QWidget *window)
    {
        return window->windowType() == Qt::Window || window->windowType() == Qt::Dialog;
    }
};

// Qt for WebAssembly finds no fonts of the system, and ours carries none: the
// program brings the faces it draws with, and every dialog draws with them.
void addFonts()
{
    for (const QString &face :
         {QStringLiteral(":/fonts/Arimo-Regular.ttf"), QStringLiteral(":/fonts/Arimo-Bold.ttf")}) {
        if (QFontDatabase::addApplicationFont(face) < 0)
            qWarning("The font %ls could not be read", qUtf16Printable(face));
    }
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Arimo")});
    QApplication::setFont(font);
}

} // namespace

void prepare()
{
    addFonts();
    QCoreApplication *app = QApplication::instance();
    app->installEventFilter(new PageWindowManager(app));
}

void endProgram(std::unique_ptr<Form> &form)
{
    // exec() never returns in a page, which goes on after the program. The
    // form, with its window and clock, goes once the handler that ended the
    // program has returned, and the page's Module.onExit hears of the end.
    QTimer::singleShot(0, QApplication::instance(), [&form] {
        form.reset();
        const emscripten::val onExit = emscripten::val::module_property("onExit");
        if (onExit.typeOf().as<std::string>() == "function")
            onExit(0);
    });
}

} // namespace runtime::platform

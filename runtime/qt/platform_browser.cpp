// SPDX-License-Identifier: MIT
#include "runtime/project.h"
#include "runtime/qt/pagemirror.h"
#include "runtime/qt/pagewindows.h"
#include "runtime/qt/platform.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTimer>
#include <QWindow>

#include <emscripten/val.h>
#include <string>

namespace runtime::platform {

namespace {

// Every tap on a touch screen is a click of its own. Qt would take a tap
// where the last one was for a double click (and select a word of the name),
// however long ago that was when the browser numbers every touch 0: such a
// double click reaches the window as the press it is.
class SingleTaps final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonDblClick || !qobject_cast<QWindow *>(watched))
            return false;
        const auto *tap = static_cast<QMouseEvent *>(event);
        if (tap->pointingDevice()->type() != QInputDevice::DeviceType::TouchScreen)
            return false;
        QMouseEvent press(QEvent::MouseButtonPress, tap->position(), tap->scenePosition(),
                          tap->globalPosition(), tap->button(), tap->buttons(), tap->modifiers(),
                          tap->source(), tap->pointingDevice());
        press.setTimestamp(tap->timestamp());
        QCoreApplication::sendEvent(watched, &press);
        return true;
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
    app->installEventFilter(new SingleTaps(app));
    new PageMirror(app);
}

void accessibilityUpdate(QAccessibleEvent *event)
{
    PageMirror::accessibilityEvent(event);
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

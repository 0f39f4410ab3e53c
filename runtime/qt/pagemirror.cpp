// SPDX-License-Identifier: MIT
#include "runtime/qt/pagemirror.h"

#include "runtime/qt/mirrorpointers.h"
#include "runtime/qt/pagewindows.h"

#include <QApplication>
#include <QScreen>
#include <QSet>
#include <QWidget>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformscreen.h>

#include <emscripten/bind.h>
#include <private/qguiapplication_p.h>
#include <string>

namespace runtime::platform {

namespace {

using emscripten::val;

val document()
{
    return val::global("document");
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// The element each role is mirrored as, and the page's name for the role.
struct Mirrored
{
    const char *tag;
    const char *role; // none where the element says it already
};

Mirrored mirrored(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
        return {"button", nullptr};
    case QAccessible::EditableText:
        return {"input", nullptr};
    case QAccessible::Window:
        return {"div", "region"};
    case QAccessible::Dialog:
        return {"div", "dialog"};
    case QAccessible::AlertMessage:
        return {"div", "alertdialog"};
    case QAccessible::StatusBar:
        return {"div", "status"};
    case QAccessible::MenuBar:
        return {"div", "menubar"};
    case QAccessible::MenuItem:
        return {"div", "menuitem"};
    default:
        return {"div", nullptr};
    }
}

// Keeps an element's attribute at a value, or without it.
void setAttribute(val element, const char *name, const QString &value)
{
    if (value.isEmpty())
        element.call<void>("removeAttribute", std::string(name));
    else
        element.call<void>("setAttribute", std::string(name), utf8(value));
}

} // namespace

// The page's and Qt's events, each passed to the mirror's own handler.
static PageMirror *theMirror = nullptr;

void PageMirror::accessibilityEvent(QAccessibleEvent *event)
{
    if (theMirror)
        theMirror->update(event);
}

void PageMirror::pageEvent(val event)
{
    if (!theMirror)
        return;
    const std::string type = event["type"].as<std::string>();
    if (type == "click")
        theMirror->activate(event);
    else if (type == "focusin")
        theMirror->focusChanged(event);
    else
        theMirror->forwardKey(event);
}

EMSCRIPTEN_BINDINGS(zapgrid_page_mirror)
{
    emscripten::function("zapgridMirrorEvent", &PageMirror::pageEvent);
}

PageMirror::PageMirror(QObject *parent) : QObject(parent)
{
    // Qt tells of accessibility events only while something listens.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);

    m_syncSoon.setSingleShot(true);
    m_syncSoon.setInterval(0);
    connect(&m_syncSoon, &QTimer::timeout, this, &PageMirror::sync);

    const val screen = canvas()["parentElement"];
    const std::string canvasId = canvas()["id"].as<std::string>();
    m_root = document().call<val>("createElement", std::string("div"));
    m_root.set("id", canvasId + "-mirror");
    // Over the canvas and seen by no one; where no element lies, the mouse
    // and touches go through to the canvas.
    m_root.set("style", std::string("position:absolute;inset:0;opacity:0;pointer-events:none;"
                                    "overflow:hidden;user-select:none;-webkit-user-select:none"));
    screen.call<void>("appendChild", m_root);
    m_live = document().call<val>("createElement", std::string("div"));
    m_live.call<void>("setAttribute", std::string("aria-live"), std::string("assertive"));
    m_root.call<void>("appendChild", m_live);
    canvas().call<void>("setAttribute", std::string("aria-label"), std::string("Zapgrid"));

    theMirror = this;
    for (const char *type : {"keydown", "keyup", "click", "focusin"}) {
        m_root.call<void>("addEventListener", std::string(type),
                          val::module_property("zapgridMirrorEvent"));
    }
    passPointersToCanvas(canvasId + "-mirror", canvasId);
}

PageMirror::~PageMirror()
{
    theMirror = nullptr;
    m_root["parentElement"].call<void>("removeChild", m_root);
}

val PageMirror::canvas() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return document().call<val>("getElementById", utf8(screen->handle()->name()));
}

void PageMirror::update(QAccessibleEvent *event)
{
    if (m_syncing)
        return;
    QAccessibleInterface *iface = event->accessibleInterface();
    if (event->type() == QAccessible::Focus && iface)
        m_focus = QAccessible::uniqueId(iface);
    if (event->type() == QAccessible::ObjectShow && iface &&
        iface->role() == QAccessible::Notification)
        announce(iface->text(QAccessible::Name));
    m_syncSoon.start();
}

void PageMirror::announce(const QString &news)
{
    // Each piece of news is an element of its own, so that the same news
    // twice is spoken twice.
    m_live.set("textContent", std::string());
    val said = document().call<val>("createElement", std::string("p"));
    said.set("textContent", utf8(news));
    m_live.call<void>("appendChild", said);
}

void PageMirror::sync()
{
    m_syncing = true;
    QScreen *screen = QGuiApplication::primaryScreen();
    Pass pass{screen->devicePixelRatio() / screen->handle()->devicePixelRatio(), {}};
    const QRectF page(QPointF(screen->geometry().topLeft()) * pass.scale, QSizeF());
    for (QWidget *window : shownWindows()) {
        if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(window))
            mirror(iface, m_root, page, pass);
    }
    for (auto it = m_elements.begin(); it != m_elements.end();) {
        if (pass.seen.contains(it.key())) {
            ++it;
            continue;
        }
        const val parent = it.value()["parentElement"];
        if (!parent.isNull())
            parent.call<void>("removeChild", it.value());
        it = m_elements.erase(it);
    }
    const val focused = m_elements.value(m_focus, val::undefined());
    const val active = document()["activeElement"];
    // The page's focus is the game's unless the player took it elsewhere on
    // the page: when a focused element goes with its window, it falls to
    // the page's body.
    const bool inGame = active.isNull() || active.strictlyEquals(document()["body"]) ||
                        active.strictlyEquals(canvas()) || m_root.call<bool>("contains", active);
    if (!focused.isUndefined() && inGame && !focused.strictlyEquals(active) &&
        focused.call<bool>("matches", std::string("button, input, [tabindex]"))) {
        val options = val::object();
        options.set("preventScroll", true);
        focused.call<void>("focus", options);
    }
    m_syncing = false;
}

void PageMirror::mirror(QAccessibleInterface *iface, const val &parent, QRectF parentBox,
                        Pass &pass)
{
    const QAccessible::Id id = QAccessible::uniqueId(iface);
    pass.seen.insert(id);
    const QAccessible::Role role = iface->role();
    const Mirrored as = mirrored(role);
    val element = m_elements.value(id, val::undefined());
    if (element.isUndefined()) {
        element = document().call<val>("createElement", std::string(as.tag));
        element.call<void>("setAttribute", std::string("data-qt-id"), std::to_string(id));
        if (as.role)
            element.call<void>("setAttribute", std::string("role"), std::string(as.role));
        if (role == QAccessible::MenuItem)
            element.call<void>("setAttribute", std::string("tabindex"), std::string("-1"));
        m_elements.insert(id, element);
    }
    if (!element["parentElement"].strictlyEquals(parent))
        parent.call<void>("appendChild", element);

    const QRectF box(QPointF(iface->rect().topLeft()) * pass.scale,
                     QSizeF(iface->rect().size()) * pass.scale);
    const QRectF place = box.translated(-parentBox.topLeft());
    const std::string style =
        "position:absolute;margin:0;padding:0;border:0;left:" + std::to_string(place.x()) +
        "px;top:" + std::to_string(place.y()) + "px;width:" + std::to_string(place.width()) +
        "px;height:" + std::to_string(place.height()) + "px;pointer-events:auto";
    element.set("style", style);

    const QAccessible::State state = iface->state();
    element.set("hidden", bool(state.invisible));
    const QString name = iface->text(QAccessible::Name);
    const QString description = iface->text(QAccessible::Description);
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::MenuItem:
    case QAccessible::StaticText:
    case QAccessible::StatusBar:
        // As text, never as markup.
        if (element["textContent"].as<std::string>() != utf8(name))
            element.set("textContent", utf8(name));
        setAttribute(element, "aria-description", description);
        // Not the element's own disabled state, under which a browser
        // would not hand on the pointer's presses over it.
        if (role == QAccessible::PushButton)
            setAttribute(element, "aria-disabled",
                         state.disabled ? QStringLiteral("true") : QString());
        return;
    case QAccessible::EditableText:
        setAttribute(element, "aria-label", name);
        if (element["value"].as<std::string>() != utf8(iface->text(QAccessible::Value)))
            element.set("value", utf8(iface->text(QAccessible::Value)));
        return;
    case QAccessible::Notification:
        // Spoken through the live region as it comes.
        element.set("hidden", true);
        return;
    default:
        setAttribute(element, "aria-label", name);
        setAttribute(element, "aria-description", description);
        break;
    }
    const int count = iface->childCount();
    for (int i = 0; i < count; ++i) {
        if (QAccessibleInterface *child = iface->child(i))
            mirror(child, element, box, pass);
    }
}

void PageMirror::forwardKey(val event)
{
    // Qt's key handlers listen on the canvas; a key it takes does nothing
    // more in the page (no click of a focused button by Space).
    val copy = val::global("KeyboardEvent").new_(event["type"], event);
    canvas().call<bool>("dispatchEvent", copy);
    if (copy["defaultPrevented"].as<bool>())
        event.call<void>("preventDefault");
}

static QAccessibleInterface *mirroredInterface(const val &event)
{
    const val target = event["target"].call<val>("closest", std::string("[data-qt-id]"));
    if (target.isNull())
        return nullptr;
    const auto id = QAccessible::Id(std::stoul(target["dataset"]["qtId"].as<std::string>()));
    return QAccessible::accessibleInterface(id);
}

void PageMirror::activate(val event)
{
    // A reader's click, or a tap in touch exploration. A click of the
    // mouse or of a finger counts its clicks; Qt had its presses already.
    if (event["detail"].as<int>() != 0)
        return;
    QAccessibleInterface *iface = mirroredInterface(event);
    if (iface && iface->actionInterface())
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

void PageMirror::focusChanged(val event)
{
    // The page's focus moved (by a reader, or a click on the mirror): the
    // program's follows.
    QAccessibleInterface *iface = mirroredInterface(event);
    if (!iface || QAccessible::uniqueId(iface) == m_focus || !iface->actionInterface())
        return;
    iface->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
}

} // namespace runtime::platform

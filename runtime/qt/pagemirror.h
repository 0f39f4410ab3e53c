// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <emscripten/val.h>

namespace runtime::platform {

// The program's accessible tree, mirrored into the page for its screen
// reader: every shown window's controls as elements of the page laid over
// the canvas where the controls are drawn, transparent, and handing the
// mouse and touches on to the canvas. Buttons are buttons, texts are text, a status bar is
// a status, a notification is spoken as it comes; the page's focus is the
// program's. Keys pressed on an element go on to the canvas, as if pressed
// there. Everything is built from Qt's accessibility interfaces, never from
// what the program's own widgets are.
class PageMirror final : public QObject
{
public:
    explicit PageMirror(QObject *parent);
    ~PageMirror() override;

    // Told of every accessibility event of the program's shown windows.
    static void accessibilityEvent(QAccessibleEvent *event);
    // Told of the page's events on the mirror.
    static void pageEvent(emscripten::val event);

private:
    void update(QAccessibleEvent *event);
    void sync();
    // One pass over the tree: CSS pixels per pixel of the program's windows,
    // and the interfaces met.
    struct Pass
    {
        qreal scale;
        QSet<QAccessible::Id> seen;
    };
    void mirror(QAccessibleInterface *iface, const emscripten::val &parent, QRectF parentBox,
                Pass &pass);
    emscripten::val canvas() const;
    void forwardKey(emscripten::val event);
    void activate(emscripten::val event);
    void focusChanged(emscripten::val event);
    void announce(const QString &news);

    emscripten::val m_root = emscripten::val::undefined();
    emscripten::val m_live = emscripten::val::undefined();
    QHash<QAccessible::Id, emscripten::val> m_elements;
    QTimer m_syncSoon;
    QAccessible::Id m_focus = 0;
    bool m_syncing = false;
};

} // namespace runtime::platform

// SPDX-License-Identifier: MIT
#include "runtime/qt/mirrorpointers.h"

#include <emscripten/emscripten.h>

namespace runtime::platform {

namespace {

// A screen reader finds what lies under a finger or the mouse by the page's
// own hit test, which skips elements that let pointers through: so the
// mirror's elements take the pointers, and hand each event to the canvas,
// where Qt listens for them. A copy of an event says what the original did,
// and whatever Qt did with the copy (a press it took is not also a press of
// the element, and moves no focus) is done with the original.
// clang-format off
EM_JS(void, passPointersOn, (const char *mirrorId, const char *canvasId), {
    const mirror = document.getElementById(UTF8ToString(mirrorId));
    const canvas = document.getElementById(UTF8ToString(canvasId));
    const inGame = (node) => node === canvas || (node instanceof Node && mirror.contains(node));
    const passOn = (event, copy) => {
        canvas.dispatchEvent(copy);
        if (copy.defaultPrevented)
            event.preventDefault();
        mirror.style.cursor = canvas.style.cursor;
    };
    for (const type of ["pointerdown", "pointermove", "pointerup"])
        mirror.addEventListener(type, (event) => passOn(event, new PointerEvent(type, event)));
    mirror.addEventListener("wheel", (event) => passOn(event, new WheelEvent("wheel", event)),
                            { passive: false });
    /* A plain event with the touch lists: where Firefox finds no touch
       screen it still fires touch events (a driver's taps), but has no
       constructor for them. */
    const touchCopy = (event) => {
        const copy = new Event(event.type, { bubbles: true, cancelable: true });
        for (const key of ["touches", "targetTouches", "changedTouches", "altKey", "ctrlKey",
                           "metaKey", "shiftKey"])
            Object.defineProperty(copy, key, { value: event[key] });
        return copy;
    };
    for (const type of ["touchstart", "touchmove", "touchend", "touchcancel"])
        mirror.addEventListener(type, (event) => passOn(event, touchCopy(event)), { passive: false });
    /* The page's focus stays where Qt's focus puts it, and no drag
       selects the mirror's text. */
    mirror.addEventListener("mousedown", (event) => event.preventDefault());

    /* To Qt the mirror is the canvas: the pointer enters and leaves the
       canvas as it enters and leaves both together. */
    const withinGame = (event) => event.target === canvas && inGame(event.relatedTarget);
    for (const type of ["pointerenter", "pointerleave"]) {
        canvas.parentElement.addEventListener(type, (event) => {
            if (withinGame(event))
                event.stopPropagation();
        }, true);
    }
    mirror.addEventListener("pointerover", (event) => {
        if (!inGame(event.relatedTarget))
            canvas.dispatchEvent(new PointerEvent("pointerenter", event));
    });
    mirror.addEventListener("pointerout", (event) => {
        if (!inGame(event.relatedTarget))
            canvas.dispatchEvent(new PointerEvent("pointerleave", event));
    });
});
// clang-format on

} // namespace

void passPointersToCanvas(const std::string &mirrorId, const std::string &canvasId)
{
    passPointersOn(mirrorId.c_str(), canvasId.c_str());
}

} // namespace runtime::platform

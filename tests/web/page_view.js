// SPDX-License-Identifier: MIT
// What the browser plays share: the game's window as a player sees it in
// the page, read by the page's own elements, and the checks' wording. Both
// playwright-core's and puppeteer-core's pages evaluate these.
'use strict';

const words = ['Left!', 'Middle!', 'Right!'];
// A name that would run script, or show other text, were it ever markup.
const hostile = '<img src=x onerror=alert(1)> &amp; "A"';

function fail(message) {
    throw new Error(message);
}

function expect(what, actual, expected) {
    if (actual !== expected)
        fail(`${what}: ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
}

// Each field as expected, whatever the order a driver gives them in.
function expectFields(what, actual, expected) {
    if (!actual)
        fail(`${what}: none, expected ${JSON.stringify(expected)}`);
    for (const [field, value] of Object.entries(expected))
        expect(`${what}: its ${field}`, actual[field], value);
}

// The shown window's state, or null: its title, the mark's place, the
// feedback, the tally and the news.
function windowState() {
    const window = document.querySelector('section.window:not([hidden])');
    if (!window)
        return null;
    const labels = [...window.querySelectorAll('.label')];
    const marks = labels.filter((label) => label.textContent === 'HIT!');
    return {
        title: document.getElementById(window.getAttribute('aria-labelledby')).textContent,
        target: marks.findIndex((mark) => !mark.hidden),
        shownMarks: marks.filter((mark) => !mark.hidden).length,
        feedback: labels[marks.length].textContent,
        tally: window.querySelector('[role=status]').textContent,
        news: document.getElementById('news').textContent,
    };
}

// The dialog open on top, if any: its title, its text (or its field's
// question and value) and its role.
function openDialog() {
    const open = [...document.querySelectorAll('dialog[open]')].pop();
    if (!open)
        return null;
    const field = open.querySelector('.field');
    return {
        role: open.getAttribute('role'),
        title: open.querySelector('.title').textContent,
        text: field ? open.querySelector('.question').textContent : open.querySelector('.text').textContent,
        value: field ? field.value : null,
    };
}

// Records on the page's clock, in window.pageTimes, when a window shows and
// when each dialog is made, opens and closes: { what: 'shown' | 'made' |
// 'open' | 'close', title, at }. Given to addInitScript.
function recordPageTimes() {
    window.pageTimes = [];
    const note = (what, title) => window.pageTimes.push({ what, title, at: performance.now() });
    const createElement = Document.prototype.createElement;
    Document.prototype.createElement = function (tag, ...rest) {
        if (tag === 'dialog')
            note('made');
        return createElement.call(this, tag, ...rest);
    };
    const showModal = HTMLDialogElement.prototype.showModal;
    HTMLDialogElement.prototype.showModal = function () {
        const title = this.querySelector('.title')?.textContent;
        note('open', title);
        showModal.call(this);
        this.addEventListener('close', () => note('close', title), { once: true });
    };
    const hidden = Object.getOwnPropertyDescriptor(HTMLElement.prototype, 'hidden');
    Object.defineProperty(HTMLElement.prototype, 'hidden', {
        ...hidden,
        set(value) {
            if (!value && this.classList.contains('window'))
                note('shown');
            hidden.set.call(this, value);
        },
    });
}

// Whether the focus is on the window's first button, which takes it as the
// window shows (a moment later, when a dialog has just closed).
function focusOnLeft() {
    return document.activeElement.textContent === 'Left!';
}

// The shown window's button that reads so.
function buttonNamed(word) {
    return [...document.querySelectorAll('section.window:not([hidden]) .client > .button')]
        .find((button) => button.textContent === word);
}

// A key pressed with Option, and Control if asked, as Safari on a Mac sends
// it: the character it types (key) and the key's place (code).
function pressAsMac(key, code, control) {
    for (const type of ['keydown', 'keyup']) {
        document.activeElement.dispatchEvent(new KeyboardEvent(type,
            { key, code, altKey: true, ctrlKey: control, bubbles: true, cancelable: true }));
    }
}

module.exports = { words, hostile, fail, expect, expectFields, windowState, openDialog, recordPageTimes, focusOnLeft,
    buttonNamed, pressAsMac };

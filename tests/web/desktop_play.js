// SPDX-License-Identifier: MIT
// The desktop play that every engine plays alike, whatever drives it: the
// name typed into the page's prompt, clicks by the mouse and Space with
// their news, a whole game to its score message, the menu's keys as a PC
// and a Mac send them, and Alt+E. A player is one engine's page behind the
// same few calls:
//   evaluate(fn, ...args)          fn's value in the page, awaited
//   waitFor(fn, timeout, ...args)  until fn is true in the page
//   find(fn, ...args)              the element fn gives, to click or tap
//   click(element), tap(element)   by the mouse, by touch (null: no touch)
//   press(key), type(text)         'Enter', 'Space' and 'Escape', or text
//   withAlt(letter)                Alt (Option) and a letter
'use strict';
const { words, hostile, expect, expectFields, windowState, openDialog, focusOnLeft, buttonNamed, pressAsMac } =
    require('./page_view');

const state = (player) => player.evaluate(windowState);
const shown = (player) => player.waitFor(() => !!document.querySelector('section.window:not([hidden])'), 10000);
const dialogShown = (player, title) => player.waitFor((title) =>
    [...document.querySelectorAll('dialog[open] .title')].some((t) => t.textContent === title), 65000, title);
const buttonOf = (player, index) => player.find(buttonNamed, words[index]);

// Types the name into the prompt, which holds the default selected, and
// confirms it with Enter.
async function answerPrompt(player, name) {
    await dialogShown(player, 'Your Identity');
    expectFields('the prompt', await player.evaluate(openDialog),
        { role: 'dialog', title: 'Your Identity', text: "So, what's your name?", value: 'No-Name' });
    await player.type(name);
    await player.press('Enter');
    await shown(player);
}

// A hit, the same button again (always a miss), then a hit by Space: each
// judged at once, with its news.
async function clicksJudged(player) {
    let now = await state(player);
    const first = now.target;
    await player.click(await buttonOf(player, first));
    now = await state(player);
    expect('a hit\'s feedback', now.feedback, words[first]);
    expect('the news of a hit', now.news, `${words[first]} Mark above ${words[now.target]}`);
    await player.click(await buttonOf(player, first));
    now = await state(player);
    expect('a miss', now.feedback, 'Oops!');
    expect('the news of a miss', now.news, `Oops! Mark above ${words[now.target]}`);
    await player.evaluate((index) => document.querySelectorAll('.client > .button')[index].focus(),
        now.target);
    await player.press('Space');
    expect('a hit by Space', (await state(player)).tally, ' 2 correct of 3');
    console.log('clicks judged by mouse and keyboard, and their news');
}

// Taps on the buttons, where the engine has touch: one on the mark is a
// hit, a second there one more click.
async function tapsJudged(player) {
    const hit = (await state(player)).target;
    await player.tap(await buttonOf(player, hit));
    expect('feedback of a tap on the mark', (await state(player)).feedback, words[hit]);
    await player.tap(await buttonOf(player, hit));
    expect('tally after a second tap there', (await state(player)).tally, ' 1 correct of 2');
    console.log('taps: one on the mark was a hit, a second there one more click');
}

// A key that chooses Reset!: a new prompt, and then a game at 0.
async function resets(player, what, press) {
    await player.click(await buttonOf(player, (await state(player)).target));
    await press();
    await answerPrompt(player, 'Ada');
    expect(`the tally after ${what}`, (await state(player)).tally, '0 Correct of 0');
}

// Keys that must choose nothing: nothing new opens, the game goes on.
async function choosesNothing(player, what, press) {
    const before = (await state(player)).tally;
    await press();
    // A menu item chosen would have opened its dialog or ended the game by now.
    await new Promise((resolve) => setTimeout(resolve, 200));
    const now = await state(player);
    if (!now || now.tally !== before || await player.evaluate(openDialog))
        throw new Error(`${what} chose a menu item`);
}

// The menu's access keys as a Mac sends them: Option+R types the registered
// sign, Control+Option+R the same; a Dvorak player's R keeps its letter,
// wherever it lies; a letter of no item, or any key while a dialog is open,
// chooses nothing.
async function macKeysChoose(player) {
    await resets(player, 'Option+R', () => player.evaluate(pressAsMac, '\u00ae', 'KeyR', false));
    await resets(player, 'Control+Option+R', () => player.evaluate(pressAsMac, '\u00ae', 'KeyR', true));
    await resets(player, 'Option and Dvorak\'s R', () => player.evaluate(pressAsMac, 'r', 'KeyO', false));
    await choosesNothing(player, 'Option+A', () => player.evaluate(pressAsMac, '\u00e5', 'KeyA', false));
    // Where a layout types another letter on the E key, that letter holds.
    await choosesNothing(player, 'Option and an X on the E key',
        () => player.evaluate(pressAsMac, 'x', 'KeyE', false));
    console.log('Option+R and Control+Option+R, as a Mac sends them, began a new game; Option and ' +
        'a letter of no item chose nothing');
}

// Option+E as a Mac sends it (a dead key), or Control+Option+E, ends the
// game; while the prompt is open, it chooses nothing.
async function macKeyEnds(player, control) {
    const what = control ? 'Control+Option+E' : 'Option+E';
    await player.withAlt('r');
    await dialogShown(player, 'Your Identity');
    await player.evaluate(pressAsMac, 'Dead', 'KeyE', control);
    expect(`${what} at the prompt ended the game`,
        await player.evaluate(() => document.body.classList.contains('ended')), false);
    await answerPrompt(player, 'Eve');
    await player.evaluate(pressAsMac, 'Dead', 'KeyE', control);
    await player.waitFor(() => document.body.classList.contains('ended'), 5000);
    console.log(`${what} as a Mac sends it ended the game, and chose nothing at the prompt`);
}

// The play: the prompt with its default and a hostile name; clicks; a whole
// game whose score message names the player as typed; taps; Alt+R and the
// Mac's keys. The page is left in a game; endWithAlt ends it by Alt+E.
async function playDesktop(player, url) {
    await player.goto(url);
    expect('page title', await player.evaluate(() => document.title), 'Zapgrid');
    await answerPrompt(player, hostile);
    expect('the first tally', (await state(player)).tally, '0 Correct of 0');
    await player.waitFor(focusOnLeft, 1000);
    await clicksJudged(player);

    await dialogShown(player, 'Your Score!');
    const message = await player.evaluate(openDialog);
    expect('the score message', message.text, `${hostile}, you got a score of-5950`);
    expect('the score message\'s role', message.role, 'alertdialog');
    await player.press('Enter');
    await answerPrompt(player, 'Ann');
    console.log('a whole game to its score message, with the hostile name as typed');

    await checkWorker(player);
    if (player.tap)
        await tapsJudged(player);
    await resets(player, 'Alt+R', () => player.withAlt('r'));
    console.log('Alt+R began a new game');
    await macKeysChoose(player);
}

// The service worker registered, through the page's Trusted Types policy
// where the browser has them.
async function checkWorker(player) {
    const { state, trusted } = await player.evaluate(() => navigator.serviceWorker.ready.then(
        (registration) => ({ state: registration.active.state, trusted: 'trustedTypes' in self })));
    expect('the service worker', state, 'activated');
    console.log(`the service worker registered, ${trusted ? 'under Trusted Types' : 'the browser having no Trusted Types'}`);
}

async function endWithAlt(player) {
    await player.withAlt('e');
    await player.waitFor(() => document.body.classList.contains('ended'), 5000);
    console.log('Alt+E ended the game');
}

module.exports = { answerPrompt, state, shown, buttonOf, playDesktop, macKeyEnds, endWithAlt };

// SPDX-License-Identifier: MIT
// The game as a player sees it in a browser: what its canvas shows, read by
// OCR, and the desktop play that both browsers' tests go through. A browser
// is reached through a driver:
//   shoot(file)      a PNG of the game's element, at `scale` pixels per CSS px
//   box()            that element's place on the page, in CSS px
//   click(x, y)      a mouse click at a point of the page
//   press(key, alt)  a key, with Alt held or not; type(text) keys, one each
//   evaluate(fn, a)  fn(a) run in the page
//   sleep(ms)
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const positions = ['Left!', 'Middle!', 'Right!'];
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'zapgrid-web-'));
process.on('exit', () => fs.rmSync(scratch, { recursive: true, force: true }));

function fail(message) {
    throw new Error(message);
}

function expect(what, actual, wanted) {
    if (actual !== wanted)
        fail(`${what}: read ${JSON.stringify(actual)}, expected ${JSON.stringify(wanted)}`);
}

// The words on the game's canvas, each with its box in CSS pixels
// (centre x, y; width w, height h).
async function read(driver) {
    const file = path.join(scratch, 'screen.png');
    await driver.shoot(file);
    const tsv = execFileSync('tesseract', [file, 'stdout', '--psm', '11', 'tsv'],
        { stdio: ['ignore', 'pipe', 'ignore'] }).toString();
    const s = driver.scale;
    return tsv.split('\n').slice(1).map((line) => line.split('\t'))
        .filter((f) => f.length === 12 && f[11].trim() && Number(f[10]) > 0)
        .map((f) => ({ text: f[11].trim(), x: (+f[6] + f[8] / 2) / s, y: (+f[7] + f[9] / 2) / s,
            w: f[8] / s, h: f[9] / s }));
}

function text(words) {
    return words.map((w) => w.text).join(' ');
}

// Reads until every expected text shows, for at most the time given.
async function waitFor(driver, expected, seconds = 20) {
    const deadline = Date.now() + seconds * 1000;
    let words = [];
    while (Date.now() < deadline) {
        words = await read(driver);
        if (expected.every((e) => text(words).includes(e)))
            return words;
        await driver.sleep(200);
    }
    fail(`never read ${JSON.stringify(expected)}; read: ${text(words)}`);
}

// The game window as it stands: the button words, where the mark is, the
// feedback and the tally.
async function game(driver) {
    const words = await waitFor(driver, [...positions, 'HIT!']);
    const buttons = positions.map((p) => words.find((w) => w.text === p));
    const mark = words.find((w) => w.text === 'HIT!');
    const nearest = buttons.map((b) => Math.abs(b.x - mark.x));
    const target = nearest.indexOf(Math.min(...nearest));
    const below = (w) => w.y > buttons[0].y + 10;
    const rows = words.filter(below).sort((a, b) => a.y - b.y);
    const feedback = rows[0].text;
    const tally = text(rows.filter((w) => w.y > rows[0].y + 10).sort((a, b) => a.x - b.x));
    return { buttons, target, feedback, tally };
}

// A name prompt holding the default, which shows selected: End unselects it
// for OCR, which misreads white on blue.
async function prompt(driver, seconds) {
    await waitFor(driver, ["what's your name?", 'OK', 'Cancel'], seconds);
    await driver.press('End');
    await waitFor(driver, ['No-Name']);
}

async function click(driver, word) {
    const screen = await driver.box();
    await driver.click(screen.x + word.x, screen.y + word.y);
}

async function tap(driver, word) {
    const screen = await driver.box();
    await driver.tap(screen.x + word.x, screen.y + word.y);
}

// Played from the mouse and the keyboard: a typed name, a hit, a miss,
// Alt+R, a whole game to its score message, 32768 clicks to the overflow
// report, and Alt+E, after which the page offers to play again.
async function playDesktop(driver) {
    await waitFor(driver, ["what's your name?", 'OK', 'Cancel'], 60);
    // The default shows selected, so typing replaces it.
    await driver.type('Tester');
    if (text(await waitFor(driver, ["what's your name?", 'Tester'])).includes('No-Name'))
        fail('the typed name did not replace the default');
    await driver.press('Enter');

    let now = await game(driver);
    await waitFor(driver, ['Reset!', 'End', 'Oops!', '0 Correct of 0']);
    const hit = now.target;
    await click(driver, now.buttons[hit]);
    now = await game(driver);
    expect('feedback of a hit', now.feedback, positions[hit]);
    expect('tally after a hit', now.tally, '1 correct of 1');
    if (now.target === hit)
        fail('the mark stayed where it was hit');
    await click(driver, now.buttons[hit]);
    now = await game(driver);
    expect('feedback of a miss', now.feedback, 'Oops!');
    expect('tally after a miss', now.tally, '1 correct of 2');
    console.log(`played: hit ${positions[hit]}, then missed; the mark moved to ${positions[now.target]}`);

    await driver.press('r', true);
    await prompt(driver);
    await driver.press('Enter');
    const started = Date.now();
    now = await game(driver);
    expect('tally after Alt+R', now.tally, '0 Correct of 0');

    const words = await waitFor(driver, ['you got a score of', 'OK'], 75);
    const ended = Date.now() - started;
    expect('score message', text(words).match(/No-Name.*-6000/)?.[0], 'No-Name, you got a score of-6000');
    // Never early. How late, reading the canvas included, a busy machine
    // decides; the wait above gives up on a game that never ends.
    if (ended < 60000)
        fail(`the game took ${ended} ms`);
    console.log(`a game without clicks ended after ${ended} ms in: ${text(words)}`);
    await driver.press('Enter');
    await prompt(driver);
    await driver.press('Enter');
    await game(driver);

    // The menu by mouse: Reset! brings the prompt back.
    await click(driver, (await waitFor(driver, ['Reset!'])).find((w) => w.text === 'Reset!'));
    await prompt(driver);
    await driver.press('Enter');
    await game(driver);

    // Left! has the focus: 32767 presses of Space count up to the limit
    // of the game's click counter, the next one overflows it.
    const pressed = Date.now();
    await driver.evaluate(() => {
        const canvas = document.querySelector('#screen canvas');
        const key = { key: ' ', code: 'Space', keyCode: 32, which: 32, bubbles: true };
        for (let i = 0; i < 32767; ++i) {
            canvas.dispatchEvent(new KeyboardEvent('keydown', key));
            canvas.dispatchEvent(new KeyboardEvent('keyup', key));
        }
    });
    now = await game(driver);
    if (!now.tally.endsWith('correct of 32767'))
        fail(`after 32767 presses the tally reads ${now.tally}`);
    console.log(`32767 presses in ${Date.now() - pressed} ms: ${now.tally}`);
    await driver.press('Space');
    await waitFor(driver, ['Overflow', 'OK']);
    await driver.press('Enter');
    const after = await game(driver);
    expect('tally after the overflow', after.tally, now.tally);
    console.log('the 32768th click was reported as "Overflow", and the game went on');

    await driver.press('e', true);
    const endedPage = () => {
        const again = document.getElementById('again');
        if (again.hidden || !document.getElementById('screen').hidden)
            return null;
        const box = again.getBoundingClientRect();
        return { said: document.getElementById('message').textContent,
            x: box.x + box.width / 2, y: box.y + box.height / 2 };
    };
    const deadline = Date.now() + 10000;
    let page;
    while (!(page = await driver.evaluate(endedPage)) && Date.now() < deadline)
        await driver.sleep(100);
    expect('page after Alt+E', page?.said, 'The game has ended.');
    await driver.click(page.x, page.y);
    await prompt(driver, 60);
    console.log('Alt+E ended the game; "Play again" brought the prompt back');
}

module.exports = { positions, scratch, fail, expect, read, text, waitFor, game, prompt, click,
    tap, playDesktop };

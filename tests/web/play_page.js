// SPDX-License-Identifier: MIT
// Plays the game on the page's own elements in Debian's headless Chromium,
// as a player would, by the page's roles and names: a hostile name typed in
// the prompt before the program has arrived, clicks judged, the news a
// screen reader hears, the whole 60-second game to its score message, which
// names the player as typed, Escape, Alt+R and Alt+E, all under the page's
// Content Security Policy with nothing refused.
// Then on an emulated phone: the window fitted to the screen either way up,
// buttons a finger's size, and taps that each count.
// Usage: node play_page.js SITE_FOLDER SERVER_SCRIPT
'use strict';
const { chromium } = require('playwright-core');
const { serve } = require('./site_server');

const [siteFolder, serverScript] = process.argv.slice(2, 4);
const words = ['Left!', 'Middle!', 'Right!'];
const hostile = '<img src=x onerror=alert(1)> &amp; "A"';

function fail(message) {
    throw new Error(message);
}
function expect(what, actual, expected) {
    if (actual !== expected)
        fail(`${what}: ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
}

// The window's state as a player sees it.
async function windowState(page) {
    return page.evaluate(() => {
        const window = document.querySelector('section.window:not([hidden])');
        if (!window)
            return null;
        const labels = [...window.querySelectorAll('.label')];
        const marks = labels.filter((label) => label.textContent === 'HIT!');
        return {
            title: window.getAttribute('aria-labelledby') &&
                document.getElementById(window.getAttribute('aria-labelledby')).textContent,
            target: marks.findIndex((mark) => !mark.hidden),
            shownMarks: marks.filter((mark) => !mark.hidden).length,
            feedback: labels[marks.length].textContent,
            tally: window.querySelector('[role=status]').textContent,
            news: document.getElementById('news').textContent,
            focused: document.activeElement.textContent,
        };
    });
}

// Answers the prompt; by default the window then shows.
async function answerPrompt(page, name, windowFollows = true) {
    const prompt = page.getByRole('dialog', { name: 'Your Identity' });
    await prompt.waitFor();
    const field = prompt.getByRole('textbox', { name: "So, what's your name?" });
    expect('the prompt\'s default', await field.inputValue(), 'No-Name');
    expect('the default selected', await field.evaluate((f) => f.selectionEnd - f.selectionStart), 7);
    if (name === null) {
        await page.keyboard.press('Escape');
    } else {
        await field.fill(name);
        await prompt.getByRole('button', { name: 'OK' }).click();
    }
    if (windowFollows)
        await page.waitForFunction(() => document.querySelector('section.window:not([hidden])'));
}

async function play(page) {
    const refused = [];
    await page.exposeFunction('refused', (what) => refused.push(what));
    await page.addInitScript(() => document.addEventListener('securitypolicyviolation',
        (event) => window.refused(`${event.violatedDirective} ${event.blockedURI}`)));
    // The program held back on a slow link until the player has answered.
    let arrive;
    const arrived = new Promise((resolve) => { arrive = resolve; });
    await page.route('**/zapgrid.wasm', async (route) => {
        await arrived;
        await route.continue();
    });
    const { server, url } = await serve(serverScript, siteFolder);
    try {
        await page.goto(url);
        await answerPrompt(page, hostile, false);
        expect('the window before the program arrived',
            await page.evaluate(() => !!document.querySelector('section.window')), false);
        arrive();
        await page.waitForFunction(() => document.querySelector('section.window:not([hidden])'));
        let state = await windowState(page);
        expect('the title', state.title, 'Zapgrid by Brevanno');
        expect('marks shown', state.shownMarks, 1);
        expect('the first feedback', state.feedback, 'Oops!');
        expect('the first tally', state.tally, '0 Correct of 0');
        expect('the focus', state.focused, 'Left!');
        console.log('the prompt before the program, answered before it arrived');

        // A hit, then the same button again: always a miss.
        const first = state.target;
        await page.getByRole('button', { name: words[first], exact: true }).click();
        state = await windowState(page);
        expect('a hit\'s feedback', state.feedback, words[first]);
        expect('the news of a hit', state.news, `${words[first]} Mark above ${words[state.target]}`);
        await page.getByRole('button', { name: words[first], exact: true }).click();
        state = await windowState(page);
        expect('a miss', state.feedback, 'Oops!');
        expect('the tally', state.tally, ' 1 correct of 2');
        expect('the news of a miss', state.news, `Oops! Mark above ${words[state.target]}`);
        // From the keyboard: Space on the focused button.
        await page.getByRole('button', { name: words[state.target], exact: true }).focus();
        await page.keyboard.press('Space');
        expect('a hit by Space', (await windowState(page)).tally, ' 2 correct of 3');
        console.log('clicks judged by mouse and keyboard, and their news');

        // The whole game: the score message, named as it was typed before
        // the program arrived, then a new prompt, cancelled with Escape.
        const message = page.getByRole('alertdialog', { name: 'Your Score!' });
        await message.waitFor({ timeout: 65000 });
        expect('the score message', await message.locator('.text').textContent(),
            `${hostile}, you got a score of-5950`);
        await message.getByRole('button', { name: 'OK' }).click();
        await answerPrompt(page, null);
        console.log('a whole game to its score message, with the hostile name as typed');

        // Alt+R: a new prompt, and a new game with the counters at 0.
        await page.getByRole('button', { name: words[(await windowState(page)).target], exact: true }).click();
        await page.keyboard.press('Alt+R');
        await answerPrompt(page, 'Ada');
        expect('the tally after Alt+R', (await windowState(page)).tally, '0 Correct of 0');
        await page.keyboard.press('Alt+E');
        await page.waitForFunction(() => document.body.classList.contains('ended'));
        expect('windows left after End',
            await page.evaluate(() => document.querySelectorAll('section.window, dialog').length), 0);
        expect('what the Content Security Policy refused', refused.join(', '), '');
        console.log('Alt+R, then Alt+E ends the game; nothing was refused by the page\'s policy');
    } finally {
        server.kill();
    }
}

// Where the window lies in the page, and its first button's height, in CSS
// pixels; and whether the page scrolls.
async function fit(page) {
    return page.evaluate(() => {
        const box = document.querySelector('section.window').getBoundingClientRect();
        const scrolling = document.scrollingElement;
        return {
            left: box.left, right: box.right, bottom: box.bottom,
            width: innerWidth, height: innerHeight,
            button: document.querySelector('.client > .button').getBoundingClientRect().height,
            scrolls: scrolling.scrollWidth > scrolling.clientWidth ||
                scrolling.scrollHeight > scrolling.clientHeight,
        };
    });
}

function checkFit(how, shown) {
    if (shown.left < 0 || shown.right > shown.width || shown.bottom > shown.height || shown.scrolls)
        fail(`${how}, the window does not fit the screen: ${JSON.stringify(shown)}`);
    if (shown.button < 44)
        fail(`${how}, a button is ${shown.button} CSS px tall, less than a finger's 44`);
}

async function playOnAPhone(browser) {
    const phone = await browser.newContext({ viewport: { width: 390, height: 844 },
        deviceScaleFactor: 3, isMobile: true, hasTouch: true });
    const page = await phone.newPage();
    const { server, url } = await serve(serverScript, siteFolder);
    try {
        await page.goto(url);
        const prompt = page.getByRole('dialog', { name: 'Your Identity' });
        await prompt.waitFor();
        const fieldText = await prompt.getByRole('textbox').evaluate((f) => parseFloat(getComputedStyle(f).fontSize));
        if (fieldText < 16)
            fail(`the name's field has ${fieldText} px text, which a phone zooms into`);
        await prompt.getByRole('button', { name: 'OK' }).tap();
        await page.waitForFunction(() => document.querySelector('section.window:not([hidden])'));
        const upright = await fit(page);
        checkFit('upright', upright);

        // A tap on the mark's button, and a second tap at the same place.
        const target = (await windowState(page)).target;
        const button = page.getByRole('button', { name: words[target], exact: true });
        await button.tap();
        await button.tap();
        expect('two taps', (await windowState(page)).tally, ' 1 correct of 2');

        await page.setViewportSize({ width: 844, height: 390 });
        const sideways = await fit(page);
        checkFit('sideways', sideways);
        console.log(`on a phone: the window ${Math.round(upright.right - upright.left)} CSS px wide ` +
            `upright, buttons ${Math.round(upright.button)} px tall (${Math.round(sideways.button)} ` +
            'sideways); taps counted one by one');
    } finally {
        server.kill();
        await phone.close();
    }
}

(async () => {
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
    try {
        const page = await browser.newPage();
        const errors = [];
        page.on('pageerror', (error) => errors.push(String(error)));
        page.on('dialog', (dialog) => errors.push(`a browser dialog: ${dialog.message()}`));
        await play(page);
        await playOnAPhone(browser);
        expect('errors in the page', errors.join(', '), '');
        console.log('2 passed, 0 failed');
    } finally {
        await browser.close();
    }
})().catch((error) => {
    console.error(`FAIL: ${error.message}`);
    process.exit(1);
});

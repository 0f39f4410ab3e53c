// SPDX-License-Identifier: MIT
// Plays the game on the page's own elements in Debian's headless Chromium,
// as a player would, by the page's roles and names: the prompt before the
// window, clicks judged, the news a screen reader hears, Alt+R, a hostile
// name through a whole 60-second game to its score message, Cancel, and
// Alt+E, all under the page's Content Security Policy with nothing refused.
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

async function answerPrompt(page, name) {
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
    await page.waitForFunction(() => document.querySelector('section.window:not([hidden])'));
}

async function play(page) {
    const refused = [];
    await page.exposeFunction('refused', (what) => refused.push(what));
    await page.addInitScript(() => document.addEventListener('securitypolicyviolation',
        (event) => window.refused(`${event.violatedDirective} ${event.blockedURI}`)));
    const { server, url } = await serve(serverScript, siteFolder);
    try {
        await page.goto(url);
        expect('the window before the prompt is answered',
            await page.evaluate(() => !!document.querySelector('section.window:not([hidden])')), false);
        await answerPrompt(page, 'Ada');
        let state = await windowState(page);
        expect('the title', state.title, 'Zapgrid by Brevanno');
        expect('marks shown', state.shownMarks, 1);
        expect('the first feedback', state.feedback, 'Oops!');
        expect('the first tally', state.tally, '0 Correct of 0');
        expect('the focus', state.focused, 'Left!');

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
        console.log('the prompt, then clicks judged by mouse and keyboard, and their news');

        // Alt+R: a new prompt, and a new game with the counters at 0.
        await page.keyboard.press('Alt+R');
        await answerPrompt(page, hostile);
        state = await windowState(page);
        expect('the tally after Alt+R', state.tally, '0 Correct of 0');
        // A whole game: the score message, named as typed, then a new prompt.
        const message = page.getByRole('alertdialog', { name: 'Your Score!' });
        await message.waitFor({ timeout: 65000 });
        expect('the score message', await message.locator('.text').textContent(),
            `${hostile}, you got a score of-6000`);
        await message.getByRole('button', { name: 'OK' }).click();
        await answerPrompt(page, null);
        console.log('Alt+R, and a hostile name through a whole game to its score message');

        await page.keyboard.press('Alt+E');
        await page.waitForFunction(() => document.body.classList.contains('ended'));
        expect('windows left after End',
            await page.evaluate(() => document.querySelectorAll('section.window, dialog').length), 0);
        expect('what the Content Security Policy refused', refused.join(', '), '');
        console.log('Alt+E ends the game; nothing was refused by the page\'s policy');
    } finally {
        server.kill();
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
        expect('errors in the page', errors.join(', '), '');
        console.log('1 passed, 0 failed');
    } finally {
        await browser.close();
    }
})().catch((error) => {
    console.error(`FAIL: ${error.message}`);
    process.exit(1);
});

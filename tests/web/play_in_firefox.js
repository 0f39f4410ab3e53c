// SPDX-License-Identifier: MIT
// Plays the game's web site in Debian's headless Firefox ESR, driven over
// WebDriver BiDi by puppeteer-core: the name typed into the page's prompt,
// clicks by the mouse and Space, a whole game to its score message, Alt+R
// and Alt+E, and taps on the buttons, each of which is one click.
// Usage: node play_in_firefox.js SITE_FOLDER SERVER_SCRIPT
'use strict';
const puppeteer = require('puppeteer-core');
const { serve } = require('./site_server');
const { words, hostile, fail, expect, windowState, openDialog, focusOnLeft } = require('./page_view');

const [siteFolder, serverScript] = process.argv.slice(2, 4);

const state = (page) => page.evaluate(windowState);
const shown = (page) => page.waitForFunction(() => document.querySelector('section.window:not([hidden])'));
const dialogShown = (page, title) => page.waitForFunction((title) =>
    [...document.querySelectorAll('dialog[open] .title')].some((t) => t.textContent === title),
{ timeout: 65000 }, title);
const buttonOf = (page, index) => page.$(`::-p-aria([name="${words[index]}"][role="button"])`);

async function withAlt(page, key) {
    await page.keyboard.down('Alt');
    await page.keyboard.press(key);
    await page.keyboard.up('Alt');
}

// Types the name into the prompt, which holds the default selected, and
// confirms it with Enter.
async function answerPrompt(page, name) {
    await dialogShown(page, 'Your Identity');
    expect('the prompt', JSON.stringify(await page.evaluate(openDialog)), JSON.stringify({
        role: 'dialog', title: 'Your Identity', text: "So, what's your name?", value: 'No-Name' }));
    await page.keyboard.type(name);
    await page.keyboard.press('Enter');
    await shown(page);
}

async function play(page, url) {
    await page.goto(url);
    expect('page title', await page.title(), 'Zapgrid');
    await answerPrompt(page, hostile);
    let now = await state(page);
    expect('the first tally', now.tally, '0 Correct of 0');
    await page.waitForFunction(focusOnLeft, { timeout: 1000 });
    const first = now.target;
    await (await buttonOf(page, first)).click();
    now = await state(page);
    expect('a hit\'s feedback', now.feedback, words[first]);
    expect('the news of a hit', now.news, `${words[first]} Mark above ${words[now.target]}`);
    await (await buttonOf(page, first)).click();
    now = await state(page);
    expect('a miss', now.feedback, 'Oops!');
    await (await buttonOf(page, now.target)).focus();
    // puppeteer names the space bar by its character.
    await page.keyboard.press(' ');
    expect('a hit by Space', (await state(page)).tally, ' 2 correct of 3');
    console.log('clicks judged by mouse and keyboard, and their news');

    await dialogShown(page, 'Your Score!');
    const message = await page.evaluate(openDialog);
    expect('the score message', message.text, `${hostile}, you got a score of-5950`);
    expect('the score message\'s role', message.role, 'alertdialog');
    await page.keyboard.press('Enter');
    await answerPrompt(page, 'Ann');
    console.log('a whole game to its score message, with the hostile name as typed');

    const hit = (await state(page)).target;
    await (await buttonOf(page, hit)).tap();
    now = await state(page);
    expect('feedback of a tap on the mark', now.feedback, words[hit]);
    await (await buttonOf(page, hit)).tap();
    expect('tally after a second tap there', (await state(page)).tally, ' 1 correct of 2');
    console.log('taps: one on the mark was a hit, a second there one more click');

    await withAlt(page, 'r');
    await answerPrompt(page, 'Ada');
    expect('the tally after Alt+R', (await state(page)).tally, '0 Correct of 0');
    await withAlt(page, 'e');
    await page.waitForFunction(() => document.body.classList.contains('ended'));
    console.log('Alt+R began a new game, and Alt+E ended it');
}

(async () => {
    const { server, url } = await serve(serverScript, siteFolder);
    const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
        headless: true, protocol: 'webDriverBiDi' });
    const problems = [];
    try {
        console.log(`Firefox ${await browser.version()}`);
        const page = await browser.newPage();
        await page.setViewport({ width: 800, height: 600, hasTouch: true });
        page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
        page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
        page.on('dialog', (dialog) => {
            problems.push(`a browser dialog: ${dialog.message()}`);
            dialog.dismiss();
        });
        await play(page, url);
    } finally {
        await browser.close();
        server.kill();
    }
    if (problems.length)
        fail(`the page reported:\n${problems.join('\n')}`);
    console.log('Firefox play: ok');
})().catch((error) => {
    console.error(`FAIL: ${error.message}`);
    process.exit(1);
});

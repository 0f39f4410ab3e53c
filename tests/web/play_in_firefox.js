// SPDX-License-Identifier: MIT
// Plays the game's web site in Debian's headless Firefox ESR, driven over
// WebDriver BiDi by puppeteer-core: the desktop play that every engine
// plays (desktop_play.js), with taps on the buttons, each of which is one
// click; Alt+E, and in a new visit Control+Option+E as a Mac sends it;
// nothing refused by the site's policy, as the server hears of it.
// Usage: node play_in_firefox.js SITE_FOLDER SERVER_SCRIPT
'use strict';
const puppeteer = require('puppeteer-core');
const { playSite } = require('./site_server');
const { playDesktop, endWithAlt, macKeyEnds } = require('./desktop_play');

const [siteFolder, serverScript] = process.argv.slice(2, 4);

// A puppeteer page as the shared play drives it.
function playerOf(page) {
    return {
        goto: (url) => page.goto(url),
        reload: () => page.reload(),
        evaluate: (fn, ...args) => page.evaluate(fn, ...args),
        waitFor: (fn, timeout, ...args) => page.waitForFunction(fn, { timeout }, ...args),
        find: async (fn, ...args) => (await page.evaluateHandle(fn, ...args)).asElement(),
        click: (element) => element.click(),
        tap: (element) => element.tap(),
        // puppeteer names the space bar by its character.
        press: (key) => page.keyboard.press(key === 'Space' ? ' ' : key),
        type: (text) => page.keyboard.type(text),
        withAlt: async (letter) => {
            await page.keyboard.down('Alt');
            await page.keyboard.press(letter);
            await page.keyboard.up('Alt');
        },
    };
}

playSite('Firefox', serverScript, siteFolder, async (url, server, problems) => {
    const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
        headless: true, protocol: 'webDriverBiDi' });
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
        const player = playerOf(page);
        await playDesktop(player, url);
        await endWithAlt(player);
        await player.reload();
        await macKeyEnds(player, true);
    } finally {
        await browser.close();
    }
});

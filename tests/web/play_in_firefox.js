// SPDX-License-Identifier: MIT
// Plays the game's web site in Debian's Firefox ESR, with a window on the X
// display it is given (Firefox draws WebGL only in a window here), driven
// over WebDriver BiDi by puppeteer-core: the desktop play, then taps on the
// buttons, each of which is one click.
// Usage: node play_in_firefox.js SITE_FOLDER SERVER_SCRIPT
'use strict';
const puppeteer = require('puppeteer-core');
const { serve } = require('./site_server');
const view = require('./game_view');
const { positions, expect, game, tap } = view;

const [siteFolder, serverScript] = process.argv.slice(2, 4);

// A page of puppeteer's as the plays drive it.
function driverFor(page, scale) {
    // The game's element shows once the game has started.
    const screen = () => page.waitForSelector('#screen', { visible: true, timeout: 60000 });
    return {
        scale,
        shoot: async (file) => (await screen()).screenshot({ path: file }),
        box: async () => (await screen()).boundingBox(),
        click: (x, y) => page.mouse.click(x, y),
        tap: (x, y) => page.touchscreen.tap(x, y),
        press: async (key, alt) => {
            if (alt)
                await page.keyboard.down('Alt');
            // puppeteer names the space bar by its character.
            await page.keyboard.press(key === 'Space' ? ' ' : key);
            if (alt)
                await page.keyboard.up('Alt');
        },
        type: (keys) => page.keyboard.type(keys),
        evaluate: (fn, arg) => page.evaluate(fn, arg),
        sleep: (ms) => new Promise((resolve) => setTimeout(resolve, ms)),
    };
}

async function tapButtons(driver) {
    await driver.press('Enter');
    let now = await game(driver);
    const hit = now.target;
    await tap(driver, now.buttons[hit]);
    now = await game(driver);
    expect('feedback of a tap on the mark', now.feedback, positions[hit]);
    expect('tally after a tap', now.tally, '1 correct of 1');
    await tap(driver, now.buttons[hit]);
    now = await game(driver);
    expect('tally after a second tap there', now.tally, '1 correct of 2');
    console.log('taps: one on the mark was a hit, a second there one more click');
}

(async () => {
    const { server, url } = await serve(serverScript, siteFolder);
    const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
        headless: false, protocol: 'webDriverBiDi', args: ['--width=1000', '--height=800'] });
    const problems = [];
    try {
        console.log(`Firefox ${await browser.version()}`);
        const page = await browser.newPage();
        await page.setViewport({ width: 800, height: 600, deviceScaleFactor: 2 });
        page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
        page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
        const driver = driverFor(page, 2);
        await page.goto(url);
        expect('page title', await page.title(), 'Zapgrid');
        await view.playDesktop(driver);
        await tapButtons(driver);
    } finally {
        await browser.close();
        server.kill();
    }
    if (problems.length)
        view.fail(`the page reported:\n${problems.join('\n')}`);
    console.log('Firefox play: ok');
})().catch((error) => {
    console.error(`FAIL: ${error.message}`);
    process.exit(1);
});

// SPDX-License-Identifier: MIT
// Plays the game's web site in WebKit, the engine of Safari and of every
// browser on an iPhone: WebKitGTK's MiniBrowser, driven over W3C WebDriver
// by selenium-webdriver through Debian's WebKitWebDriver, on the display
// and the accessibility bus that webkit_session.sh gives it. The desktop
// play that every engine plays (desktop_play.js), but taps (WebKitGTK's
// WebDriver gives touch as a mouse); the page as WebKit gives it to a
// screen reader; Alt+E; then, the server stopped, a reload that plays from
// what the service worker kept, and Option+E and Control+Option+E as a Mac
// sends them. The server gathers what the site's policy refused, from the
// first byte of each visit: nothing may be.
// Usage: node play_in_webkit.js SITE_FOLDER SERVER_SCRIPT
'use strict';
const { Builder, Key } = require('selenium-webdriver');
const { execFileSync, spawn } = require('child_process');
const net = require('net');
const path = require('path');
const { playSite } = require('./site_server');
const { words, expect } = require('./page_view');
const { answerPrompt, state, buttonOf, playDesktop, macKeyEnds, endWithAlt } = require('./desktop_play');

const [siteFolder, serverScript] = process.argv.slice(2, 4);
const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const treeScript = path.join(__dirname, '..', 'accessibility', 'webkit_tree.py');
const keys = { Enter: Key.ENTER, Space: Key.SPACE, Escape: Key.ESCAPE };

// Errors the page throws and what its policy refuses, gathered from each
// visit's load on: WebDriver has no hook before the page's own scripts,
// which the server's reports cover while it runs.
function watchErrors() {
    window.pageErrors = [];
    addEventListener('error', (event) => window.pageErrors.push(event.message));
    addEventListener('unhandledrejection', (event) => window.pageErrors.push(String(event.reason)));
    document.addEventListener('securitypolicyviolation', (event) =>
        window.pageErrors.push(`the policy refused ${event.violatedDirective} ${event.blockedURI}`));
}

// A WebDriver session as the shared play drives it.
function playerOf(driver, problems) {
    const checkErrors = async () => {
        const errors = await driver.executeScript(() => window.pageErrors || []);
        problems.push(...errors.map((error) => `page error: ${error}`));
    };
    const watched = async (navigate) => {
        await checkErrors();
        await navigate();
        await driver.executeScript(watchErrors);
    };
    return {
        goto: (url) => watched(() => driver.get(url)),
        reload: () => watched(() => driver.navigate().refresh()),
        checkErrors,
        evaluate: (fn, ...args) => driver.executeScript(fn, ...args),
        waitFor: (fn, timeout, ...args) => driver.wait(() => driver.executeScript(fn, ...args), timeout,
            `waiting for ${fn.name || 'the page'}`),
        find: (fn, ...args) => driver.executeScript(fn, ...args),
        click: (element) => element.click(),
        tap: null,
        press: (key) => driver.actions().sendKeys(keys[key]).perform(),
        type: (text) => driver.actions().sendKeys(text).perform(),
        withAlt: (letter) => driver.actions().keyDown(Key.ALT).sendKeys(letter).keyUp(Key.ALT).perform(),
    };
}

// What WebKit gives a screen reader over AT-SPI, checked by webkit_tree.py.
function checkTree(...args) {
    console.log(execFileSync('/usr/bin/python3', [treeScript, ...args], { encoding: 'utf8' }).trim());
}

// By ear: the prompt's field named by its question; after a click, the
// buttons, the tally as a status, the click's news in the live region.
async function playByEar(player, url) {
    await player.goto(url);
    await player.waitFor(() => !!document.querySelector('dialog[open]'), 10000);
    checkTree('prompt');
    await answerPrompt(player, 'Ann');
    const hit = (await state(player)).target;
    await player.click(await buttonOf(player, hit));
    const now = await state(player);
    checkTree('game', now.tally, `${words[hit]} Mark above ${words[now.target]}`);
}

// The server stopped: a reload plays from what the service worker kept.
async function playOffline(player, server) {
    server.kill();
    await player.reload();
    await answerPrompt(player, 'Ann');
    const target = (await state(player)).target;
    await player.click(await buttonOf(player, target));
    expect('feedback of a hit, offline', (await state(player)).feedback, words[target]);
    console.log('offline: the reload reached the prompt and a hit was judged');
}

function freePort() {
    return new Promise((resolve) => {
        const probe = net.createServer().listen(0, '127.0.0.1', () => {
            const { port } = probe.address();
            probe.close(() => resolve(port));
        });
    });
}

async function startDriver() {
    const port = await freePort();
    const service = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
    const capabilities = { browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } };
    for (let tries = 0; ; ++tries) {
        try {
            const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`)
                .withCapabilities(capabilities).build();
            return { service, driver };
        } catch (error) {
            if (tries === 50) {
                service.kill();
                throw error;
            }
            await new Promise((resolve) => setTimeout(resolve, 100));
        }
    }
}

playSite('WebKit', serverScript, siteFolder, async (url, server, problems) => {
    const { service, driver } = await startDriver();
    try {
        const version = (await driver.getCapabilities()).get('browserVersion');
        console.log(`WebKitGTK ${version}: ${await driver.executeScript(() => navigator.userAgent)}`);
        const player = playerOf(driver, problems);
        await playDesktop(player, url);
        await endWithAlt(player);
        await playByEar(player, url);
        await playOffline(player, server);
        await macKeyEnds(player, false);
        await player.reload();
        await macKeyEnds(player, true);
        await player.checkErrors();
    } finally {
        await driver.quit();
        service.kill();
    }
});

// SPDX-License-Identifier: MIT
// Plays the game's web site as people would, in Debian's headless Chromium
// with WebGL turned off, under the page's Content Security Policy with
// nothing refused: checks what the server sends, and what a browser below
// the game's floor is told; the page's looks in the light and dark schemes,
// under forced colours and zoomed (looks.js); on a desktop, a name typed
// before the program has arrived, the mouse and the keyboard, a whole game
// ending within 5 ms of its time on the page's clock, Escape, Alt+R, the
// menu's Reset!, the window as OCR reads it, then, the network cut, the game
// again from what the service worker kept, a rebuilt site taken at the next
// visit, and Alt+E; by ear, as a screen reader finds the page, with the
// 32768th click's overflow, the clock standing still meanwhile; on emulated
// phones (Android, iPhone, a phone asking for the desktop site), the name
// typed as a phone's keyboard does, taps, a pinch, the phone turned, and a
// game that ends while its tab is hidden.
// Usage: node play_in_chromium.js SITE_FOLDER SERVER_SCRIPT PROGRAM_DIR SITE_SCRIPT
'use strict';
const { chromium } = require('playwright-core');
const { execFileSync } = require('child_process');
const http = require('http');
const zlib = require('zlib');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { serve } = require('./site_server');
const { checkAxe } = require('./axe');
const { playLooks } = require('./looks');
const { words, hostile, fail, expect, windowState, openDialog, recordPageTimes, focusOnLeft } =
    require('./page_view');

const [siteFolder, serverScript, programDir, siteScript] = process.argv.slice(2, 6);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'zapgrid-web-'));

function get(url, encoding) {
    return new Promise((resolve, reject) => {
        http.get(url, { headers: encoding ? { 'Accept-Encoding': encoding } : {} }, (response) => {
            const chunks = [];
            response.on('data', (chunk) => chunks.push(chunk));
            response.on('end', () => resolve({ headers: response.headers, body: Buffer.concat(chunks) }));
        }).on('error', reject);
    });
}

// Every file of the site comes as the browser accepts it, with its own type
// and the site's policy, and those named after their content may be kept
// for a year.
async function checkServer(url) {
    const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
        '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png',
        '.css': 'text/css' };
    const policy = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; " +
        "img-src 'self' data:; object-src 'none'; base-uri 'none'; require-trusted-types-for 'script'; " +
        "trusted-types zapgrid; frame-ancestors 'none'";
    const decode = { br: zlib.brotliDecompressSync, gzip: zlib.gunzipSync, undefined: (b) => b };
    const files = fs.readdirSync(siteFolder).filter((f) => path.extname(f) in types);
    for (const file of files) {
        const raw = fs.readFileSync(path.join(siteFolder, file));
        const packed = fs.existsSync(path.join(siteFolder, `${file}.br`));
        for (const [accepted, expected] of [['br, gzip', 'br'], ['gzip', 'gzip'], ['', undefined]]) {
            const { headers, body } = await get(url + (file === 'index.html' ? '' : file), accepted);
            const encoding = packed ? expected : undefined;
            expect(`${file} for "${accepted}": encoding`, headers['content-encoding'], encoding);
            expect(`${file}: type`, headers['content-type'].split(';')[0], types[path.extname(file)]);
            if (!raw.equals(decode[encoding](body)))
                fail(`${file} for "${accepted}" did not decode to the file`);
            const kept = /\.[0-9a-f]{12}\./.test(file) ? 'public, max-age=31536000, immutable' : 'no-cache';
            expect(`${file}: caching`, headers['cache-control'], kept);
            expect(`${file}: policy`, headers['content-security-policy'], policy);
            expect(`${file}: sniffing`, headers['x-content-type-options'], 'nosniff');
            expect(`${file}: referrer`, headers['referrer-policy'], 'no-referrer');
        }
    }
    console.log(`the server sent each of ${files.length} files as brotli, gzip and plain, as asked, ` +
        'with the site\'s policy');
}

// A site as a new build of the game would lay out: the same program, a
// byte section and a comment longer, each marked with the build's number,
// so both change their names.
function rebuiltSite(build) {
    const program = path.join(scratch, `program-${build}`);
    fs.mkdirSync(program);
    const wasm = fs.readFileSync(path.join(programDir, 'zapgrid.wasm'));
    // A custom section, which the engine skips: id 0, its size, its name.
    const name = Buffer.from(`build ${build}`);
    const section = Buffer.from([0, name.length + 1, name.length, ...name]);
    fs.writeFileSync(path.join(program, 'zapgrid.wasm'), Buffer.concat([wasm, section]));
    fs.writeFileSync(path.join(program, 'zapgrid.js'),
        fs.readFileSync(path.join(programDir, 'zapgrid.js'), 'utf8') + `\n// build ${build}\n`);
    const site = path.join(scratch, `site-${build}`);
    execFileSync('python3', [siteScript, program, site]);
    return site;
}

// The program files of a site, by name.
const programOf = (site) => fs.readdirSync(site).filter((name) => /^zapgrid\.[0-9a-f]{12}\.(js|wasm)$/.test(name)).sort();

// The program files the page names, and those it has loaded, by name.
function pageProgram() {
    const named = [document.querySelector('script[data-program]').dataset.program,
        ...[...document.scripts].map((script) => script.getAttribute('src')).filter((src) => /^zapgrid\./.test(src))];
    const loaded = performance.getEntriesByType('resource')
        .map((entry) => new URL(entry.name).pathname.split('/').pop())
        .filter((name) => /^zapgrid\.[0-9a-f]{12}\.(js|wasm)$/.test(name));
    return { named: named.sort(), loaded: [...new Set(loaded)].sort() };
}

// The page and the program it runs are the site's build, both. (What the
// browser takes from its memory cache is not listed as loaded.)
async function checkBuild(page, site, what) {
    const { named, loaded } = await page.evaluate(pageProgram);
    expect(`${what}: the program the page names`, JSON.stringify(named), JSON.stringify(programOf(site)));
    if (!loaded.length || loaded.some((name) => !named.includes(name)))
        fail(`${what}: the page names ${named}, and loaded ${loaded}`);
}

// Waits until the page, reloaded as often as it may be meanwhile, is the
// site's build.
async function untilBuild(page, site) {
    const wanted = JSON.stringify(programOf(site));
    for (const deadline = Date.now() + 15000; Date.now() < deadline;) {
        const now = await page.evaluate(pageProgram).catch(() => null);
        if (now && JSON.stringify(now.named) === wanted)
            return;
        await page.waitForTimeout(100);
    }
    fail(`the page never became the build of ${site}`);
}

// Has the service worker look for a new build now, as the browser does at
// each visit, and waits until the new build's worker has taken over.
async function findNewBuild(page) {
    await page.evaluate(() => new Promise((resolve) => {
        navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true });
        navigator.serviceWorker.getRegistration().then((registration) => registration.update());
    }));
}

const state = (page) => page.evaluate(windowState);
const button = (page, index) => page.getByRole('button', { name: words[index], exact: true });
const shown = (page) => page.waitForFunction(() => document.querySelector('section.window:not([hidden])'));

// Watches a page for errors, browser dialogs and what its policy refused.
async function watch(page, problems) {
    page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
    page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
    page.on('dialog', (dialog) => {
        problems.push(`a browser dialog: ${dialog.message()}`);
        dialog.dismiss();
    });
    await page.exposeFunction('refused', (what) => problems.push(`the policy refused ${what}`));
    await page.addInitScript(() => document.addEventListener('securitypolicyviolation',
        (event) => window.refused(`${event.violatedDirective} ${event.blockedURI}`)));
    await page.addInitScript(recordPageTimes);
}

// Answers the prompt (null: Escape); by default the window then shows.
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
        await shown(page);
}

// Checks that the game's end, the making of its score message, came 60000
// ms after its time began, at most so many ms late, on the page's clock, the
// time of any dialog made meanwhile, until it closed, not counted. The time
// begins between the prompt's closing and the window's showing: the game
// was short if it ended before 60000 ms from the first, late if it ended
// more than the limit after 60000 from the second.
async function checkEndOnTime(page, where, limit) {
    const times = await page.evaluate(() => window.pageTimes);
    const end = times.findLastIndex((t) => t.what === 'made');
    const shown = times.findLastIndex((t, i) => i < end && t.what === 'shown');
    const closed = times.findLastIndex((t, i) => i < shown && t.what === 'close');
    let paused = 0;
    for (const t of times.slice(shown + 1, end))
        paused += t.what === 'close' ? t.at : t.what === 'made' ? -t.at : 0;
    const after = (start) => times[end].at - times[start].at - paused - 60000;
    const [least, most] = [after(shown), after(closed)];
    const said = `${where}: the game ended between ${least.toFixed(1)} and ${most.toFixed(1)} ms after its ` +
        `60000 ms${paused ? `, ${paused.toFixed(0)} ms of dialogs not counted` : ''}`;
    if (most < 0 || least > limit)
        fail(`${said}: ${JSON.stringify(times.slice(closed))}`);
    console.log(said);
}

// The window as a player sees it: each control shown, read by OCR from its
// picture (a button's inside its frame) as the text it holds. OCR takes
// this face's 0 for an O.
async function checkDrawn(page) {
    const picture = path.join(scratch, 'control.png');
    const read = [];
    for (const control of await page.locator('section.window .client > :not([hidden])').all()) {
        const box = await control.boundingBox();
        const inset = (await control.evaluate((c) => c.localName)) === 'button' ? 3 : 0;
        await page.screenshot({ path: picture, clip: { x: box.x + inset, y: box.y + inset,
            width: box.width - 2 * inset, height: box.height - 2 * inset } });
        const seen = execFileSync('tesseract', [picture, '-', '--psm', '7'], { stdio: ['ignore', 'pipe', 'ignore'] })
            .toString().trim();
        const held = (await control.textContent()).trim();
        expect('a control as OCR reads it', seen.replaceAll('O', '0'), held.replaceAll('O', '0'));
        read.push(seen);
    }
    console.log(`the window as drawn, read by OCR: ${read.join(' | ')}`);
}

// The desktop play: the program held back on a slow link until the player
// has answered the page's own prompt with a hostile name; clicks judged by
// mouse and keyboard, with their news; a whole game to its score message,
// which names the player as typed; Escape, Alt+R and the menu's Reset!.
async function playOnDesktop(browser, url, problems) {
    const page = await browser.newPage({ viewport: { width: 800, height: 600 }, deviceScaleFactor: 2 });
    await watch(page, problems);
    let arrive;
    const arrived = new Promise((resolve) => { arrive = resolve; });
    await page.route('**/zapgrid.*.wasm', async (route) => {
        await arrived;
        await route.continue();
    });
    await page.goto(url);
    expect('page title', await page.title(), 'Zapgrid');
    expect('WebGL', await page.evaluate(() => !!document.createElement('canvas').getContext('webgl')), false);
    await answerPrompt(page, hostile, false);
    expect('the window before the program arrived',
        await page.evaluate(() => !!document.querySelector('section.window')), false);
    arrive();
    await shown(page);
    let now = await state(page);
    expect('the title', now.title, 'Zapgrid by Brevanno');
    expect('marks shown', now.shownMarks, 1);
    expect('the first feedback', now.feedback, 'Oops!');
    expect('the first tally', now.tally, '0 Correct of 0');
    await page.waitForFunction(focusOnLeft, null, { timeout: 1000 });
    console.log('the prompt before the program, answered before it arrived');

    // A hit, then the same button again: always a miss.
    const first = now.target;
    await button(page, first).click();
    now = await state(page);
    expect('a hit\'s feedback', now.feedback, words[first]);
    expect('the news of a hit', now.news, `${words[first]} Mark above ${words[now.target]}`);
    await button(page, first).click();
    now = await state(page);
    expect('a miss', now.feedback, 'Oops!');
    expect('the tally', now.tally, ' 1 correct of 2');
    expect('the news of a miss', now.news, `Oops! Mark above ${words[now.target]}`);
    await button(page, now.target).focus();
    await page.keyboard.press('Space');
    now = await state(page);
    expect('a hit by Space', now.tally, ' 2 correct of 3');
    await checkDrawn(page);
    console.log('clicks judged by mouse and keyboard, and their news');

    const message = page.getByRole('alertdialog', { name: 'Your Score!' });
    await message.waitFor({ timeout: 65000 });
    await checkEndOnTime(page, 'on a desktop', 5);
    expect('the score message', await message.locator('.text').textContent(),
        `${hostile}, you got a score of-5950`);
    await page.getByRole('alertdialog').getByRole('button', { name: 'OK' }).click();
    await answerPrompt(page, null);
    console.log('a whole game to its score message, with the hostile name as typed');

    // Alt+R: a new prompt, and a new game with the counters at 0.
    await button(page, (await state(page)).target).click();
    await page.keyboard.press('Alt+R');
    await answerPrompt(page, 'Ada');
    expect('the tally after Alt+R', (await state(page)).tally, '0 Correct of 0');
    // And the menu's Reset! by the mouse.
    await button(page, (await state(page)).target).click();
    await page.getByRole('menuitem', { name: 'Reset!' }).click();
    await answerPrompt(page, 'Bo');
    expect('the tally after Reset!', (await state(page)).tally, '0 Correct of 0');
    await page.close();
    console.log('Alt+R and the menu\'s Reset! each began a new game');
}

// Stops the server and serves the site on its port again.
async function publish(server, site, options) {
    server.process.kill();
    server.process = (await serve(serverScript, site, server.port, options)).server;
}

// New builds published between visits. A visit draws the page from what
// the service worker keeps, at once, and a new build found meanwhile takes
// over at once, the page reloaded into it, while the player has not
// touched the page; once they have typed a name, or play, the page is not
// reloaded, and the next visit plays the new build. Every page runs the
// program of its own build.
async function playUpdates(page, server) {
    const first = rebuiltSite(1);
    await publish(server, first);
    await page.reload();
    await untilBuild(page, first);
    await checkBuild(page, first, 'a new build, found while the prompt was untouched');
    await answerPrompt(page, 'Ann');
    console.log(`a new build, found while the prompt was untouched, took over at once: ${programOf(first)}`);

    await page.reload();
    await page.getByRole('dialog', { name: 'Your Identity' }).waitFor();
    await page.keyboard.type('Bo');
    await page.evaluate(() => { window.sameVisit = true; });
    const second = rebuiltSite(2);
    await publish(server, second);
    await findNewBuild(page);
    await page.waitForTimeout(500);
    expect('the visit of a typed name, once a new build was found',
        await page.evaluate(() => window.sameVisit && document.querySelector('dialog[open] .field').value), 'Bo');
    await page.keyboard.press('Enter');
    await shown(page);
    await button(page, (await state(page)).target).click();
    expect('a game under way, a new build kept', await page.evaluate(() => window.sameVisit), true);
    await checkBuild(page, first, 'a game under way, a new build kept');
    console.log('a typed name and then a game under way were not reloaded away by a new build');

    await page.reload();
    await untilBuild(page, second);
    await checkBuild(page, second, 'the next visit');
    await answerPrompt(page, 'Cy');
    console.log(`the next visit played the new build: ${programOf(second)}`);
    return second;
}

// The page's host stalled, holding the page 10 s: a visit draws the prompt
// from what the service worker keeps all the same.
async function playStalledHost(page, server, site) {
    await publish(server, site, { holdPage: 10 });
    const begin = Date.now();
    await page.reload({ waitUntil: 'commit' });
    await page.getByRole('dialog', { name: 'Your Identity' }).waitFor({ timeout: 5000 });
    const took = Date.now() - begin;
    if (took > 3000)
        fail(`the host holding the page, the prompt was drawn only ${took} ms after the reload began`);
    await answerPrompt(page, 'Di');
    console.log(`the host holding the page 10 s, the prompt was drawn ${took} ms after the reload began`);
    await publish(server, site);
}

// After a first visit: the network cut, a reload starts the game from what
// the service worker kept, and a click is judged; the network back, new
// builds on the server, taken as playUpdates says; the page's host stalled;
// Alt+E ends it.
async function playOffline(browser, url, server, problems) {
    const page = await browser.newPage();
    await watch(page, problems);
    const cdp = await page.context().newCDPSession(page);
    await page.goto(url);
    await answerPrompt(page, 'Ann');
    await page.evaluate(() => navigator.serviceWorker.ready);
    await cdp.send('Network.emulateNetworkConditions',
        { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    // No server either: nothing can come from anywhere but the cache.
    server.process.kill();
    await page.reload();
    await answerPrompt(page, 'Ann');
    const target = (await state(page)).target;
    await button(page, target).click();
    expect('feedback of a hit, offline', (await state(page)).feedback, words[target]);
    console.log('offline: the reload reached the prompt and a hit was judged');

    await cdp.send('Network.emulateNetworkConditions',
        { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    await playStalledHost(page, server, await playUpdates(page, server));

    await page.keyboard.press('Alt+E');
    await page.waitForFunction(() => document.body.classList.contains('ended'));
    expect('windows left after End',
        await page.evaluate(() => document.querySelectorAll('section.window, dialog').length), 0);
    await page.close();
    console.log('Alt+E ended the game, and nothing of it is left in the page');
}

// The page as Chromium gives it to a screen reader: every node that is not
// ignored, with its role, name, the text it holds and whether it is live or
// focused.
async function readerTree(cdp) {
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((n) => [n.nodeId, n]));
    const textOf = (n) => (n.role?.value === 'StaticText' ? n.name?.value ?? '' :
        (n.childIds ?? []).map((c) => byId.get(c)).filter(Boolean).map(textOf).join(' ').trim());
    const property = (n, name) => n.properties?.find((p) => p.name === name)?.value.value;
    return nodes.filter((n) => !n.ignored).map((n) => ({ role: n.role?.value, name: n.name?.value ?? '',
        text: textOf(n), live: property(n, 'live'), focused: property(n, 'focused') === true }));
}

// After a click: the reader has the three buttons, the tally as a status,
// the click's news in the live region, and the focus on a button.
async function checkHeard(cdp, now) {
    const tree = await readerTree(cdp);
    const buttons = tree.filter((n) => n.role === 'button' && words.includes(n.name)).map((n) => n.name);
    expect('buttons in the reader\'s tree', JSON.stringify(buttons), JSON.stringify(words));
    const status = tree.find((n) => n.role === 'status');
    expect('the status in the reader\'s tree', status?.text.trim(), now.tally.trim());
    const news = tree.find((n) => n.live === 'assertive')?.text;
    expect('the news spoken', news, `${now.feedback} Mark above ${words[now.target]}`);
    if (!tree.some((n) => n.focused && n.role === 'button'))
        fail('the reader\'s focus is on no button of the game');
    return news;
}

// Played by ear, as a reader in the page hears it: the prompt's field a
// labelled textbox; every click's news spoken, the same news twice as two;
// axe content at the prompt, in a game and at the score message; the 32768th
// click reported in an alert dialog, the game going on; and a hostile name
// shown as it was typed in the score message, running nothing.
async function playByEar(browser, url, problems) {
    const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
    await watch(page, problems);
    const cdp = await page.context().newCDPSession(page);
    await page.goto(url);
    await page.getByRole('dialog', { name: 'Your Identity' }).waitFor();
    const field = (await readerTree(cdp)).find((n) => n.role === 'textbox');
    expect('the prompt\'s field', `${field?.name}, focused ${field?.focused}`,
        "So, what's your name?, focused true");
    await checkAxe(page, 'at the prompt');
    // The program has taken the page's prompt over.
    await page.waitForFunction(() => !document.getElementById('early-prompt'));
    await page.keyboard.press('Control+A');
    await page.keyboard.type(hostile);
    await page.keyboard.press('Enter');
    await shown(page);

    let now = await state(page);
    const hit = now.target;
    await button(page, hit).click();
    now = await state(page);
    const heard = [await checkHeard(cdp, now)];
    // Each click's news is new to the live region, even the same news again,
    // so that a reader tells it each time.
    await page.evaluate(() => {
        window.told = 0;
        new MutationObserver(() => ++window.told).observe(document.getElementById('news'), { childList: true });
    });
    for (let i = 0; i < 2; ++i) {
        await button(page, hit).click();
        now = await state(page);
        heard.push(await checkHeard(cdp, now));
    }
    expect('news told for two clicks', await page.evaluate(() => window.told), 2);
    console.log(`heard: ${heard.map((h) => `"${h}"`).join(', then ')}`);
    await checkAxe(page, 'in a game');

    // The 32768th click: clicks counts to 32767.
    const clicks = Number(/of (\d+)/.exec(now.tally)[1]);
    await page.evaluate((count) => {
        const left = document.querySelector('.client > .button');
        for (let i = 0; i < count; ++i)
            left.click();
    }, 32767 - clicks);
    expect('the tally at the most', /of (\d+)/.exec((await state(page)).tally)[1], '32767');
    await button(page, 0).click();
    const overflow = await page.evaluate(openDialog);
    expect('the 32768th click', JSON.stringify(overflow),
        JSON.stringify({ role: 'alertdialog', title: 'Zapgrid', text: 'Overflow', value: null }));
    await checkAxe(page, 'at the overflow');
    await page.getByRole('alertdialog', { name: 'Zapgrid' }).getByRole('button', { name: 'OK' }).click();
    console.log('the 32768th click was reported as an overflow');

    const scored = page.getByRole('alertdialog', { name: 'Your Score!' });
    await scored.waitFor({ timeout: 65000 });
    // The page sees the dialog's time only from outside, a few ms short of
    // the game's own when the machine is busy; without it the game would
    // end some 100 ms early.
    await checkEndOnTime(page, 'by ear, with the overflow', 20);
    const message = await scored.locator('.text').textContent();
    const read = (await readerTree(cdp)).find((n) => n.role === 'alertdialog');
    if (!read?.text.includes(`${hostile}, you got a score of`))
        fail(`the score message reads ${JSON.stringify(read?.text)}`);
    if (!message.startsWith(`${hostile}, you got a score of`))
        fail(`the score message is ${JSON.stringify(message)}`);
    console.log(`the score message, to the reader: ${read.name}: ${read.text}`);
    await checkAxe(page, 'at the score message');
    expect('images on the page', await page.evaluate(() => document.images.length), 0);
    await page.close();
}

// Phones as Chromium emulates them: 390x844 CSS px at 3 device pixels each,
// touch, and the browser's user agent and platform.
const phones = {
    android: { platform: 'Linux armv8l',
        userAgent: 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 ' +
            '(KHTML, like Gecko) Chrome/156.0.0.0 Mobile Safari/537.36' },
    iphone: { platform: 'iPhone',
        userAgent: 'Mozilla/5.0 (iPhone; CPU iPhone OS 18_0 like Mac OS X) AppleWebKit/605.1.15 ' +
            '(KHTML, like Gecko) Version/18.0 Mobile/15E148 Safari/604.1' },
    // An Android phone asking for the desktop site says it is Linux.
    'desktop site': { platform: 'Linux x86_64',
        userAgent: 'Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 ' +
            '(KHTML, like Gecko) Chrome/156.0.0.0 Safari/537.36' },
};

// Where the window lies in the page, and its buttons' heights, in CSS
// pixels; and whether the page scrolls.
async function checkFit(page, where) {
    const fit = await page.evaluate(() => {
        const box = document.querySelector('section.window:not([hidden])').getBoundingClientRect();
        const scrolling = document.scrollingElement;
        return {
            left: box.left, right: box.right, bottom: box.bottom, width: innerWidth, height: innerHeight,
            buttons: [...document.querySelectorAll('.client > .button')].map((b) => b.getBoundingClientRect().height),
            scrolls: scrolling.scrollWidth > scrolling.clientWidth || scrolling.scrollHeight > scrolling.clientHeight,
        };
    });
    if (fit.left < 0 || fit.right > fit.width || fit.bottom > fit.height || fit.scrolls)
        fail(`${where}, the window does not fit the screen: ${JSON.stringify(fit)}`);
    if (fit.buttons.some((h) => h < 44))
        fail(`${where}: the buttons are ${fit.buttons.join(', ')} CSS px tall, less than a finger's 44`);
    console.log(`${where} (${fit.width}x${fit.height} CSS px): the window ` +
        `${Math.round(fit.right - fit.left)} CSS px wide, its buttons ${fit.buttons.map(Math.round).join(', ')} ` +
        'px tall; the page does not scroll');
}

// A tab hidden until the game's time has passed, its timers held meanwhile
// (frozen, as a browser may hold a hidden tab's): shown again, the game ends
// at once.
async function hideUntilOver(page, cdp) {
    await page.evaluate(() => {
        Object.defineProperty(document, 'visibilityState', { get: () => (window.hidden ? 'hidden' : 'visible') });
        window.hidden = true;
        document.dispatchEvent(new Event('visibilitychange'));
    });
    const { started, now } = await page.evaluate(() => ({
        started: window.pageTimes.findLast((t) => t.what === 'shown').at,
        now: performance.now(),
    }));
    await cdp.send('Page.setWebLifecycleState', { state: 'frozen' });
    await page.waitForTimeout(started + 60000 - now + 2000);
    await cdp.send('Page.setWebLifecycleState', { state: 'active' });
    const shownAt = await page.evaluate(() => {
        window.hidden = false;
        document.dispatchEvent(new Event('visibilitychange'));
        return performance.now();
    });
    await page.getByRole('alertdialog', { name: 'Your Score!' }).waitFor({ timeout: 5000 });
    const opened = (await page.evaluate(() => window.pageTimes)).pop().at;
    if (opened - shownAt > 100)
        fail(`shown again, the tab ended its game ${opened - shownAt} ms later`);
    console.log(`a tab hidden past the game's end ended it ${Math.max(0, opened - shownAt).toFixed(0)} ms ` +
        'after it was shown again');
}

// Played by touch on an emulated phone: the field tapped, the name typed as
// that phone's keyboard types it, taps on the buttons (one place twice), a
// pinch on the game's stage; on Android, the phone turned both ways, and a
// game that ends while its tab is hidden, whose score message a tap takes
// away.
async function playOnPhone(browser, url, name, problems) {
    const phone = phones[name];
    const context = await browser.newContext({ viewport: { width: 390, height: 844 },
        deviceScaleFactor: 3, isMobile: true, hasTouch: true, userAgent: phone.userAgent });
    const page = await context.newPage();
    const cdp = await context.newCDPSession(page);
    await cdp.send('Emulation.setUserAgentOverride', phone);
    await watch(page, problems);
    await page.goto(url);
    const prompt = page.getByRole('dialog', { name: 'Your Identity' });
    const field = prompt.getByRole('textbox', { name: "So, what's your name?" });
    await field.tap();
    expect(`${name}: the element focused by a tap on the field`,
        await page.evaluate(() => document.activeElement.tagName), 'INPUT');
    const fieldText = await field.evaluate((f) => parseFloat(getComputedStyle(f).fontSize));
    if (fieldText < 16)
        fail(`${name}: the name's field has ${fieldText} px text, which a phone zooms into`);
    await checkAxe(page, `on ${name}, the field tapped`);
    await field.evaluate((f) => f.select());
    if (name === 'iphone') {
        await page.keyboard.type('Ann Lee');
    } else {
        // A phone's keyboard commits words.
        await cdp.send('Input.insertText', { text: 'Ann' });
        await cdp.send('Input.insertText', { text: ' Lee' });
    }
    expect(`${name}: the name typed`, await field.inputValue(), 'Ann Lee');
    await prompt.getByRole('button', { name: 'OK' }).tap();
    await shown(page);
    await checkFit(page, `${name}, upright`);

    const hit = (await state(page)).target;
    await button(page, hit).tap();
    let now = await state(page);
    expect(`${name}: feedback of a tap on the mark`, now.feedback, words[hit]);
    expect(`${name}: tally after a hit`, now.tally, ' 1 correct of 1');
    await button(page, hit).tap();
    expect(`${name}: tally after a second tap there`, (await state(page)).tally, ' 1 correct of 2');
    console.log(`${name}: a tap on the mark was a hit, a second tap there a click too`);

    const stage = await page.locator('#stage').boundingBox();
    await cdp.send('Input.synthesizePinchGesture', { x: stage.x + stage.width / 2,
        y: stage.y + stage.height - 20, scaleFactor: 2.5, gestureSourceType: 'touch' });
    expect(`${name}: the page's scale after a pinch on the game`,
        await page.evaluate(() => visualViewport.scale), 1);
    if (name === 'android') {
        await page.setViewportSize({ width: 844, height: 390 });
        await checkFit(page, `${name}, sideways`);
        await page.setViewportSize({ width: 390, height: 844 });
        await checkFit(page, `${name}, upright again`);
        await hideUntilOver(page, cdp);
        const message = page.getByRole('alertdialog', { name: 'Your Score!' });
        const score = await message.locator('.text').textContent();
        if (!score.startsWith('Ann Lee, you got a score of'))
            fail(`${name}: the score message is ${JSON.stringify(score)}`);
        await message.getByRole('button', { name: 'OK' }).tap();
        await prompt.waitFor();
        console.log(`${name}: ${score}; a tap took the message away`);
    }
    await context.close();
}

// A browser below the game's floor is told, in words, what it lacks, and
// shown no window: one without WebAssembly, one without modal dialogs.
async function playBelowFloor(browser, url) {
    const lacking = { WebAssembly: () => delete globalThis.WebAssembly,
        'modal dialogs': () => delete HTMLDialogElement.prototype.showModal };
    for (const [what, remove] of Object.entries(lacking)) {
        const page = await browser.newPage();
        await page.addInitScript(remove);
        await page.goto(url);
        const note = page.locator('.no-program-note');
        await note.waitFor({ timeout: 10000 });
        const said = await note.textContent();
        if (!said.includes(`it lacks ${what}`) || !said.includes('Safari 16'))
            fail(`without ${what} the page says ${JSON.stringify(said)}`);
        await page.waitForTimeout(500);
        expect(`a window or dialog shown without ${what}`, await page.evaluate(() =>
            [...document.querySelectorAll('section.window, dialog')].some((e) => e.checkVisibility())), false);
        await page.close();
        console.log(`without ${what}: "${said}"`);
    }
}

async function play(url, server) {
    const browser = await chromium.launch({
        executablePath: '/usr/bin/chromium',
        // Nothing of the game needs WebGL.
        args: ['--no-sandbox', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--disable-quic', '--disable-3d-apis'],
    });
    const problems = [];
    try {
        const only = process.env.ZAPGRID_WEB_PROFILE;
        const plays = {
            'below the floor': () => playBelowFloor(browser, url),
            looks: () => playLooks(browser, url, (page) => watch(page, problems)),
            ...Object.fromEntries(Object.keys(phones).map((name) =>
                [name, () => playOnPhone(browser, url, name, problems)])),
            'by ear': () => playByEar(browser, url, problems),
            desktop: () => playOnDesktop(browser, url, problems),
            offline: () => playOffline(browser, url, server, problems),
        };
        // Two plays that wait out a whole game run side by side (the
        // phone's tab is frozen as the desktop's game ends); by ear, whose
        // clock stops for a dialog, runs alone.
        const chosen = Object.entries(plays).filter(([name]) => !only || only === name);
        const side = new Set(['android', 'desktop']);
        for (const [, run] of chosen.filter(([name]) => !side.has(name) && name !== 'by ear'))
            await run();
        await Promise.all(chosen.filter(([name]) => side.has(name)).map(([, run]) => run()));
        for (const [, run] of chosen.filter(([name]) => name === 'by ear'))
            await run();
    } finally {
        await browser.close();
    }
    if (problems.length)
        fail(`the page reported:\n${problems.join('\n')}`);
}

(async () => {
    const { server, url } = await serve(serverScript, siteFolder);
    // The server is stopped and started again on the same port by the play.
    const served = { process: server, port: new URL(url).port };
    try {
        await checkServer(url);
        await play(url, served);
        console.log('web play: ok');
    } finally {
        served.process.kill();
        fs.rmSync(scratch, { recursive: true, force: true });
    }
})().catch((error) => {
    console.error(`FAIL: ${error.message}`);
    process.exit(1);
});

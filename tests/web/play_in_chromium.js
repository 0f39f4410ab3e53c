// SPDX-License-Identifier: MIT
// Plays the game's web site as people would, in Debian's headless Chromium:
// serves it on 127.0.0.1; on a desktop, goes through the desktop play (the
// mouse, the keyboard, a whole game, the overflow, Alt+E), then, the network
// cut, plays it again from what the service worker kept, and takes a rebuilt
// site on the next visit; on emulated phones (Android, iPhone, a phone asking
// for the desktop site), types the name as a phone's keyboard does, taps,
// pinches and turns the phone. Before that it checks what the server sends,
// and what a browser without WebAssembly is told.
// Usage: node play_in_chromium.js SITE_FOLDER SERVER_SCRIPT PROGRAM_DIR SITE_SCRIPT
'use strict';
const { chromium } = require('playwright-core');
const { execFileSync } = require('child_process');
const http = require('http');
const zlib = require('zlib');
const fs = require('fs');
const path = require('path');
const view = require('./game_view');
const { positions, scratch, fail, expect, text, waitFor, game, prompt, click, tap } = view;

const [siteFolder, serverScript, programDir, siteScript] = process.argv.slice(2, 6);

const serve = (folder, port) => require('./site_server').serve(serverScript, folder, port);

function get(url, encoding) {
    return new Promise((resolve, reject) => {
        http.get(url, { headers: encoding ? { 'Accept-Encoding': encoding } : {} }, (response) => {
            const chunks = [];
            response.on('data', (chunk) => chunks.push(chunk));
            response.on('end', () => resolve({ headers: response.headers, body: Buffer.concat(chunks) }));
        }).on('error', reject);
    });
}

// Every file of the site comes as the browser accepts it, with its own type,
// and those named after their content may be kept for a year.
async function checkServer(url) {
    const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
        '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png' };
    const decode = { br: zlib.brotliDecompressSync, gzip: zlib.gunzipSync, undefined: (b) => b };
    const files = fs.readdirSync(siteFolder).filter((f) => !/\.(br|gz)$/.test(f) && path.extname(f) in types);
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
        }
    }
    console.log(`the server sent each of ${files.length} files as brotli, gzip and plain, as asked`);
}

// A site as a new build of the game would lay out: the same program, one
// byte section and one comment longer, so both change their names.
function rebuiltSite() {
    const program = path.join(scratch, 'program');
    fs.mkdirSync(program);
    const wasm = fs.readFileSync(path.join(programDir, 'zapgrid.wasm'));
    // A custom section, which the engine skips: id 0, size 8, name "rebuilt".
    const section = Buffer.from([0, 8, 7, ...Buffer.from('rebuilt')]);
    fs.writeFileSync(path.join(program, 'zapgrid.wasm'), Buffer.concat([wasm, section]));
    fs.writeFileSync(path.join(program, 'zapgrid.js'),
        fs.readFileSync(path.join(programDir, 'zapgrid.js'), 'utf8') + '\n// rebuilt\n');
    const site = path.join(scratch, 'site');
    execFileSync('python3', [siteScript, program, site]);
    return site;
}

// The program files the page has loaded, by name.
async function programFiles(page) {
    return page.evaluate(() => performance.getEntriesByType('resource')
        .map((entry) => new URL(entry.name).pathname.split('/').pop())
        .filter((name) => /^zapgrid\.[0-9a-f]{12}\.(js|wasm)$/.test(name)).sort());
}

// A page of Playwright's as the plays drive it.
function driverFor(page, scale) {
    return {
        scale,
        shoot: (file) => page.locator('#screen').screenshot({ path: file }),
        box: () => page.locator('#screen').boundingBox(),
        click: (x, y) => page.mouse.click(x, y),
        tap: (x, y) => page.touchscreen.tap(x, y),
        press: (key, alt) => page.keyboard.press(alt ? `Alt+${key}` : key),
        type: (keys) => page.keyboard.type(keys),
        evaluate: (fn, arg) => page.evaluate(fn, arg),
        sleep: (ms) => page.waitForTimeout(ms),
    };
}

// After a first visit: the network cut, a reload starts the game from what
// the service worker kept, and a click is judged; the network back and a new
// build on the server, the next visit runs the new program, both halves.
async function playOffline(page, driver, cdp, server) {
    const before = await programFiles(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await cdp.send('Network.emulateNetworkConditions',
        { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    // No server either: nothing can come from anywhere but the cache.
    server.process.kill();
    await page.reload();
    await prompt(driver, 60);
    await driver.press('Enter');
    let now = await game(driver);
    const target = now.target;
    await click(driver, now.buttons[target]);
    now = await game(driver);
    expect('feedback of a hit, offline', now.feedback, positions[target]);
    console.log('offline: the reload reached the prompt and a hit was judged');

    const rebuilt = rebuiltSite();
    server.process = (await serve(rebuilt, server.port)).server;
    await cdp.send('Network.emulateNetworkConditions',
        { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    await page.reload();
    await prompt(driver, 60);
    const after = await programFiles(page);
    const expected = fs.readdirSync(rebuilt).filter((f) => /^zapgrid\.[0-9a-f]{12}\.(js|wasm)$/.test(f)).sort();
    expect('program after the rebuild', JSON.stringify(after), JSON.stringify(expected));
    if (after.some((name) => before.includes(name)))
        fail(`the new visit still ran ${before}`);
    console.log(`the next visit ran the rebuilt program: ${after.join(', ')}`);
}

function watch(page, problems) {
    page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
    page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
}

async function playOnDesktop(browser, url, server, problems) {
    const bare = await browser.newPage();
    await bare.addInitScript(() => delete globalThis.WebAssembly);
    await bare.goto(url);
    await bare.locator('#message', { hasText: 'cannot run WebAssembly' }).waitFor({ timeout: 10000 });
    await bare.close();
    console.log('without WebAssembly the page says so');

    const page = await browser.newPage({ viewport: { width: 800, height: 600 }, deviceScaleFactor: 2 });
    const driver = driverFor(page, 2);
    const cdp = await page.context().newCDPSession(page);
    watch(page, problems);
    const loaded = Date.now();
    await page.goto(url);
    expect('page title', await page.title(), 'Zapgrid');
    await waitFor(driver, ["what's your name?", 'OK', 'Cancel'], 60);
    console.log(`load to prompt: ${Date.now() - loaded} ms`);
    await view.playDesktop(driver);
    await playOffline(page, driver, cdp, server);
    await page.close();
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

const axeScript = require.resolve('axe-core/axe.min.js');

// What axe-core finds wrong with the page as it stands.
async function checkAxe(page, where) {
    if (!(await page.evaluate(() => 'axe' in window)))
        await page.addScriptTag({ path: axeScript });
    const { violations } = await page.evaluate(() => axe.run(document, { resultTypes: ['violations'] }));
    if (violations.length) {
        fail(`axe, ${where}: ${violations.map((v) => `${v.id} (${v.impact}): ` +
            v.nodes.map((n) => n.target.join(' ')).join(', ')).join('; ')}`);
    }
    console.log(`axe found nothing wrong ${where}`);
}

// After a click: the reader has the three buttons, the tally as a status,
// the click's news in the live region, and the focus on a control of the
// game's; each as the canvas shows it.
async function checkHeard(cdp, now) {
    const tree = await readerTree(cdp);
    const buttons = tree.filter((n) => n.role === 'button').map((n) => n.name);
    expect('buttons in the reader\'s tree', JSON.stringify(buttons), JSON.stringify(positions));
    const status = tree.find((n) => n.role === 'status');
    expect('the status in the reader\'s tree', status?.text.trim(), now.tally);
    const news = tree.find((n) => n.live === 'assertive')?.text;
    expect('the news spoken', news, `${now.feedback} Mark above ${positions[now.target]}`);
    if (!tree.some((n) => n.focused && n.role === 'button'))
        fail('the reader\'s focus is on no button of the game');
    return news;
}

// What a reader finds by touch or by the mouse where each button is drawn:
// readers ask the page's own hit test, which finds no element that lets
// pointers through.
async function checkFound(page, driver, now) {
    const screen = await driver.box();
    const found = await page.evaluate((points) => points.map(({ x, y }) => {
        const element = document.elementFromPoint(x, y);
        return element?.closest('button')?.textContent ?? element?.tagName;
    }), now.buttons.map((b) => ({ x: screen.x + b.x, y: screen.y + b.y })));
    expect('the buttons found where they are drawn', JSON.stringify(found), JSON.stringify(positions));
}

// Played by ear, as a reader in the page hears it: the prompt's field a
// labelled textbox, every click's news spoken, the buttons found where they
// are drawn, axe content at the prompt, in a game and at the score message,
// and a hostile name shown as it was typed, in the score message, running
// nothing.
async function playByEar(browser, url, problems) {
    const page = await browser.newPage({ viewport: { width: 800, height: 600 }, deviceScaleFactor: 2 });
    const driver = driverFor(page, 2);
    const cdp = await page.context().newCDPSession(page);
    watch(page, problems);
    page.on('dialog', (dialog) => {
        problems.push(`the page opened a dialog: ${dialog.message()}`);
        dialog.dismiss();
    });
    await page.goto(url);
    await waitFor(driver, ["what's your name?", 'OK', 'Cancel'], 60);
    const field = (await readerTree(cdp)).find((n) => n.role === 'textbox');
    expect('the prompt\'s field', `${field?.name}, focused ${field?.focused}`,
        "So, what's your name?, focused true");
    await checkAxe(page, 'at the prompt');
    const hostile = '<img src=x onerror=alert(1)><script>alert(2)</script>';
    await page.keyboard.type(hostile);
    await page.keyboard.press('Enter');

    let now = await game(driver);
    const hit = now.target;
    await click(driver, now.buttons[hit]);
    now = await game(driver);
    const heard = [await checkHeard(cdp, now)];
    await checkFound(page, driver, now);
    await click(driver, now.buttons[hit]);
    now = await game(driver);
    heard.push(await checkHeard(cdp, now));
    console.log(`heard: ${heard.map((h) => `"${h}"`).join(', then ')}`);
    await checkAxe(page, 'in a game');

    await waitFor(driver, ['you got a score of', 'OK'], 75);
    const message = (await readerTree(cdp)).find((n) => n.role === 'alertdialog');
    if (!message?.text.includes(`${hostile}, you got a score of`))
        fail(`the score message reads ${JSON.stringify(message?.text)}`);
    console.log(`the score message, to the reader: ${message.name}: ${message.text}`);
    await checkAxe(page, 'at the score message');
    expect('images on the page', await page.evaluate(() => document.images.length), 0);
    await page.close();
}

// Phones as Chromium emulates them: 390x844 CSS px at 3 device pixels each,
// touch, the browser's user agent and the platform Qt tells them apart by.
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

// Runs analyse({ brightness, blue, width, height, scale }, arg) in the page
// on a picture of the game's element, whose pixels it can read there.
async function inPicture(page, driver, analyse, arg) {
    const file = path.join(scratch, 'picture.png');
    await driver.shoot(file);
    const png = fs.readFileSync(file).toString('base64');
    return page.evaluate(async ({ png, source, arg, scale }) => {
        const picture = await createImageBitmap(await (await fetch(`data:image/png;base64,${png}`)).blob());
        const canvas = new OffscreenCanvas(picture.width, picture.height);
        const context = canvas.getContext('2d');
        context.drawImage(picture, 0, 0);
        const { data, width, height } = context.getImageData(0, 0, picture.width, picture.height);
        const at = (x, y, channel) => data[4 * (y * width + x) + channel];
        const brightness = (x, y) => (at(x, y, 0) + at(x, y, 1) + at(x, y, 2)) / 3;
        const blue = (x, y) => at(x, y, 2) - at(x, y, 0) > 60;
        return (0, eval)(source)({ brightness, blue, width, height, scale }, arg);
    }, { png, source: analyse.toString(), arg, scale: driver.scale });
}

// In CSS px: each button's height (the rows between its frame's top and
// bottom edges, in the column just right of its text), and the window's size
// (all that differs from the empty page's colour).
function measure(page, driver, buttons) {
    const columns = buttons.map((b) => ({ x: b.x + b.w / 2 + 3, y: b.y }));
    return inPicture(page, driver, ({ brightness, width, height, scale }, columns) => {
        const heights = columns.map(({ x, y }) => {
            const column = Math.round(x * scale);
            let top = Math.round(y * scale);
            let bottom = top;
            while (top > 0 && brightness(column, top) > 190)
                --top;
            while (bottom < height - 1 && brightness(column, bottom) > 190)
                ++bottom;
            return (bottom - top) / scale;
        });
        const empty = brightness(0, 0);
        let [left, right, top, bottom] = [width, -1, height, -1];
        for (let y = 0; y < height; ++y) {
            for (let x = 0; x < width; ++x) {
                if (Math.abs(brightness(x, y) - empty) > 8) {
                    left = Math.min(left, x);
                    right = Math.max(right, x);
                    top = Math.min(top, y);
                    bottom = Math.max(bottom, y);
                }
            }
        }
        return { heights, window: { width: (right - left + 1) / scale, height: (bottom - top + 1) / scale } };
    }, columns);
}

// The middle of a dialog's default button, below the given height: OCR does
// not read its word inside the focus frame, which is blue.
function defaultButton(page, driver, below) {
    return inPicture(page, driver, ({ blue, width, height, scale }, below) => {
        let [left, right, top, bottom] = [width, -1, height, -1];
        for (let y = Math.round(below * scale); y < height; ++y) {
            for (let x = 0; x < width; ++x) {
                if (blue(x, y)) {
                    left = Math.min(left, x);
                    right = Math.max(right, x);
                    top = Math.min(top, y);
                    bottom = Math.max(bottom, y);
                }
            }
        }
        return { x: (left + right) / 2 / scale, y: (top + bottom) / 2 / scale };
    }, below);
}

async function checkFit(page, driver, where) {
    const now = await game(driver);
    const { heights, window } = await measure(page, driver, now.buttons);
    if (heights.some((h) => h < 44))
        fail(`${where}: the buttons are ${heights.join(', ')} CSS px tall`);
    const scrolls = await page.evaluate(() => document.scrollingElement.scrollHeight - innerHeight);
    if (scrolls > 0)
        fail(`${where}: the page scrolls by ${scrolls} px`);
    const viewport = await page.evaluate(() => `${innerWidth}x${innerHeight}`);
    console.log(`${where} (${viewport} CSS px): the window ${window.width.toFixed(0)}x${window.height.toFixed(0)} CSS px, ` +
        `its buttons ${heights.map((h) => h.toFixed(1)).join(', ')} px tall; the page does not scroll`);
    return now;
}

// Played by touch on an emulated phone: the field tapped twice where the
// name ends, the name typed as that phone's keyboard types it, taps on the
// buttons (one place twice), a pinch on the game's empty area; on Android,
// the phone turned both ways and a whole game to its score message, which a
// tap dismisses.
async function playOnPhone(browser, url, name, problems) {
    const phone = phones[name];
    const context = await browser.newContext({ viewport: { width: 390, height: 844 },
        deviceScaleFactor: 3, isMobile: true, hasTouch: true, userAgent: phone.userAgent });
    const page = await context.newPage();
    const cdp = await context.newCDPSession(page);
    await cdp.send('Emulation.setUserAgentOverride', phone);
    watch(page, problems);
    const driver = driverFor(page, 3);
    await page.goto(url);
    const words = await waitFor(driver, ["what's your name?", 'OK', 'Cancel'], 60);
    // The field lies between the question and the buttons; its right end,
    // where the cursor goes after the name, is above Cancel.
    const question = words.find((w) => w.text === 'name?');
    const cancel = words.find((w) => w.text === 'Cancel');
    const fieldEnd = { x: cancel.x + cancel.w / 2 - 8, y: (question.y + cancel.y) / 2 };
    // The first tap on the field hands the phone's keyboard its element,
    // not the mirror's field, which lies under the finger for a reader.
    const typedInto = () => {
        const focus = document.activeElement;
        return `${focus.tagName}${focus.closest('[id$="-mirror"]') ? ' of the mirror' : ''}`;
    };
    await tap(driver, fieldEnd);
    expect(`${name}: the element focused by a tap on the field`, await page.evaluate(typedInto), 'INPUT');
    await checkAxe(page, `on ${name}, the field tapped`);
    await page.waitForTimeout(500);
    await tap(driver, fieldEnd);
    await cdp.send('Input.insertText', { text: 'X' });
    await waitFor(driver, ['No-NameX']);
    for (let i = 0; i < 'No-NameX'.length; ++i)
        await page.keyboard.press('Backspace');
    if (name === 'iphone') {
        await page.keyboard.type('Ann Lee');
    } else {
        // A phone's keyboard commits words.
        await cdp.send('Input.insertText', { text: 'Ann' });
        await cdp.send('Input.insertText', { text: ' Lee' });
    }
    const typed = await waitFor(driver, ["what's your name?", 'Ann Lee']);
    if (text(typed).includes('No-Name'))
        fail(`${name}: the field still holds the default: ${text(typed)}`);
    expect(`${name}: the element the keyboard types into, at the end`,
        await page.evaluate(typedInto), 'INPUT');
    await tap(driver, typed.find((w) => w.text === 'OK'));
    console.log(`${name}: the name was typed whole after a tap on the field, twice where it ends`);

    let now = await checkFit(page, driver, `${name}, upright`);
    // The keys go back to the game, and no tap but one on a field asks for
    // the phone's keyboard.
    const keyboardAsked = () => {
        const canvas = document.querySelector('#screen canvas');
        const focus = document.activeElement;
        const where = focus.closest('#screen') && focus.tagName !== 'INPUT' ? 'the game' : focus.tagName;
        return `${where}, inputmode ${canvas.getAttribute('inputmode')}`;
    };
    expect(`${name}: after the prompt, the focus`, await page.evaluate(keyboardAsked),
        'the game, inputmode none');
    const hit = now.target;
    await tap(driver, now.buttons[hit]);
    now = await game(driver);
    expect(`${name}: after a tap on a button, the focus`, await page.evaluate(keyboardAsked),
        'the game, inputmode none');
    expect(`${name}: feedback of a tap on the mark`, now.feedback, positions[hit]);
    expect(`${name}: tally after a hit`, now.tally, '1 correct of 1');
    await tap(driver, now.buttons[hit]);
    now = await game(driver);
    expect(`${name}: tally after a second tap there`, now.tally, '1 correct of 2');
    console.log(`${name}: a tap on the mark was a hit, a second tap there a click too`);

    const screen = await driver.box();
    await cdp.send('Input.synthesizePinchGesture', { x: screen.x + screen.width / 2,
        y: screen.y + screen.height - 60, scaleFactor: 2.5, gestureSourceType: 'touch' });
    expect(`${name}: the page's scale after a pinch on the game`,
        await page.evaluate(() => visualViewport.scale), 1);
    if (name === 'android') {
        await page.setViewportSize({ width: 844, height: 390 });
        await checkFit(page, driver, `${name}, sideways`);
        await page.setViewportSize({ width: 390, height: 844 });
        await checkFit(page, driver, `${name}, upright again`);
        // The name whole, as committed word by word (the message lies over
        // the game's window, whose words OCR reads in among its own).
        const score = await waitFor(driver, ['Ann Lee,', 'score', 'of-'], 75);
        const scoreLine = score.find((w) => w.text.startsWith('of-')).y;
        await tap(driver, await defaultButton(page, driver, scoreLine));
        await waitFor(driver, ["what's your name?", 'OK', 'Cancel']);
        console.log(`${name}: ${text(score)}; a tap took the message away`);
    }
    await context.close();
}

async function play(url, server) {
    const browser = await chromium.launch({
        executablePath: '/usr/bin/chromium',
        args: ['--no-sandbox', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--disable-quic',
            '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
    });
    const problems = [];
    try {
        const only = process.env.ZAPGRID_WEB_PROFILE;
        for (const name of Object.keys(phones)) {
            if (!only || only === name)
                await playOnPhone(browser, url, name, problems);
        }
        if (!only || only === 'by ear')
            await playByEar(browser, url, problems);
        if (!only || only === 'desktop')
            await playOnDesktop(browser, url, server, problems);
    } finally {
        await browser.close();
    }
    if (problems.length)
        fail(`the page reported:\n${problems.join('\n')}`);
}

(async () => {
    const { server, url } = await serve(siteFolder);
    // The server is stopped and started again on the same port by the play.
    const served = { process: server, port: new URL(url).port };
    try {
        await checkServer(url);
        await play(url, served);
        console.log('web play: ok');
    } finally {
        served.process.kill();
    }
})().catch((error) => {
    console.error(`FAIL: ${error.message}`);
    process.exit(1);
});

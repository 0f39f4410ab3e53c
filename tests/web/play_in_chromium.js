// SPDX-License-Identifier: MIT
// Plays the game's web site as a person would, in Debian's headless Chromium:
// serves it on 127.0.0.1, answers the prompt, hits and misses with the mouse,
// resets with Alt+R, plays a real 60-second game to its score message, takes
// the reload's fresh prompt, clicks 32768 times to the overflow report, and
// ends with Alt+E; then, the network cut, plays it again from what the
// service worker kept, and takes a rebuilt site on the next visit. Before
// that it checks what the server sends, and what a browser without
// WebAssembly is told. What the game shows is read off its canvas by OCR.
// Usage: node play_in_chromium.js SITE_FOLDER SERVER_SCRIPT PROGRAM_DIR SITE_SCRIPT
'use strict';
const { chromium } = require('playwright-core');
const { spawn, execFileSync } = require('child_process');
const http = require('http');
const zlib = require('zlib');
const fs = require('fs');
const os = require('os');
const path = require('path');

const scale = 2; // a sharper picture reads better
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'zapgrid-web-'));
const positions = ['Left!', 'Middle!', 'Right!'];
const [siteFolder, serverScript, programDir, siteScript] = process.argv.slice(2, 6);

function fail(message) {
    throw new Error(message);
}

// The site's own server, on a port of its choosing, or on the one given.
function serve(folder, port = 0) {
    const server = spawn('python3', [serverScript, folder, String(port)],
        { stdio: ['ignore', 'pipe', 'inherit'] });
    return new Promise((resolve, reject) => {
        server.stdout.on('data', (data) => {
            const url = /on (http:\S+)/.exec(String(data));
            if (url)
                resolve({ server, url: url[1] });
        });
        server.on('exit', () => reject(new Error('the web server did not start')));
    });
}

// The words on the game's canvas, each with its box in CSS pixels.
async function read(page) {
    const file = path.join(scratch, 'screen.png');
    await page.locator('#screen').screenshot({ path: file });
    const tsv = execFileSync('tesseract', [file, 'stdout', '--psm', '11', 'tsv'],
        { stdio: ['ignore', 'pipe', 'ignore'] }).toString();
    return tsv.split('\n').slice(1).map((line) => line.split('\t'))
        .filter((f) => f.length === 12 && f[11].trim() && Number(f[10]) > 0)
        .map((f) => ({ text: f[11].trim(), x: (+f[6] + f[8] / 2) / scale, y: (+f[7] + f[9] / 2) / scale }));
}

function text(words) {
    return words.map((w) => w.text).join(' ');
}

// Reads until every expected text shows, for at most the time given.
async function waitFor(page, expected, seconds = 20) {
    const deadline = Date.now() + seconds * 1000;
    let words = [];
    while (Date.now() < deadline) {
        words = await read(page);
        if (expected.every((e) => text(words).includes(e)))
            return words;
        await page.waitForTimeout(200);
    }
    fail(`never read ${JSON.stringify(expected)}; read: ${text(words)}`);
}

// The game window as it stands: the button words, where the mark is, the
// feedback and the tally.
async function game(page) {
    const words = await waitFor(page, [...positions, 'HIT!']);
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
async function prompt(page, seconds) {
    await waitFor(page, ["what's your name?", 'OK', 'Cancel'], seconds);
    await page.keyboard.press('End');
    await waitFor(page, ['No-Name']);
}

async function click(page, button) {
    const screen = await page.locator('#screen').boundingBox();
    await page.mouse.click(screen.x + button.x, screen.y + button.y);
}

function expect(what, actual, wanted) {
    if (actual !== wanted)
        fail(`${what}: read ${JSON.stringify(actual)}, expected ${JSON.stringify(wanted)}`);
}

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

// After a first visit: the network cut, a reload starts the game from what
// the service worker kept, and a click is judged; the network back and a new
// build on the server, the next visit runs the new program, both halves.
async function playOffline(page, cdp, server) {
    const before = await programFiles(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await cdp.send('Network.emulateNetworkConditions',
        { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    // No server either: nothing can come from anywhere but the cache.
    server.process.kill();
    await page.reload();
    await prompt(page, 60);
    await page.keyboard.press('Enter');
    let now = await game(page);
    const target = now.target;
    await click(page, now.buttons[target]);
    now = await game(page);
    expect('feedback of a hit, offline', now.feedback, positions[target]);
    console.log('offline: the reload reached the prompt and a hit was judged');

    const rebuilt = rebuiltSite();
    server.process = (await serve(rebuilt, server.port)).server;
    await cdp.send('Network.emulateNetworkConditions',
        { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    await page.reload();
    await prompt(page, 60);
    const after = await programFiles(page);
    const expected = fs.readdirSync(rebuilt).filter((f) => /^zapgrid\.[0-9a-f]{12}\.(js|wasm)$/.test(f)).sort();
    expect('program after the rebuild', JSON.stringify(after), JSON.stringify(expected));
    if (after.some((name) => before.includes(name)))
        fail(`the new visit still ran ${before}`);
    console.log(`the next visit ran the rebuilt program: ${after.join(', ')}`);
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
        const bare = await browser.newPage();
        await bare.addInitScript(() => delete globalThis.WebAssembly);
        await bare.goto(url);
        await bare.locator('#message', { hasText: 'cannot run WebAssembly' }).waitFor({ timeout: 10000 });
        await bare.close();
        console.log('without WebAssembly the page says so');

        const page = await browser.newPage({ viewport: { width: 800, height: 600 }, deviceScaleFactor: scale });
        const cdp = await page.context().newCDPSession(page);
        page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
        page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));

        const loaded = Date.now();
        await page.goto(url);
        expect('page title', await page.title(), 'Zapgrid');
        await waitFor(page, ["what's your name?", 'OK', 'Cancel'], 60);
        console.log(`load to prompt: ${Date.now() - loaded} ms`);
        // The default shows selected, so typing replaces it.
        await page.keyboard.type('Tester');
        if (text(await waitFor(page, ["what's your name?", 'Tester'])).includes('No-Name'))
            fail('the typed name did not replace the default');
        await page.keyboard.press('Enter');

        let now = await game(page);
        await waitFor(page, ['Reset!', 'End', 'Oops!', '0 Correct of 0']);
        const hit = now.target;
        await click(page, now.buttons[hit]);
        now = await game(page);
        expect('feedback of a hit', now.feedback, positions[hit]);
        expect('tally after a hit', now.tally, '1 correct of 1');
        if (now.target === hit)
            fail('the mark stayed where it was hit');
        await click(page, now.buttons[hit]);
        now = await game(page);
        expect('feedback of a miss', now.feedback, 'Oops!');
        expect('tally after a miss', now.tally, '1 correct of 2');
        console.log(`played: hit ${positions[hit]}, then missed; the mark moved to ${positions[now.target]}`);

        await page.keyboard.press('Alt+r');
        await prompt(page);
        await page.keyboard.press('Enter');
        const started = Date.now();
        now = await game(page);
        expect('tally after Alt+R', now.tally, '0 Correct of 0');

        const words = await waitFor(page, ['you got a score of', 'OK'], 75);
        const ended = Date.now() - started;
        expect('score message', text(words).match(/No-Name.*-6000/)?.[0], 'No-Name, you got a score of-6000');
        // Never early. How late, reading the canvas included, a busy machine
        // decides; the wait above gives up on a game that never ends.
        if (ended < 60000)
            fail(`the game took ${ended} ms`);
        console.log(`a game without clicks ended after ${ended} ms in: ${text(words)}`);
        await page.keyboard.press('Enter');
        await prompt(page);
        await page.keyboard.press('Enter');
        await game(page);

        // Left! has the focus: 32767 presses of Space count up to the limit
        // of the game's click counter, the next one overflows it.
        const pressed = Date.now();
        await page.locator('#screen canvas').evaluate((canvas) => {
            const key = { key: ' ', code: 'Space', keyCode: 32, which: 32, bubbles: true };
            for (let i = 0; i < 32767; ++i) {
                canvas.dispatchEvent(new KeyboardEvent('keydown', key));
                canvas.dispatchEvent(new KeyboardEvent('keyup', key));
            }
        });
        now = await game(page);
        if (!now.tally.endsWith('correct of 32767'))
            fail(`after 32767 presses the tally reads ${now.tally}`);
        console.log(`32767 presses in ${Date.now() - pressed} ms: ${now.tally}`);
        await page.keyboard.press('Space');
        await waitFor(page, ['Overflow', 'OK']);
        await page.keyboard.press('Enter');
        const after = await game(page);
        expect('tally after the overflow', after.tally, now.tally);
        console.log('the 32768th click was reported as "Overflow", and the game went on');

        await page.keyboard.press('Alt+e');
        await page.locator('#again').waitFor({ state: 'visible', timeout: 10000 });
        expect('page after Alt+E', await page.locator('#message').textContent(), 'The game has ended.');
        if (await page.locator('#screen').isVisible())
            fail("the game's window stayed on the page after Alt+E");
        await page.locator('#again').click();
        await prompt(page, 60);
        console.log('Alt+E ended the game; "Play again" brought the prompt back');

        await playOffline(page, cdp, server);
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
        fs.rmSync(scratch, { recursive: true, force: true });
    }
})().catch((error) => {
    console.error(`FAIL: ${error.message}`);
    process.exit(1);
});

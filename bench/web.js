// SPDX-License-Identifier: MIT
// The game's page against a bare Qt for WebAssembly page that shows one
// QInputDialog, both served from 127.0.0.1 with their precompressed files and
// opened in headless Chromium: load to the prompt drawn, a click with its
// repaint, CPU in 10 s of idling after the prompt, and the memory the page's
// process holds at the prompt; then a first visit over an emulated link (CDP,
// the cache off) at two speeds, with the bytes it took, and a second visit.
// Prints table rows, each figure beside the bare page's.
// Usage: node web.js GAME_URL BARE_URL [RUNS]   (NODE_PATH to playwright-core)
'use strict';
const fs = require('fs');
const { chromium } = require('playwright-core');
// The PNG codec that playwright-core carries, pinned with it by the lock file.
const { PNG } = require('playwright-core/lib/utilsBundle');

const [gameUrl, bareUrl] = process.argv.slice(2, 4);
const runs = Number(process.argv[4] || 5);
const args = ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
    '--disable-background-networking'];

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const row = (what, ours, theirs, unit) => console.log(
    `| ${what} | ${ours.toFixed(2)} ${unit} | ${theirs.toFixed(2)} ${unit} | ${(ours / theirs).toFixed(2)}x |`);

// Frames alike but for a blinking caret.
function alike(a, b) {
    let differ = 0;
    for (let i = 0; i < a.data.length; i += 4)
        if (a.data[i] !== b.data[i] || a.data[i + 1] !== b.data[i + 1] || a.data[i + 2] !== b.data[i + 2])
            if (++differ > 200)
                return false;
    return true;
}

// Milliseconds from the page's request until the frame it settles on, the
// prompt, is first on screen: every frame is kept for ten seconds, and the
// first of the last run of frames alike the final one is when it was drawn.
async function startUp(page, url, seconds = 10) {
    const frames = [];
    const begin = Date.now();
    await page.goto(url, { waitUntil: 'commit' });
    while (Date.now() - begin < seconds * 1000)
        frames.push({ at: Date.now() - begin, png: await page.screenshot() });
    const decoded = frames.map((frame) => ({ at: frame.at, image: PNG.sync.read(frame.png) }));
    const final = decoded[decoded.length - 1].image;
    let first = decoded.length - 1;
    while (first > 0 && alike(decoded[first - 1].image, final))
        --first;
    return decoded[first].at;
}

// The renderer process of the one page open, and every process's CPU time.
async function processes(browser) {
    const cdp = await browser.newBrowserCDPSession();
    const { processInfo } = await cdp.send('SystemInfo.getProcessInfo');
    await cdp.detach();
    return processInfo;
}

function residentKiB(pid) {
    const status = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
    return Number(status.match(/^VmRSS:\s+(\d+)/m)[1]);
}

// Microseconds for each key press (down and up on the canvas, where Qt
// listens) with the repaint it asks for: the handling, plus Qt's own frame
// callback, timed between one of ours queued before and one queued after it.
async function presses(page, key, code, count) {
    return page.evaluate(async ({ key, code, count }) => {
        const canvas = document.querySelector('canvas');
        const times = [];
        const frame = () => new Promise((resolve) => requestAnimationFrame(() => resolve(performance.now())));
        for (let i = 0; i < count; ++i) {
            const before = frame();
            const start = performance.now();
            for (const type of ['keydown', 'keyup'])
                canvas.dispatchEvent(new KeyboardEvent(type, { key, code, bubbles: true }));
            const handled = performance.now() - start;
            const after = frame();
            const painted = (await after) - (await before);
            times.push((handled + painted) * 1000);
        }
        return times;
    }, { key, code, count });
}

async function measure(url, pressKey) {
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
    try {
        const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
        const startup = await startUp(page, url);
        const renderers = (await processes(browser)).filter((p) => p.type === 'renderer');
        const memory = Math.max(...renderers.map((p) => residentKiB(p.id))) / 1024;
        // Answered, and then left alone for ten seconds.
        await page.keyboard.press('Enter');
        await page.waitForTimeout(1000);
        const cpu = (list) => list.reduce((sum, p) => sum + p.cpuTime, 0);
        const idleFrom = cpu(await processes(browser));
        await page.waitForTimeout(10000);
        const idle = (cpu(await processes(browser)) - idleFrom) * 1000;
        const click = pressKey ? median(await presses(page, ...pressKey, 200)) : NaN;
        return { startup, memory, idle, click };
    } finally {
        await browser.close();
    }
}

// The links a visit is timed over: bytes per second, and the round trip.
const links = {
    '10 Mbit/s, 40 ms': { rate: 10e6 / 8, rtt: 40, seconds: 12 },
    '1.6 Mbit/s, 150 ms': { rate: 1.6e6 / 8, rtt: 150, seconds: 35 },
};

// A visit over an emulated link: the time to the prompt drawn, and the bytes
// that came over the wire for the page (headers included). Cold: a new
// browser profile with the cache off. Warm: the second visit of a profile
// whose first visit is over, its service worker, if any, in control.
async function visit(url, link, warm) {
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
    try {
        const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
        if (warm) {
            await page.goto(url);
            await page.waitForTimeout(8000);
            await page.evaluate(async () => {
                if (navigator.serviceWorker && await navigator.serviceWorker.getRegistration())
                    await navigator.serviceWorker.ready;
            });
        }
        const cdp = await page.context().newCDPSession(page);
        await cdp.send('Network.enable');
        await cdp.send('Network.setCacheDisabled', { cacheDisabled: !warm });
        await cdp.send('Network.emulateNetworkConditions', {
            offline: false, latency: link.rtt, downloadThroughput: link.rate,
            uploadThroughput: link.rate / 2,
        });
        let bytes = 0;
        cdp.on('Network.loadingFinished', (event) => { bytes += event.encodedDataLength; });
        const time = await startUp(page, url, link.seconds);
        return { time, bytes };
    } finally {
        await browser.close();
    }
}

async function visits(gameUrl, bareUrl, runs) {
    const of = (list, key) => median(list.map((m) => m[key]));
    let coldBytes = null;
    for (const [name, link] of Object.entries(links)) {
        for (const warm of [false, true]) {
            const game = [], bare = [];
            for (let i = 0; i < runs; ++i) {
                game.push(await visit(gameUrl, link, warm));
                bare.push(await visit(bareUrl, link, warm));
            }
            const what = `${warm ? 'warm' : 'cold'} visit at ${name} to the prompt drawn, median of ${runs}`;
            row(what, of(game, 'time'), of(bare, 'time'), 'ms');
            if (!warm) {
                // What the link could do at best: the bytes at its rate, and
                // three round trips (connection, page, program).
                const floor = of(game, 'bytes') / link.rate * 1000 + 3 * link.rtt;
                row(`cold visit at ${name} beside the link's floor for its bytes`,
                    of(game, 'time'), floor, 'ms');
                coldBytes = coldBytes || { game: of(game, 'bytes'), bare: of(bare, 'bytes') };
            }
        }
    }
    row('bytes on the wire, cold visit', coldBytes.game / 1024, coldBytes.bare / 1024, 'KiB');
}

(async () => {
    const game = [], bare = [];
    for (let i = 0; i < runs; ++i) {
        game.push(await measure(gameUrl, [' ', 'Space']));
        bare.push(await measure(bareUrl, null));
    }
    // The bare page's key press: a letter into its prompt's field.
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
    const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
    await startUp(page, bareUrl);
    const bareClick = median(await presses(page, 'a', 'KeyA', 200));
    await browser.close();

    const of = (list, key) => median(list.map((m) => m[key]));
    row('click with repaint, median of 200', of(game, 'click'), bareClick, 'us');
    row('CPU in 10 s of an idle page', of(game, 'idle'), of(bare, 'idle'), 'ms');
    row(`start-up to the prompt drawn, median of ${runs}`, of(game, 'startup'), of(bare, 'startup'), 'ms');
    row(`memory at the prompt, median of ${runs}`, of(game, 'memory'), of(bare, 'memory'), 'MiB');
    await visits(gameUrl, bareUrl, 3);
})().catch((error) => {
    console.error(error);
    process.exit(1);
});

// SPDX-License-Identifier: MIT
// The game's page against a bare Qt for WebAssembly page that shows one
// QInputDialog, both served from 127.0.0.1 and opened in headless Chromium:
// load to the prompt drawn, a click with its repaint, CPU in 10 s of idling
// after the prompt, and the memory the page's process holds at the prompt.
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
async function startUp(page, url) {
    const frames = [];
    const begin = Date.now();
    await page.goto(url, { waitUntil: 'commit' });
    while (Date.now() - begin < 10000)
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
})().catch((error) => {
    console.error(error);
    process.exit(1);
});

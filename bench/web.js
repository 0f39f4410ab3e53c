// SPDX-License-Identifier: MIT
// The game's site against a bare page (bench/bare: the same prompt as a
// <dialog>, three buttons and no program, kept by the same service worker),
// both served from 127.0.0.1 with their precompressed files by the site's
// server and opened in headless Chromium. On a local link: the prompt
// drawn, memory at the prompt, CPU in 10 s of idling, a click with its
// repaint, and memory after 100,000 clicks. Over links that CDP emulates, a
// new profile each time: the prompt drawn on a cold visit (the cache off)
// and a repeat one (the second visit, the service worker in control), with
// the CPU as it is and slowed 4x, and a repeat visit while the host holds
// the page 10 s; the window drawn after OK on a cold slow visit; and the
// bytes of a cold visit. Prints table rows, each figure beside the bare
// page's.
// Usage: node web.js SERVER_SCRIPT GAME_SITE BARE_SITE [RUNS]
//        (NODE_PATH to playwright-core; RUNS 0: the visits alone)
'use strict';
const fs = require('fs');
const { chromium } = require('playwright-core');
const { serve } = require('../tests/web/site_server');
// The PNG codec that playwright-core carries, pinned with it by the lock file.
const { PNG } = require('playwright-core/lib/utilsBundle');

const [serverScript, gameSite, bareSite] = process.argv.slice(2, 5);
const runs = Number(process.argv[5] || 5);
const args = ['--no-sandbox', '--disable-background-networking', '--js-flags=--expose-gc'];

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const row = (what, ours, theirs, unit) => console.log(`| ${what} | ${ours.toFixed(2)} ${unit} | ` +
    `${theirs.toFixed(2)} ${unit} | ${theirs ? `${(ours / theirs).toFixed(2)}x` : 'n/a'} |`);

// Frames alike but for so many pixels: a blinking caret by default.
function alike(a, b, pixels = 200) {
    let differ = 0;
    for (let i = 0; i < a.data.length; i += 4)
        if (a.data[i] !== b.data[i] || a.data[i + 1] !== b.data[i + 1] || a.data[i + 2] !== b.data[i + 2])
            if (++differ > pixels)
                return false;
    return true;
}

// Every frame the page paints, with the wall-clock time it reached the
// screen, in milliseconds.
async function screencast(cdp) {
    const frames = [];
    cdp.on('Page.screencastFrame', ({ data, metadata, sessionId }) => {
        frames.push({ at: metadata.timestamp * 1000, png: Buffer.from(data, 'base64') });
        cdp.send('Page.screencastFrameAck', { sessionId }).catch(() => {});
    });
    await cdp.send('Page.startScreencast', { format: 'png', everyNthFrame: 1 });
    return frames;
}

// The time, after since, of the first of the frames that stay alike the
// last one painted before until (within so many pixels).
function settledAt(frames, since, until, pixels) {
    const decoded = frames.filter((f) => f.at >= since && f.at <= until)
        .map((f) => ({ at: f.at, image: PNG.sync.read(f.png) }));
    const final = decoded[decoded.length - 1].image;
    let first = decoded.length - 1;
    while (first > 0 && alike(decoded[first - 1].image, final, pixels))
        --first;
    return decoded[first].at;
}

// The renderer processes, and every process's CPU time.
async function processes(browser) {
    const cdp = await browser.newBrowserCDPSession();
    const { processInfo } = await cdp.send('SystemInfo.getProcessInfo');
    await cdp.detach();
    return processInfo;
}

async function rendererMiB(browser, page) {
    await page.evaluate(() => gc());
    const renderers = (await processes(browser)).filter((p) => p.type === 'renderer');
    const resident = (pid) => Number(fs.readFileSync(`/proc/${pid}/status`, 'utf8').match(/^VmRSS:\s+(\d+)/m)[1]);
    return Math.max(...renderers.map((p) => resident(p.id))) / 1024;
}

// Microseconds for a click on the first button with the style and layout
// it asks for (forced at once), as the mean of 100 in a row; one figure for
// each of the given batches, a frame painted between them. (The page's
// clock counts in steps of 0.1 ms, too coarse for one click.)
function clicks(page, selector, batches) {
    return page.evaluate(async ({ selector, batches }) => {
        const button = document.querySelector(selector);
        const times = [];
        for (let batch = 0; batch < batches; ++batch) {
            const start = performance.now();
            for (let i = 0; i < 100; ++i) {
                button.click();
                document.body.getBoundingClientRect();
            }
            times.push((performance.now() - start) * 10);
            await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
        }
        return times;
    }, { selector, batches });
}

// Microseconds from a click on the first button, made as a frame has just
// been painted, until the frame with its answer has been painted (a task
// posted from that frame's animation callback runs once it is).
function painted(page, selector, count) {
    return page.evaluate(async ({ selector, count }) => {
        const button = document.querySelector(selector);
        const afterPaint = () => new Promise((resolve) => requestAnimationFrame(() => {
            const channel = new MessageChannel();
            channel.port1.onmessage = () => resolve(performance.now());
            channel.port2.postMessage(0);
        }));
        const times = [];
        for (let i = 0; i < count; ++i) {
            const start = await afterPaint();
            button.click();
            times.push(((await afterPaint()) - start) * 1000);
        }
        return times;
    }, { selector, count });
}

// What the page holds once garbage is collected: its JavaScript heap and
// WebAssembly memory, in KiB, and its elements.
function held(page) {
    return page.evaluate(() => {
        gc();
        const memory = typeof wasmMemory === 'undefined' ? 0 : wasmMemory.buffer.byteLength;
        return { kib: (performance.memory.usedJSHeapSize + memory) / 1024,
            elements: document.getElementsByTagName('*').length };
    });
}

// Clicks the first button the given times in all, in games of at most
// 30000 clicks (a game counts to 32767), each begun by the menu's Reset!.
function clickMany(page, selector, total) {
    return page.evaluate(async ({ selector, total }) => {
        const newGame = async () => {
            const reset = document.querySelector('section.window .menu > .item');
            if (!reset)
                return;
            reset.click();
            await new Promise((resolve) => setTimeout(resolve, 10));
            document.querySelector('dialog[open] button[value=ok]').click();
            await new Promise((resolve) => setTimeout(resolve, 10));
        };
        for (let done = 0; done < total; done += 30000) {
            await newGame();
            const button = document.querySelector(selector);
            for (let i = 0; i < Math.min(30000, total - done); ++i)
                button.click();
        }
    }, { selector, total });
}

const pages = {
    game: { site: gameSite, button: 'section.window .client > .button' },
    bare: { site: bareSite, button: 'main > button' },
};

// Serves a page's site, on the port it had before if it had one, the page
// itself held so many seconds.
async function serveSite(kind, holdPage = 0) {
    const served = pages[kind];
    served.server?.kill();
    const port = served.url ? new URL(served.url).port : 0;
    const { server, url } = await serve(serverScript, served.site, port, { holdPage });
    Object.assign(served, { server, url });
}

async function local(kind) {
    const { url, button } = pages[kind];
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
    try {
        const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
        page.on('crash', () => console.error(`${kind}: the page crashed`));
        const cdp = await page.context().newCDPSession(page);
        const frames = await screencast(cdp);
        const begin = Date.now();
        await page.goto(url);
        await page.waitForTimeout(3000);
        await cdp.send('Page.stopScreencast');
        const startup = settledAt(frames, begin, Date.now()) - begin;
        const memory = await rendererMiB(browser, page);
        // Answered, and then left alone for ten seconds.
        await page.keyboard.press('Enter');
        await page.waitForSelector(`${button}:not([hidden])`);
        await page.waitForTimeout(1000);
        const cpu = (list) => list.reduce((sum, p) => sum + p.cpuTime, 0);
        const idleFrom = cpu(await processes(browser));
        await page.waitForTimeout(10000);
        const idle = (cpu(await processes(browser)) - idleFrom) * 1000;
        const click = median(await clicks(page, button, 20));
        const answer = median(await painted(page, button, 100));
        await clickMany(page, button, 1000);
        const before = { rss: await rendererMiB(browser, page), ...await held(page) };
        await clickMany(page, button, 100000);
        const after = { rss: await rendererMiB(browser, page), ...await held(page) };
        return { startup, memory, idle, click, answer, before, after };
    } finally {
        await browser.close();
    }
}

// The links a visit is timed over: bytes per second, and the round trip.
const links = {
    '10 Mbit/s, 40 ms': { rate: 10e6 / 8, rtt: 40 },
    '1.6 Mbit/s, 150 ms': { rate: 1.6e6 / 8, rtt: 150 },
};

// A visit over an emulated link, in a new profile: the time to the prompt
// drawn, the bytes that came over the wire for the page (headers included)
// and, where asked, the time from OK pressed as soon as the prompt shows to
// what it opens drawn. Cold: the cache off. Warm: the second visit, the
// first one's service worker in control; stalled: the host holds the page
// 10 s on the second visit.
async function visit(kind, link, { warm = false, stalled = false, cpu = 1, ok = false }) {
    const { url, button } = pages[kind];
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
    try {
        const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
        if (warm) {
            await page.goto(url);
            await page.waitForTimeout(3000);
            await page.evaluate(async () => {
                if (navigator.serviceWorker && await navigator.serviceWorker.getRegistration())
                    await navigator.serviceWorker.ready;
            });
        }
        if (stalled)
            await serveSite(kind, 10);
        if (warm) {
            // A blank page first, as a new visit begins: the first visit's
            // prompt would look like the second's drawn already.
            await page.goto('about:blank');
        }
        const cdp = await page.context().newCDPSession(page);
        await cdp.send('Network.enable');
        await cdp.send('Network.setCacheDisabled', { cacheDisabled: !warm });
        await cdp.send('Network.emulateNetworkConditions', {
            offline: false, latency: link.rtt, downloadThroughput: link.rate, uploadThroughput: link.rate / 2,
        });
        await cdp.send('Emulation.setCPUThrottlingRate', { rate: cpu });
        let bytes = 0;
        cdp.on('Network.loadingFinished', (event) => { bytes += event.encodedDataLength; });
        const frames = await screencast(cdp);
        const begin = Date.now();
        await page.goto(url, { waitUntil: 'commit' });
        await page.waitForSelector('dialog[open]', { timeout: 30000 });
        let answered = NaN;
        if (ok) {
            const pressed = Date.now();
            await page.keyboard.press('Enter');
            await page.waitForSelector(`${button}:not([hidden])`, { timeout: 30000 });
            await page.waitForTimeout(2000);
            // The window drawn, whether or not its focus has come yet.
            answered = settledAt(frames, pressed, Date.now(), 2000) - pressed;
        } else {
            await page.waitForTimeout(3000);
        }
        const time = settledAt(frames, begin, ok ? Infinity : Date.now()) - begin;
        return { time: ok ? NaN : time, bytes, answered };
    } finally {
        await browser.close();
        if (stalled)
            await serveSite(kind);
    }
}

async function visits(count) {
    const fast = links['10 Mbit/s, 40 ms'];
    const slow = links['1.6 Mbit/s, 150 ms'];
    const timed = [
        ['cold visit at 10 Mbit/s, 40 ms', fast, {}],
        ['repeat visit at 10 Mbit/s, 40 ms', fast, { warm: true }],
        ['repeat visit at 10 Mbit/s, 40 ms, CPU 4x slower', fast, { warm: true, cpu: 4 }],
        ['repeat visit at 10 Mbit/s, 40 ms, the host holding the page 10 s', fast,
            { warm: true, stalled: true }],
        ['cold visit at 1.6 Mbit/s, 150 ms', slow, {}],
        ['repeat visit at 1.6 Mbit/s, 150 ms', slow, { warm: true }],
        ['cold visit at 1.6 Mbit/s, 150 ms, CPU 4x slower', slow, { cpu: 4 }],
        ['repeat visit at 1.6 Mbit/s, 150 ms, CPU 4x slower', slow, { warm: true, cpu: 4 }],
    ];
    let bytes = null;
    for (const [what, link, how] of timed) {
        const game = [], bare = [];
        for (let i = 0; i < count; ++i) {
            game.push(await visit('game', link, how));
            bare.push(await visit('bare', link, how));
        }
        row(`${what}: the prompt drawn, median of ${count}`, median(game.map((v) => v.time)),
            median(bare.map((v) => v.time)), 'ms');
        bytes = bytes || { game: median(game.map((v) => v.bytes)), bare: median(bare.map((v) => v.bytes)) };
    }
    const game = [], bare = [];
    for (let i = 0; i < count; ++i) {
        game.push(await visit('game', slow, { ok: true }));
        bare.push(await visit('bare', slow, { ok: true }));
    }
    row(`cold visit at 1.6 Mbit/s, 150 ms: OK pressed at the prompt to the window drawn, median of ${count}`,
        median(game.map((v) => v.answered)), median(bare.map((v) => v.answered)), 'ms');
    row('bytes on the wire, cold visit', bytes.game / 1024, bytes.bare / 1024, 'KiB');
}

(async () => {
    await serveSite('game');
    await serveSite('bare');
    if (runs === 0) {
        await visits(3);
        return;
    }
    const game = [], bare = [];
    for (let i = 0; i < runs; ++i) {
        game.push(await local('game'));
        bare.push(await local('bare'));
    }
    const of = (list, key) => median(list.map((m) => m[key]));
    row(`start-up to the prompt drawn, median of ${runs}`, of(game, 'startup'), of(bare, 'startup'), 'ms');
    row(`memory at the prompt, median of ${runs}`, of(game, 'memory'), of(bare, 'memory'), 'MiB');
    row('CPU in 10 s of an idle game', of(game, 'idle'), of(bare, 'idle'), 'ms');
    row('click to its answer painted, median of 100', of(game, 'answer'), of(bare, 'answer'), 'us');
    row('click with its style and layout, median of 20 means of 100', of(game, 'click'), of(bare, 'click'), 'us');
    const after = (key) => (m) => m.after[key];
    const growth = (key) => (m) => m.after[key] - m.before[key];
    for (const [what, value, unit] of [
        ['renderer memory after 1000 clicks', (m) => m.before.rss, 'MiB'],
        ['renderer memory, growth over 100,000 more', growth('rss'), 'MiB'],
        ['JavaScript heap and WebAssembly memory after 101,000 clicks', after('kib'), 'KiB'],
        ['the same, growth over the last 100,000', growth('kib'), 'KiB'],
        ['elements in the page after 101,000 clicks', after('elements'), ''],
    ])
        row(what, median(game.map(value)), median(bare.map(value)), unit);
    await visits(3);
})().catch((error) => {
    console.error(error);
    process.exitCode = 1;
}).finally(() => Object.values(pages).forEach((page) => page.server?.kill()));

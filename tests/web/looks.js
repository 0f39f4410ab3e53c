// SPDX-License-Identifier: MIT
// How the page looks in Chromium, driven by playwright-core: in the
// system's light and dark schemes the page, the prompt and the game's window
// take the scheme (dark text on light, or light on dark) with axe's contrast
// check clean, on a desktop and on a phone; under forced colours the mark
// and the focus ring stay visible; at 200% and 400% page zoom every caption
// is whole and a click is judged. With ZAPGRID_SCREENSHOTS naming a folder,
// the light and dark pages are saved there, desktop and phone.
'use strict';
const path = require('path');
const { words, fail, expect, windowState } = require('./page_view');
const { checkAxe } = require('./axe');

const screenshots = process.env.ZAPGRID_SCREENSHOTS;
const phone = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

// The relative luminance (WCAG) of each part's text, of what it is drawn
// on (its own background, else the nearest one behind it) and of its focus
// ring (null: none).
function luminances(selectors) {
    const luminance = (colour) => {
        const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((c) => {
            const s = c / 255;
            return s <= 0.04045 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
        });
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const drawnOn = (element) => {
        for (let e = element; e; e = e.parentElement) {
            const background = getComputedStyle(e).backgroundColor;
            if (!/rgba\(.*, 0\)$|transparent/.test(background))
                return background;
        }
        return getComputedStyle(document.documentElement).backgroundColor;
    };
    return Object.fromEntries(Object.entries(selectors).map(([part, selector]) => {
        const element = document.querySelector(selector);
        const style = getComputedStyle(element);
        const ring = style.outlineStyle === 'none' || parseFloat(style.outlineWidth) === 0 ? null :
            luminance(style.outlineColor);
        return [part, { text: luminance(style.color), ground: luminance(drawnOn(element)), ring }];
    }));
}

// Each part in the scheme: dark text on a light ground, or the other way.
async function checkScheme(page, scheme, selectors, where) {
    const found = await page.evaluate(luminances, selectors);
    for (const [part, { text, ground }] of Object.entries(found)) {
        const right = scheme === 'dark' ? ground < 0.2 && text > 0.5 : ground > 0.5 && text < 0.2;
        if (!right)
            fail(`${where}, ${scheme}: ${part} has text of luminance ${text.toFixed(2)} on ${ground.toFixed(2)}`);
    }
}

// A picture of the page, in CSS pixels, where pictures are asked for.
async function save(page, name) {
    if (screenshots) {
        await page.screenshot({ path: path.join(screenshots, name), scale: 'css' });
        console.log(`saved ${name}`);
    }
}

async function answer(page, name) {
    await page.getByRole('dialog', { name: 'Your Identity' }).waitFor();
    await page.waitForFunction(() => !document.getElementById('early-prompt'));
    await page.keyboard.type(name);
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.querySelector('section.window:not([hidden])'));
}

const button = (page, index) => page.getByRole('button', { name: words[index], exact: true });

async function playInScheme(browser, url, scheme, device, watch) {
    const context = await browser.newContext({ ...device, colorScheme: scheme });
    const page = await context.newPage();
    await watch(page);
    const where = device.isMobile ? 'on a phone' : 'on a desktop';
    await page.goto(url);
    await page.getByRole('dialog', { name: 'Your Identity' }).waitFor();
    await checkScheme(page, scheme, { page: 'header p', prompt: 'dialog[open] .question',
        'prompt\'s title': 'dialog[open] .title', field: 'dialog[open] .field' }, `${where}, at the prompt`);
    await checkAxe(page, `${where} in the ${scheme} scheme, at the prompt`);
    if (!device.isMobile)
        await save(page, `web-prompt-${scheme}.png`);
    await answer(page, 'Ann');
    await button(page, (await page.evaluate(windowState)).target).click();
    await checkScheme(page, scheme, { 'window\'s title': 'section.window > .title',
        menu: 'section.window .menu > .item', tally: 'section.window [role=status]',
        button: 'section.window .client > .button' }, `${where}, in a game`);
    await checkAxe(page, `${where} in the ${scheme} scheme, in a game`);
    await save(page, `web-${device.isMobile ? 'phone' : 'desktop'}-${scheme}.png`);
    await context.close();
}

// Under forced colours (a high-contrast theme) the browser draws the page
// in the theme's colours: the mark's text stands out from its ground, and
// the focused button has a ring.
async function playInForcedColours(browser, url, watch) {
    const context = await browser.newContext({ forcedColors: 'active', viewport: { width: 800, height: 600 } });
    const page = await context.newPage();
    await watch(page);
    await page.goto(url);
    await answer(page, 'Ann');
    // From the keyboard, as a focus ring is drawn for.
    await page.keyboard.press('Tab');
    await page.keyboard.press('Shift+Tab');
    const { mark, focus } = await page.evaluate(luminances,
        { mark: '.client > .bold:not([hidden])', focus: ':focus' });
    const contrast = (a, b) => (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
    if (contrast(mark.text, mark.ground) < 4.5)
        fail(`under forced colours the mark has a contrast of ${contrast(mark.text, mark.ground).toFixed(1)}`);
    // A ring needs 3:1 against what it is drawn on (WCAG's non-text contrast).
    if (focus.ring === null || contrast(focus.ring, focus.ground) < 3)
        fail(`under forced colours the focus ring is ${focus.ring === null ? 'none' : 'faint'}`);
    console.log(`forced colours: the mark at ${contrast(mark.text, mark.ground).toFixed(1)}:1, the focus ` +
        `ring at ${contrast(focus.ring, focus.ground).toFixed(1)}:1 to their ground`);
    await context.close();
}

// Page zoom as a desktop browser gives it: a 1280x720 window's CSS pixels
// each so many device pixels. Every caption is whole (nothing of its text
// cut off), and a click on the mark is judged.
async function playZoomed(browser, url, zoom, watch) {
    const context = await browser.newContext({ viewport: { width: 1280 / zoom, height: 720 / zoom },
        deviceScaleFactor: zoom });
    const page = await context.newPage();
    await watch(page);
    await page.goto(url);
    await answer(page, 'Ann');
    const cut = await page.evaluate(() => [...document.querySelectorAll(
        'section.window .title, section.window .item, .client > :not([hidden])')]
        .filter((e) => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight)
        .map((e) => e.textContent));
    if (cut.length)
        fail(`at ${zoom * 100}% zoom these captions are cut: ${cut.join(', ')}`);
    const target = (await page.evaluate(windowState)).target;
    await button(page, target).click();
    expect(`a hit at ${zoom * 100}% zoom`, (await page.evaluate(windowState)).feedback, words[target]);
    console.log(`at ${zoom * 100}% zoom every caption is whole, and a hit was judged`);
    await context.close();
}

async function playLooks(browser, url, watch) {
    for (const scheme of ['light', 'dark']) {
        for (const device of [{ viewport: { width: 800, height: 600 } }, phone])
            await playInScheme(browser, url, scheme, device, watch);
        console.log(`the ${scheme} scheme: the page, the prompt and the window are in it, axe's contrast clean`);
    }
    await playInForcedColours(browser, url, watch);
    for (const zoom of [2, 4])
        await playZoomed(browser, url, zoom, watch);
}

module.exports = { playLooks };

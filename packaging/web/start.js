// SPDX-License-Identifier: MIT
// Shows the name prompt the page holds as soon as the page is read, before
// the program has arrived: a player may type a name and confirm it at once,
// and the program takes that answer as its prompt's. Tells the program where
// its .wasm lies (its name carries its content), and keeps the site for
// offline play and quick visits once the page has loaded, a newer build
// taking over only while the player has not touched the page.
'use strict';
var Module = {};

// Whether the player has touched the page yet: typed, pressed or tapped,
// from the first moment the prompt is there.
let playerTouched = false;
for (const type of ['keydown', 'pointerdown', 'input'])
    addEventListener(type, () => { playerTouched = true; }, { capture: true, once: true });

// What of the game's needs this browser lacks, in words: WebAssembly, which
// the page's policy lets compile where the browser knows 'wasm-unsafe-eval'
// (an older Safari refuses it), and modal dialogs.
function missingFeatures() {
    const lacks = [];
    if (typeof WebAssembly !== 'object') {
        lacks.push('WebAssembly');
    } else {
        try {
            new WebAssembly.Module(Uint8Array.of(0, 0x61, 0x73, 0x6d, 1, 0, 0, 0));
        } catch (refused) {
            lacks.push('WebAssembly under a page\'s security policy');
        }
    }
    if (typeof HTMLDialogElement !== 'function' || !('showModal' in HTMLDialogElement.prototype))
        lacks.push('modal dialogs (the dialog element)');
    return lacks;
}
{
    const program = document.currentScript.dataset.program;
    Module.locateFile = (name) => (name.endsWith('.wasm') ? program : name);
    const lacks = missingFeatures();
    if (lacks.length) {
        document.querySelector('.no-program-note').textContent =
            `This browser cannot run the game: it lacks ${lacks.join(' and ')}. The game ` +
            'needs Chrome or Edge 97, Firefox 98 or Safari 16 (iOS 16), or a later one.';
        document.body.classList.add('no-program');
    } else {
        const prompt = document.getElementById('early-prompt');
        prompt.showModal();
        prompt.querySelector('.field').select();
    }
    if ('serviceWorker' in navigator)
        addEventListener('load', keepSite);
}

// The one script address the page hands the browser, let through by the
// page's one Trusted Types policy where the browser has them.
function workerAddress() {
    const address = 'service-worker.js';
    if (!self.trustedTypes)
        return address;
    const policy = trustedTypes.createPolicy('zapgrid', {
        createScriptURL: (url) => {
            if (url !== address)
                throw new TypeError(`not the page's script: ${url}`);
            return url;
        },
    });
    return policy.createScriptURL(address);
}

// Registers the worker that keeps the site. A newer build that it finds
// takes over at once, the page reloaded into it whole, while the player has
// not touched the page; once they have begun to type or to play, the page
// stays as it is, and the new build is played at the next visit.
function keepSite() {
    const workers = navigator.serviceWorker;
    // The first visit's worker takes the page over as it starts: no reload.
    const updating = !!workers.controller;
    workers.addEventListener('controllerchange', () => {
        if (updating && !playerTouched)
            location.reload();
    });
    workers.register(workerAddress());
}

// SPDX-License-Identifier: MIT
// Shows the name prompt the page holds as soon as the page is read, before
// the program has arrived: a player may type a name and confirm it at once,
// and the program takes that answer as its prompt's. Tells the program where
// its .wasm lies (its name carries its content), and keeps the site for
// offline play once the page has loaded.
'use strict';
var Module = {};

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
        addEventListener('load', () => navigator.serviceWorker.register('service-worker.js'));
}

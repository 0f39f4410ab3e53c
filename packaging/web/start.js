// SPDX-License-Identifier: MIT
// Shows the name prompt the page holds as soon as the page is read, before
// the program has arrived: a player may type a name and confirm it at once,
// and the program takes that answer as its prompt's. Tells the program where
// its .wasm lies (its name carries its content), and keeps the site for
// offline play once the page has loaded.
'use strict';
var Module = {};
{
    const program = document.currentScript.dataset.program;
    Module.locateFile = (name) => (name.endsWith('.wasm') ? program : name);
    if (typeof WebAssembly !== 'object') {
        document.body.classList.add('no-program');
    } else {
        const prompt = document.getElementById('early-prompt');
        prompt.showModal();
        prompt.querySelector('.field').select();
    }
    if ('serviceWorker' in navigator)
        addEventListener('load', () => navigator.serviceWorker.register('service-worker.js'));
}

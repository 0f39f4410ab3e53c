// SPDX-License-Identifier: MIT
// Loads the game into the page: compiles the .wasm while it downloads, with a
// progress bar, runs it on the screen element, keeps it for offline play,
// and tells the player when the game has ended or cannot run in this browser.
'use strict';
(() => {
    const main = document.querySelector('main');
    const screen = document.getElementById('screen');
    const status = document.getElementById('status');
    const message = document.getElementById('message');
    const progress = document.getElementById('progress');
    const again = document.getElementById('again');

    function say(text, { busy = false, restart = false } = {}) {
        message.textContent = text;
        progress.hidden = !busy;
        again.hidden = !restart;
        screen.hidden = true;
        status.hidden = false;
        // The keyboard, and a reader, are taken to what the player can do next.
        if (restart)
            again.focus();
    }

    // The response's body as it arrives, each chunk counted against the
    // size the build wrote into the page: fetch() hands over the bytes
    // decoded, whatever the server compressed them with.
    function counted(response, total) {
        let received = 0;
        const counter = new TransformStream({
            transform(chunk, controller) {
                received += chunk.byteLength;
                progress.max = total;
                progress.value = Math.min(received, total);
                message.textContent =
                    `Downloading the game: ${Math.floor(100 * progress.value / total)} %`;
                controller.enqueue(chunk);
            },
        });
        return new Response(response.body.pipeThrough(counter),
            { headers: { 'Content-Type': 'application/wasm' } });
    }

    // The page's preload has started the download already; this takes it up
    // and compiles as the bytes come.
    async function compile(url, total) {
        const response = await fetch(url);
        if (!response.ok)
            throw new Error(`${url}: ${response.status} ${response.statusText}`);
        if (WebAssembly.compileStreaming && response.body && globalThis.TransformStream)
            return WebAssembly.compileStreaming(counted(response, total));
        return WebAssembly.compile(await response.arrayBuffer());
    }

    function webGLWorks() {
        try {
            return !!document.createElement('canvas').getContext('webgl');
        } catch (error) {
            return false;
        }
    }

    // Where a service worker can run (a secure page, a browser that allows
    // it), it keeps the game for the next visit, offline too. Asked once the
    // game is in: its copies then come from the browser's cache.
    function keepForOffline() {
        if (!('serviceWorker' in navigator))
            return;
        navigator.serviceWorker.register('service-worker.js').catch((error) =>
            console.info(`The game will not be kept for offline play: ${error.message}`));
    }

    async function start() {
        if (typeof WebAssembly !== 'object') {
            say('This browser cannot run WebAssembly, which Zapgrid needs. ' +
                'A current version of Chrome, Edge, Firefox or Safari can.');
            return;
        }
        if (!webGLWorks()) {
            say('This browser has WebGL turned off, which Zapgrid needs to draw its window.');
            return;
        }
        say('Downloading the game…', { busy: true });
        const wasm = await compile(main.dataset.wasm, Number(main.dataset.wasmBytes));
        progress.removeAttribute('value');
        message.textContent = 'Starting the game…';

        // Qt measures its screen as the game starts, so the element shows
        // from then on.
        status.hidden = true;
        screen.hidden = false;
        await createQtAppInstance({
            qtContainerElements: [screen],
            qtFontDpi: 96,
            instantiateWasm(imports, receive) {
                WebAssembly.instantiate(wasm, imports).then(
                    (instance) => receive(instance, wasm), fail);
                return {};
            },
            print: (text) => console.log(text),
            printErr: (text) => console.warn(text),
            onAbort: (reason) => fail(new Error(`the game stopped: ${reason}`)),
            // The game calls this itself when the player ends it.
            onExit: () => say('The game has ended.', { restart: true }),
        });
        keepForOffline();
    }

    function fail(error) {
        console.error(error);
        say(`Zapgrid could not go on: ${error.message}`, { restart: true });
    }

    again.addEventListener('click', () => location.reload());
    start().catch(fail);
})();

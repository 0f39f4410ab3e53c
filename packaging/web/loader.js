// SPDX-License-Identifier: MIT
// Loads the game into the page: downloads and compiles zapgrid.wasm with a
// progress bar, runs it on the screen element, and tells the player when the
// game has ended or cannot run in this browser.
'use strict';
(() => {
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
    }

    function megabytes(bytes) {
        return (bytes / 1e6).toFixed(1);
    }

    // The whole body, reporting each chunk as it comes. A server that
    // compresses sends a Content-Length smaller than what arrives, so the
    // bar is capped at full.
    async function download(url) {
        const response = await fetch(url);
        if (!response.ok)
            throw new Error(`${url}: ${response.status} ${response.statusText}`);
        const total = Number(response.headers.get('Content-Length')) || 0;
        const reader = response.body.getReader();
        const chunks = [];
        let received = 0;
        for (;;) {
            const { done, value } = await reader.read();
            if (done)
                break;
            chunks.push(value);
            received += value.length;
            if (total) {
                progress.max = total;
                progress.value = Math.min(received, total);
                message.textContent =
                    `Downloading the game: ${megabytes(progress.value)} of ${megabytes(total)} MB`;
            }
        }
        return new Blob(chunks).arrayBuffer();
    }

    function loadScript(url) {
        return new Promise((resolve, reject) => {
            const script = document.createElement('script');
            script.src = url;
            script.onload = resolve;
            script.onerror = () => reject(new Error(`${url} did not load`));
            document.head.append(script);
        });
    }

    function webGLWorks() {
        try {
            return !!document.createElement('canvas').getContext('webgl');
        } catch (error) {
            return false;
        }
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
        const [bytes] = await Promise.all([download('zapgrid.wasm'), loadScript('zapgrid.js')]);
        progress.removeAttribute('value');
        message.textContent = 'Starting the game…';
        const wasm = await WebAssembly.compile(bytes);

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
    }

    function fail(error) {
        console.error(error);
        say(`Zapgrid could not go on: ${error.message}`, { restart: true });
    }

    again.addEventListener('click', () => location.reload());
    start().catch(fail);
})();

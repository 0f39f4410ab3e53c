// SPDX-License-Identifier: MIT
// The site's own server for the browser plays: scripts/serve_site.py on
// 127.0.0.1, on a port of its choosing or on the one given.
'use strict';
const { spawn } = require('child_process');

function serve(serverScript, folder, port = 0) {
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

module.exports = { serve };

// SPDX-License-Identifier: MIT
// The site's own server for the browser plays: scripts/serve_site.py on
// 127.0.0.1, on a port of its choosing or on the one given.
'use strict';
const { spawn } = require('child_process');

// With reports, the server also gathers what the site's policy refused,
// as the browser reports it, into the returned reports; with holdPage, it
// answers for the page itself only after so many seconds, as a stalled
// host does.
function serve(serverScript, folder, port = 0, { reports = false, holdPage = 0 } = {}) {
    const options = [...(reports ? ['--reports'] : []), '--hold-page', String(holdPage)];
    const server = spawn('python3', [serverScript, ...options, folder, String(port)],
        { stdio: ['ignore', 'pipe', 'inherit'] });
    const refused = [];
    return new Promise((resolve, reject) => {
        server.stdout.on('data', (data) => {
            for (const line of String(data).split('\n')) {
                const url = /on (http:\S+)/.exec(line);
                if (url)
                    resolve({ server, url: url[1], reports: refused });
                else if (line.startsWith('refused: '))
                    refused.push(line.slice('refused: '.length));
            }
        });
        server.on('exit', () => reject(new Error('the web server did not start')));
    });
}

module.exports = { serve };

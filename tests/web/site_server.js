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

// Serves the site, asking for the policy's reports, and runs a play on it,
// play(url, server, problems), which closes its browser itself. The play
// fails, and the process with it, on any error, any problem the play
// gathered or any refusal the server heard of.
function playSite(name, serverScript, folder, play) {
    const run = async () => {
        const { server, url, reports } = await serve(serverScript, folder, 0, { reports: true });
        const problems = [];
        try {
            await play(url, server, problems);
        } finally {
            server.kill();
        }
        problems.push(...reports.map((refused) => `the policy refused ${refused}`));
        if (problems.length)
            throw new Error(`the page reported:\n${problems.join('\n')}`);
        console.log(`${name} play: ok`);
    };
    run().catch((error) => {
        console.error(`FAIL: ${error.message}`);
        process.exit(1);
    });
}

module.exports = { serve, playSite };

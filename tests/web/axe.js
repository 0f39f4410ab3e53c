// SPDX-License-Identifier: MIT
// What axe-core finds wrong with a page, in a Chromium driven by
// playwright-core.
'use strict';
const fs = require('fs');
const { fail } = require('./page_view');

const axeScript = require.resolve('axe-core/axe.min.js');

// What axe-core finds wrong with the page as it stands.
async function checkAxe(page, where) {
    // Run by the driver, as the page's policy lets no script of ours in.
    if (!(await page.evaluate(() => 'axe' in window)))
        await page.evaluate(fs.readFileSync(axeScript, 'utf8'));
    const { violations } = await page.evaluate(() => axe.run(document, { resultTypes: ['violations'] }));
    if (violations.length) {
        fail(`axe, ${where}: ${violations.map((v) => `${v.id} (${v.impact}): ` +
            v.nodes.map((n) => n.target.join(' ')).join(', ')).join('; ')}`);
    }
    console.log(`axe found nothing wrong ${where}`);
}

module.exports = { checkAxe };

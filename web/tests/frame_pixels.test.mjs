// The canvas holds the very frame vesk-render draws, pixel for pixel outside the texts: the same
// core, reached by clicks, the check box or the address, over a server or from disk.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {differingPixels, fileUrl, openPage, startBrowser} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

// Rows: name, address, clicks, vesk-render's options for the same frame, and whether the page is
// opened from disk rather than from a server.
const kCases = [
    ['Next, Next', '', ['#next', '#next'], ['--step', '2']],
    [
        'Next, Next, check box off', '', ['#next', '#next', '#show-resultant'],
        ['--step', '2', '--no-resultant']
    ],
    [
        'check box off and on again', '#step=2', ['#show-resultant', '#show-resultant'],
        ['--step', '2']
    ],
    ['address at a -0.00 readout', '#step=9&resultant=0', [], ['--step', '9', '--no-resultant']],
    ['last step', '#step=72', [], ['--step', '72'], true],
];

for (const [name, address, clicks, options, fromDisk] of kCases) {
    test(`frame equals vesk-render: ${name}${fromDisk ? ', from disk' : ''}`, async () => {
        const url = (fromDisk ? fileUrl : `${session.origin}/index.html`) + address;
        const {page, errors, close} = await openPage(session.browser, url);
        for (const selector of clicks) await page.click(selector);
        const differing = await differingPixels(page, options);
        assert.deepEqual(differing.slice(0, 5), [], `${differing.length} pixels differ`);
        assert.deepEqual(errors, []);
        await close();
    });
}

test(
    'at a device pixel ratio of 2 the frame is drawn at twice the resolution, in the same place',
    async () => {
        const {page, close} = await openPage(
            session.browser, `${session.origin}/index.html`, {context: {deviceScaleFactor: 2}});
        const size = await page.$eval(
            '#canvas',
            (c) =>
                [c.width, c.height, c.getBoundingClientRect().width,
                 c.getBoundingClientRect().height]);
        assert.deepEqual(size, [1026, 1248, 513, 624]);
        await close();
    });

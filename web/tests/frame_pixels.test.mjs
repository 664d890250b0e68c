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

const kCases = [
    {name: 'Next, Next', clicks: ['#next', '#next'], render: ['--step', '2']},
    {
        name: 'Next, Next, check box off',
        clicks: ['#next', '#next', '#show-resultant'],
        render: ['--step', '2', '--no-resultant']
    },
    {
        name: 'check box off and on again',
        address: '#step=2',
        clicks: ['#show-resultant', '#show-resultant'],
        render: ['--step', '2']
    },
    {
        name: 'address at a -0.00 readout',
        address: '#step=9&resultant=0',
        render: ['--step', '9', '--no-resultant']
    },
    {name: 'last step, from disk', fromDisk: true, address: '#step=72', render: ['--step', '72']},
];

for (const c of kCases) {
    test(`frame equals vesk-render: ${c.name}`, async () => {
        const url = c.fromDisk ? fileUrl : `${session.origin}/index.html`;
        const {page, errors, close} = await openPage(session.browser, url + (c.address ?? ''));
        for (const selector of c.clicks ?? []) await page.click(selector);
        const differing = await differingPixels(page, c.render);
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

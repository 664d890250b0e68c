// The page against what a crafted link or an impatient hand gives it: addresses with values
// millions of characters long, number boxes typed into figure by figure or far beyond their range,
// and a window so large at pixel ratio 4 that its canvas would pass what a browser allocates.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openPage, startBrowser} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

const open = (address, options = {}) =>
    openPage(session.browser, `${session.origin}/index.html${address}`, options);

const kLong = 'a'.repeat(1_500_000);

const explorerStep = (page) =>
    page.evaluate(() => Number(document.getElementById('explorer-angle').value));
const drawn = (page, id) => page.evaluate((id) => window.drawnTexts(id).length, id);

// Rows: name, the address; the explorer opens at step 3 and both tabs keep working.
const kAddresses = [
    ['a preset of 1.5 million characters', `#view=explorer&preset=${kLong}&step=3`],
    ['a language of 1.5 million characters', `#view=explorer&lang=${kLong}&step=3`],
    ['a palette of 1.5 million characters', `#view=explorer&palette=${kLong}&step=3`],
];

for (const [name, address] of kAddresses) {
    test(`address with ${name}: passed over, the page keeps working`, async () => {
        const {page, errors, close} = await open(address);
        assert.equal(await page.inputValue('#explorer-preset'), '0');
        assert.equal(await explorerStep(page), 3);
        assert.ok((await drawn(page, 'explorer-canvas')) > 0, 'the explorer drew its frame');
        await page.click('#explorer-next');
        assert.equal(await explorerStep(page), 4);
        await page.click('#tab-main');
        await page.click('#next');
        assert.ok((await drawn(page, 'canvas')) > 0, 'the main tab drew its frame');
        assert.deepEqual(errors, []);
        await close();
    });
}

// Rows: name, the box, what is typed, what the box shows while it is being typed and after Enter,
// and the preset box's choice after Enter (6, 自定义, when the supply is no preset's).
const kBoxes = [
    ['in range: the exact figures kept', 'amplitude-u', '0.123456', '0.123456', '6'],
    ['beyond the range: the largest', 'amplitude-u', '5', '2.00', '6'],
    ['below the range: the smallest', 'amplitude-v', '-3', '0.00', '6'],
    ['a balanced value typed: the preset again', 'amplitude-w', '1.000', '1.000', '0'],
    ['an offset in range, exactly', 'offset-v', '-12.5', '-12.5', '6'],
    ['the speed past 32 bits: the slowest', 'speed', '4294967346', '1000', '0'],
    ['the speed far past it: the slowest', 'speed', '99999999999', '1000', '0'],
    ['the speed below the fastest: the fastest', 'speed', '7', '50', '0'],
];

for (const [name, box, typed, applied, preset] of kBoxes) {
    test(`number box, ${name}`, async () => {
        const {page, errors, close} = await open('#view=explorer');
        const id = `#explorer-${box}`;
        await page.click(id, {clickCount: 3});
        await page.keyboard.type(typed, {delay: 5});
        // Half typed, nothing is applied and nothing rewrites the box.
        assert.deepEqual([await page.inputValue(id), await page.inputValue('#explorer-preset')],
                         [typed, '0']);
        await page.keyboard.press('Enter');
        assert.deepEqual([await page.inputValue(id), await page.inputValue('#explorer-preset')],
                         [applied, preset]);
        assert.deepEqual(errors, []);
        await close();
    });
}

// Rows: name, the window, its pixel ratio; the canvas stays within 8192 device pixels a side.
const kWindows = [
    ['a wide window at ratio 4', {width: 3000, height: 1400}, 4],
    ['a tall window at ratio 4', {width: 1400, height: 2900}, 4],
];

for (const [name, viewport, deviceScaleFactor] of kWindows) {
    test(`canvas of ${name}: at most 8192 device pixels a side, and drawn`, async () => {
        const {page, errors, close} =
            await open('#view=explorer', {context: {viewport, deviceScaleFactor}});
        const c = await page.$eval('#explorer-canvas', (c) => {
            const box = c.getBoundingClientRect();
            return {width: c.width, height: c.height, css: Math.max(box.width, box.height)};
        });
        // The window asks for more than the largest canvas: the ratio is lowered to the quarter
        // that fits, and no further.
        const side = Math.max(c.width, c.height);
        assert.ok(c.css * deviceScaleFactor > 8192, JSON.stringify(c));
        assert.ok(side <= 8192 && side + c.css / 4 > 8192, JSON.stringify(c));
        await page.click('#explorer-next');
        assert.equal(await explorerStep(page), 1);
        assert.ok((await drawn(page, 'explorer-canvas')) > 0);
        assert.deepEqual(errors, []);
        await close();
    });
}

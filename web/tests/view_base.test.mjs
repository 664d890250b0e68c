// What every view of the page does through its shared base, checked once for each view that has
// the control: F9 folds the panel away and back, and Space plays and pauses on the page's clock.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {differingPixels, openPage, startBrowser} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

const open = (address, options = {}) =>
    openPage(session.browser, `${session.origin}/index.html${address}`, {
        ...options,
        context: {viewport: {width: 1462, height: 844}},
    });

const kFolding = ['explorer', 'winding', 'motor', 'capacitor-motor', 'synchronous'];

for (const view of kFolding) {
    test(`${view}: F9 folds the panel away, the picture takes its room, and F9 brings it back`,
         async () => {
             const {page, errors, close} = await open(`#view=${view}`);
             const state = () => page.evaluate(
                 (view) =>
                     [document.getElementById(`${view}-panel-scroll`).hidden,
                      document.getElementById(`${view}-canvas`).width],
                 view);
             const [folded, width] = await state();
             assert.equal(folded, false);
             await page.keyboard.press('F9');
             const [foldedNow, widthNow] = await state();
             assert.equal(foldedNow, true);
             assert.ok(widthNow > width, `${widthNow} not wider than ${width}`);
             await page.keyboard.press('F9');
             assert.deepEqual(await state(), [false, width]);
             assert.deepEqual(errors, []);
             await close();
         });
}

// Rows: the view, and the step its slider shows after Space and 600 ms at 200 ms a step (none
// without a slider).
const kPlaying = [
    ['explorer', '3'], ['winding', '3'], ['motor', null], ['capacitor-motor', '3'], ['synchronous', null]
];

for (const [view, step] of kPlaying) {
    test(`${view}: Space plays on the page's clock, and pauses`, async () => {
        const {page, errors, close} = await open(`#view=${view}`, {clock: true});
        const shown = () => page.evaluate(
            (view) =>
                [document.getElementById(`${view}-play-pause`).textContent,
                 document.getElementById(`${view}-angle`)?.value ?? null],
            view);
        await page.keyboard.press('Space');
        await page.clock.runFor(600);
        assert.deepEqual(await shown(), ['暂停', step]);
        await page.keyboard.press('Space');
        await page.clock.runFor(600);
        assert.deepEqual(await shown(), ['播放', step]);
        assert.deepEqual(errors, []);
        await close();
    });
}

// Rows: the view, what its address asks, and vesk-render's options for the same picture.
const kAddressed = [
    ['capacitor-motor', 'kind=split-phase&speed=0&step=5', ['--kind', 'split-phase', '--speed', '0']],
    ['synchronous', 'field-current=3&power=-5&step=5', ['--field-current', '3', '--power', '-5']],
];

for (const [view, address, options] of kAddressed) {
    test(`${view}: the tab draws its address's frame as vesk-render does, and plays on from it`,
         async () => {
             const {page, errors, close} = await open(`#view=${view}&${address}`, {clock: true});
             assert.equal(await page.getAttribute(`#tab-${view}`, 'aria-selected'), 'true');
             const [width, height] = await page.$eval(`#${view}-canvas`, (c) => [c.width, c.height]);
             const frame = (step) => differingPixels(
                 page,
                 ['--view', view, ...options, '--step', String(step), '--size', `${width}x${height}`],
                 {id: `${view}-canvas`, textPixels: 24});
             assert.deepEqual(await frame(5), []);
             // Three steps of 200 ms, then paused.
             await page.keyboard.press('Space');
             await page.clock.runFor(600);
             await page.keyboard.press('Space');
             assert.deepEqual(await frame(8), []);
             assert.deepEqual(errors, []);
             await close();
         });
}

// What every view of the page does through its shared base, checked once for each view that has
// the control: F9 folds the panel away and back, and Space plays and pauses on the page's clock.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openPage, startBrowser} from './browser.mjs';

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

const kFolding = ['explorer', 'winding', 'motor'];

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
const kPlaying = [['explorer', '3'], ['winding', '3'], ['motor', null]];

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

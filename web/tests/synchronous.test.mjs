// The synchronous machine's tab: E's tip dragged with the mouse sets the field current and the
// power, as in the window; a press away from the tip moves nothing.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {after, before, test} from 'node:test';

import {openPage, startBrowser} from './browser.mjs';

const veskRender = process.env.VESK_RENDER ??
    new URL('../../build/dev/tools/vesk-render', import.meta.url).pathname;

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

// E's tip on a canvas of `width` x `height`: the first yellow disc of vesk-render's trace, the
// phasor diagram being the first pane drawn.
function tipOf(width, height) {
    const trace = execFileSync(
        veskRender, ['--view', 'synchronous', '--size', `${width}x${height}`, '--format', 'trace']);
    const [, l, t, r, b] =
        trace.toString().match(/^ellipse (\d+) (\d+) (\d+) (\d+) .* brush ffdc00$/m);
    return {x: (Number(l) + Number(r)) / 2, y: (Number(t) + Number(b)) / 2};
}

// Rows: name, the pointer's move from E's tip (or the press's distance from it), and the field
// current and power the boxes show after it. E = 230.9 V points 22° below V: to the right it grows
// with the same height, the power held; a press 40 pixels away grabs nothing.
const kDrags = [
    [
        'outwards, the power held', {from: [0, 0], by: [40, 0]},
        (i, p) => i > 2.05 && Math.abs(p - 5) < 0.3
    ],
    ['a press away from the tip', {from: [40, 40], by: [50, 50]}, (i, p) => i === 2 && p === 5],
];

for (const [name, {from, by}, holds] of kDrags) {
    test(`E's tip on the synchronous tab: ${name}`, async () => {
        const {page, errors, close} =
            await openPage(session.browser, `${session.origin}/index.html#view=synchronous`);
        const box = await page.$eval('#synchronous-canvas', (c) => {
            const r = c.getBoundingClientRect();
            return {left: r.left, top: r.top, width: c.width, height: c.height};
        });
        const tip = tipOf(box.width, box.height);
        const x = box.left + tip.x + from[0], y = box.top + tip.y + from[1];
        await page.mouse.move(x, y);
        await page.mouse.down();
        await page.mouse.move(x + by[0], y + by[1], {steps: 4});
        await page.mouse.up();
        const [field, power] = await page.evaluate(
            () => ['field-current', 'power'].map(
                (id) => document.getElementById(`synchronous-${id}`).valueAsNumber));
        assert.ok(holds(field, power), `${field} A, ${power} kW`);
        assert.deepEqual(errors, []);
        await close();
    });
}

// The page's description of the views is the core's: the table it was given in WebAssembly equals
// the one the native core prints, and every control of the page that sets a parameter has that
// parameter's range from it, in its limits and in its tooltip.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {fileURLToPath} from 'node:url';
import {after, before, test} from 'node:test';

import {openPage, startBrowser} from './browser.mjs';

const viewTableJson = process.env.VESK_VIEW_TABLE ??
    fileURLToPath(new URL('../../build/dev/tests/view_table_json', import.meta.url));
const nativeTable = JSON.parse(execFileSync(viewTableJson).toString());

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

const open = (address) => openPage(session.browser, `${session.origin}/index.html${address}`);

test('the table the page is given is the one the native core describes', async () => {
    const {page, close} = await open('');
    const pageTable = await page.evaluate(async () => {
        const core = await VeskModule({onText: () => {}});
        return JSON.parse(core.UTF8ToString(core._ViewTable()));
    });
    assert.deepEqual(pageTable, nativeTable);
    await close();
});

// Every tab whose form marks controls with a parameter; each such control found by its tab.
const kTabs = [
    ['explorer', 6], ['winding', 1], ['motor', 15], ['capacitor-motor', 4], ['synchronous', 5]
];

for (const [view, count] of kTabs) {
    test(`the ${view} tab's parameter controls have the table's ranges`, async () => {
        const {page, close} = await open(`#view=${view}`);
        const controls = await page.$$eval(
            `#view-${view} [data-param]`,
            (els) => els.map((e) => ({
                                 id: e.id,
                                 param: e.dataset.param,
                                 min: e.min,
                                 max: e.max,
                                 tip: e.closest('[title]')?.title ?? ''
                             })));
        assert.equal(controls.length, count, controls.map((c) => c.id).join(' '));
        const params = nativeTable.views.find((v) => v.name === view).params;
        for (const c of controls) {
            const p = params.find((p) => p.name === c.param);
            assert.ok(p, `${c.id}: ${c.param} is no parameter of the ${view} view`);
            // A switch or a choice has no range to carry.
            if (p.kind !== 'number' && p.kind !== 'whole') continue;
            assert.deepEqual([Number(c.min), Number(c.max)], [p.low, p.high], c.id);
            // The window's form: "WHAT IT SETS (LOW to HIGHUNIT)".
            assert.ok(
                c.tip.endsWith(` (${p.low} to ${p.high}${p.unit})`), `${c.id}: ${c.tip}`);
        }
    });
}

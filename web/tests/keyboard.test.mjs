// The page without a mouse: Tab walks every control of each tab, embedded or not, each showing a
// visible focus; none that the page shows is left out of the walk.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openPage, startBrowser, visibleControls} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

// The most presses a walk may take: more controls than any tab has.
const kLongestWalk = 200;

// Tab pressed from the top of the page until the focus comes round again: each control reached,
// in order, with whether it showed the keyboard focus (:focus-visible and an outline to see).
async function walk(page) {
    const reached = [];
    for (let i = 0; i < kLongestWalk; ++i) {
        await page.keyboard.press('Tab');
        const focused = await page.evaluate(() => {
            const e = document.activeElement;
            if (!e || e === document.body) return null;
            const style = getComputedStyle(e);
            return {
                id: e.id || `${e.tagName.toLowerCase()} ${e.textContent.trim()}`,
                shown: e.matches(':focus-visible') && style.outlineStyle !== 'none' &&
                    parseFloat(style.outlineWidth) >= 1,
            };
        });
        if (focused === null) continue;
        if (reached.length && focused.id === reached[0].id) return reached;
        reached.push(focused);
    }
    throw new Error(`Tab did not come round in ${kLongestWalk} presses`);
}

// Rows: the address; the walk begins at the top of the page.
const kTabs = [
    '#view=main', '#view=explorer', '#view=winding&layers=2&pitch=2', '#view=motor',
    '#view=explorer&lang=en', '#view=main&embed', '#view=explorer&embed', '#view=winding&embed',
    '#view=motor&embed'
];

for (const address of kTabs) {
    test(`Tab reaches every control shown, with a visible focus: ${address}`, async () => {
        const {page, errors, close} = await open(address);
        const reached = await walk(page);
        const ids = reached.map((r) => r.id);
        const shown = await visibleControls(page);
        assert.deepEqual(shown.filter((id) => !ids.includes(id)), [], 'not reached');
        assert.deepEqual(reached.filter((r) => !r.shown).map((r) => r.id), [], 'no visible focus');
        // Nothing hidden takes a turn.
        assert.deepEqual(ids.filter((id) => !shown.includes(id)), [], 'hidden yet reached');
        assert.deepEqual(errors, []);
        await close();
    });
}

function open(address) {
    return openPage(session.browser, `${session.origin}/index.html${address}`);
}

// The class's language and palette: asked for by the address or chosen with the switches,
// remembered by the browser, and followed by every word of both tabs and by the pictures, whose
// labels and colours are those vesk-render draws with the same options.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {differingPixels, openPage, startBrowser, traceTexts} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

const open = (address, options) =>
    openPage(session.browser, `${session.origin}/index.html${address}`, options);

// Han characters and the CJK punctuation that comes with them.
const kChinese = /[\u3000-\u303f\u3400-\u9fff\uf900-\ufaff\uff00-\uffef]/u;

// Every text of the tabs a student reads or hears: contents, values, options, accessible names
// and descriptions, tooltips, and the page's title.
const words = (page) => page.evaluate(() => {
    const all = [document.title];
    for (const el of document.querySelectorAll('#tabs, #tabs *, #views, #views *')) {
        if (el.children.length === 0) all.push(el.textContent);
        if (typeof el.value === 'string') all.push(el.value);
        for (const name of ['aria-label', 'aria-description', 'title'])
            if (el.hasAttribute(name)) all.push(el.getAttribute(name));
    }
    return all.filter((w) => w !== '');
});

const drawnTexts = (page, id) => page.evaluate((id) => window.drawnTexts(id), id);

test(
    '#lang=en: no Chinese in any word of either tab, and the pictures\' labels in English',
    async () => {
        const {page, errors, close} = await open('#lang=en&step=9');
        assert.deepEqual((await words(page)).filter((w) => kChinese.test(w)), []);
        assert.deepEqual(
            await drawnTexts(page, 'canvas'), traceTexts(['--step', '9', '--lang', 'en']));
        await page.click('#tab-explorer');
        assert.deepEqual((await words(page)).filter((w) => kChinese.test(w)), []);
        const [w, h] = await page.$eval('#explorer-canvas', (c) => [c.width, c.height]);
        assert.deepEqual(
            await drawnTexts(page, 'explorer-canvas'),
            traceTexts(['--view', 'explorer', '--size', `${w}x${h}`, '--lang', 'en']));
        assert.equal(await page.getAttribute('html', 'lang'), 'en');
        assert.deepEqual(errors, []);
        await close();
    });

test(
    'switched on the open page, every word follows at once and a playing explorer plays on',
    async () => {
        const {page, close} = await open('#view=explorer');
        await page.click('#explorer-play-pause');
        await page.selectOption('#language', 'en');
        assert.deepEqual((await words(page)).filter((w) => kChinese.test(w)), []);
        assert.equal(await page.textContent('#explorer-play-pause'), 'Pause');
        await page.selectOption('#language', 'zh');
        assert.equal(await page.textContent('#explorer-play-pause'), '暂停');
        assert.equal(await page.title(), '探索');
        await close();
    });

// Rows: name, address, choices made on the page, the address it is then loaded again at (none:
// not again; '': the same), and the language and palette it shows.
const kChoices = [
    ['nothing asked or remembered', '', [], null, 'zh', 'standard'],
    ['asked by the address', '#lang=en&palette=safe', [], null, 'en', 'safe'],
    ['values the page does not know', '#lang=fr&palette=pink', [], null, 'zh', 'standard'],
    [
        'chosen on the page, remembered across a reload', '',
        [['#language', 'en'], ['#palette', 'safe']], '', 'en', 'safe'
    ],
    [
        'the address wins over what was remembered', '',
        [['#language', 'en'], ['#palette', 'safe']], '#lang=zh&palette=standard', 'zh', 'standard'
    ],
    [
        'a choice on the page goes into the address that holds one', '#lang=en&palette=safe',
        [['#language', 'zh'], ['#palette', 'standard']], '', 'zh', 'standard'
    ],
];

for (const [name, address, choices, again, language, palette] of kChoices) {
    test(`language and palette: ${name}`, async () => {
        const {page, errors, reload, close} = await open(address);
        for (const [select, value] of choices) await page.selectOption(select, value);
        if (again !== null) await reload(again === '' ? undefined : again);
        assert.deepEqual(
            [await page.inputValue('#language'), await page.inputValue('#palette')],
            [language, palette]);
        const options = ['--step', '0', '--lang', language, '--palette', palette];
        assert.deepEqual(await drawnTexts(page, 'canvas'), traceTexts(options));
        const differing = await differingPixels(page, options);
        assert.deepEqual(differing.slice(0, 5), [], `${differing.length} pixels differ`);
        assert.deepEqual(errors, []);
        await close();
    });
}

// Presentation mode on the page, as a clicker drives it: #lesson opens the built-in lesson full
// window, the keys move the stops and steps, B and W blank the screen and bring the picture back,
// Esc leaves; F5 presents the view shown at its step, drawn as vesk-render draws it.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {differingPixels, openPage, startBrowser} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

const kViewport = {width: 1280, height: 720};
const open = (address, options = {}) => openPage(
    session.browser, `${session.origin}/index.html${address}`,
    {...options, context: {viewport: kViewport}});

const shown = (page) => page.evaluate(() => {
    const p = document.getElementById('presentation');
    if (!p || p.hidden) return 'closed';
    const caption = document.getElementById('presentation-caption').textContent;
    return `stop ${p.dataset.stop}, step ${p.dataset.step}, ${
        p.dataset.playing === 'true' ? 'playing' : 'still'}, ${p.dataset.blank}, ${
        caption.slice(caption.lastIndexOf('   ') + 3)}`;
});

// Rows: name, keys (and milliseconds of the page's clock), what is shown after them.
const kLesson = [
    ['opens at the first stop', [], 'stop 1, step 0, still, none, 1 / 11'],
    ['Right, PageDown and Space go on', ['ArrowRight', 'PageDown', ' '],
     'stop 4, step 12, still, none, 4 / 11'],
    ['Left and PageUp go back', ['ArrowRight', 'ArrowRight', 'ArrowLeft', 'PageUp'],
     'stop 1, step 0, still, none, 1 / 11'],
    ['Home goes to the start', [' ', ' ', ' ', 'Home'], 'stop 1, step 0, still, none, 1 / 11'],
    ['P plays the stop on the page\'s clock', ['ArrowRight', 'p', 600],
     'stop 2, step 6, playing, none, 2 / 11'],
    ['the explorer\'s stops follow', Array(9).fill('PageDown'),
     'stop 10, step 3, still, none, 10 / 11'],
    ['B blacks', ['b'], 'stop 1, step 0, still, black, 1 / 11'],
    ['. blacks too', ['.'], 'stop 1, step 0, still, black, 1 / 11'],
    ['B again brings the picture back', ['b', 'b'], 'stop 1, step 0, still, none, 1 / 11'],
    ['W whites', ['w'], 'stop 1, step 0, still, white, 1 / 11'],
    ['Esc leaves', ['Escape'], 'closed'],
];

for (const [name, keys, expected] of kLesson) {
    test(`#lesson: ${name}`, async () => {
        const {page, errors, close} = await open('#lesson', {clock: true});
        for (const key of keys)
            await (typeof key === 'number' ? page.clock.runFor(key) : page.keyboard.press(key));
        assert.equal(await shown(page), expected);
        assert.deepEqual(errors, []);
        await close();
    });
}

// The colours on the screen as a photograph shows them, each as "r,g,b", at most a few.
async function screenColours(page) {
    const png = (await page.screenshot()).toString('base64');
    return page.evaluate(async (png) => {
        const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
        const bitmap = await createImageBitmap(new Blob([bytes]));
        const ctx = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
        ctx.drawImage(bitmap, 0, 0);
        const data = ctx.getImageData(0, 0, bitmap.width, bitmap.height).data;
        const colours = new Set();
        for (let i = 0; i < data.length && colours.size < 4; i += 4)
            colours.add(`${data[i]},${data[i + 1]},${data[i + 2]}`);
        return [...colours].sort();
    }, png);
}

test('a blank screen is one colour all over, and the same key brings the picture back',
     async () => {
         const {page, close} = await open('#lesson');
         assert.ok((await screenColours(page)).length > 2);
         await page.keyboard.press('b');
         assert.deepEqual(await screenColours(page), ['0,0,0']);
         await page.keyboard.press('b');
         assert.ok((await screenColours(page)).length > 2);
         await page.keyboard.press('w');
         assert.deepEqual(await screenColours(page), ['255,255,255']);
         await close();
     });

test('F5 presents the main window\'s step as vesk-render draws it, and the caption reads it out',
     async () => {
         const {page, errors, close} = await open('#step=9&resultant=0');
         await page.keyboard.press('F5');
         assert.equal(
             await shown(page), 'stop 1, step 9, still, none, W相相对幅值 -0.87');
         // 720 less a caption line of 40 is 680 pixels: 680 / 624 rounds down to 1.
         assert.deepEqual(
             await differingPixels(
                 page, ['--step', '9', '--no-resultant'], {id: 'presentation-canvas'}),
             []);
         await page.keyboard.press('ArrowRight');
         assert.match(await shown(page), /^stop 1, step 10,/);
         await page.keyboard.press('F5');
         assert.equal(await shown(page), 'closed');
         assert.deepEqual(errors, []);
         await close();
     });

// Presentation mode on the page, as a clicker drives it: #lesson opens the built-in lesson full
// window, the keys move the stops and steps, R reveals what a stop that asks hides, B and W blank
// the screen and bring the picture back, Esc leaves; F5 presents the view shown at its step, drawn
// as vesk-render draws it.
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
    ['opens at the first stop', [], 'stop 1, step 0, still, none, 1 / 21'],
    ['Right, PageDown and Space go on', ['ArrowRight', 'PageDown', ' '],
     'stop 4, step 12, still, none, 4 / 21'],
    ['Left and PageUp go back', ['ArrowRight', 'ArrowRight', 'ArrowLeft', 'PageUp'],
     'stop 1, step 0, still, none, 1 / 21'],
    ['Home goes to the start', [' ', ' ', ' ', 'Home'], 'stop 1, step 0, still, none, 1 / 21'],
    ['P plays the stop on the page\'s clock', ['ArrowRight', 'p', 600],
     'stop 2, step 6, playing, none, 2 / 21'],
    ['the question where the field points at 90° ends the main window\'s stops',
     Array(8).fill('PageDown'), 'stop 9, step 9, still, none, 9 / 21'],
    ['the explorer\'s stops follow', Array(10).fill('PageDown'),
     'stop 11, step 3, still, none, 11 / 21'],
    ['the windings\' four poles come next, playing', Array(12).fill('PageDown'),
     'stop 13, step 0, playing, none, 13 / 21'],
    ['then the motor that needs a push', Array(13).fill('PageDown'),
     'stop 14, step 0, playing, none, 14 / 21'],
    ['and the question which way it turns, still', Array(14).fill('PageDown'),
     'stop 15, step 0, still, none, 15 / 21'],
    ['then 30 ms into its dynamic start, still', Array(15).fill('PageDown'),
     'stop 16, step 0, still, none, 16 / 21'],
    ['the single-phase motor\'s ellipse at rest follows, playing', Array(17).fill('PageDown'),
     'stop 18, step 0, playing, none, 18 / 21'],
    ['and the synchronous machine pulling in is last', Array(22).fill('PageDown'),
     'stop 21, step 0, playing, none, 21 / 21'],
    ['B blacks', ['b'], 'stop 1, step 0, still, black, 1 / 21'],
    ['. blacks too', ['.'], 'stop 1, step 0, still, black, 1 / 21'],
    ['B again brings the picture back', ['b', 'b'], 'stop 1, step 0, still, none, 1 / 21'],
    ['W whites', ['w'], 'stop 1, step 0, still, white, 1 / 21'],
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

// The canvas's pixels, to tell two frames apart.
const canvasPixels = (page) => page.evaluate(() => {
    const c = document.getElementById('presentation-canvas');
    return Array.from(c.getContext('2d').getImageData(0, 0, c.width, c.height).data).join();
});
const captionShown = (page) => page.textContent('#presentation-caption');

test('a stop that asks shows its question with the resultant hidden until R, and asks again',
     async () => {
         const {page, errors, close} = await open('#lesson&lang=en');
         for (let i = 0; i < 8; ++i) await page.keyboard.press('PageDown');
         assert.equal(await captionShown(page), 'Where does the field point at 90°?   9 / 21');
         const asked = await canvasPixels(page);
         await page.keyboard.press('r');
         assert.match(await captionShown(page), /^Answer: straight up\. .* 9 \/ 21$/);
         assert.notEqual(await canvasPixels(page), asked);
         await page.keyboard.press('PageDown');
         await page.keyboard.press('PageUp');
         assert.equal(await captionShown(page), 'Where does the field point at 90°?   9 / 21');
         assert.equal(await canvasPixels(page), asked);
         assert.deepEqual(errors, []);
         await close();
     });

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

// Rows: name, address, what F5 shows (the caption's last readout), what Right then shows.
// The windings' last readout, 1.5 kw1 of q = 3 at full pitch: 1.5 sin 30° / (3 sin 10°).
const kViews = [
    ['the windings tab', '#view=winding&poles=4&slots=36&step=3',
     'stop 1, step 3, still, none, 基波幅值 F₁ 1.440 Fc', /^stop 1, step 4, still,/],
    ['the motor tab', '#view=motor&preset=single-phase&time=1&step=35',
     'stop 1, step 35, still, none, 功率因数 PF 0.609', /^stop 1, step 0, still,/],
    ['the single-phase motor tab', '#view=capacitor-motor&kind=split-phase&speed=0&step=35',
     'stop 1, step 35, still, none, 离心开关 闭合', /^stop 1, step 0, still,/],
    ['the synchronous machine tab', '#view=synchronous&power=-5&step=35',
     'stop 1, step 35, still, none, 状态 发电机运行', /^stop 1, step 0, still,/],
];

for (const [name, address, presented, next] of kViews) {
    test(`F5 presents ${name} at its step, Right steps it, and F5 leaves`, async () => {
        const {page, errors, close} = await open(address);
        await page.keyboard.press('F5');
        assert.equal(await shown(page), presented);
        await page.keyboard.press('ArrowRight');
        assert.match(await shown(page), next);
        await page.keyboard.press('F5');
        assert.equal(await shown(page), 'closed');
        assert.deepEqual(errors, []);
        await close();
    });
}

// Rows: name, the address #lesson is followed by, the tab then shown and its step's control with
// the start of its value.
const kLeaving = [
    ['another view', '#view=explorer&step=3', 'explorer', '#explorer-angle', '3'],
    ['the main window by its step alone', '#step=9', 'main', '#angle', '9*'],
];

for (const [name, address, tab, control, value] of kLeaving) {
    test(`after #lesson, an address of ${name} ends the presentation`, async () => {
        const {page, errors, close} = await open('#lesson');
        await page.keyboard.press('ArrowRight');
        assert.match(await shown(page), /^stop 2,/);
        await page.evaluate((a) => {
            location.hash = a;
        }, address);
        await page.waitForFunction(() => document.getElementById('presentation').hidden);
        assert.equal(await page.getAttribute(`#tab-${tab}`, 'aria-selected'), 'true');
        assert.ok((await page.inputValue(control)).startsWith(value));
        assert.deepEqual(errors, []);
        await close();
    });
}

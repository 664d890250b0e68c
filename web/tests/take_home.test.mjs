// Saving and copying what the page shows: the frame as a PNG file, the frame copied as an image,
// and the link to the page as it is, which opened again shows the same; a browser that refuses
// the clipboard is answered with a line that says so, and the link is offered in a box.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {readFileSync} from 'node:fs';
import {after, before, test} from 'node:test';

import {openPage, startBrowser, until} from './browser.mjs';

const veskRender = process.env.VESK_RENDER ??
    new URL('../../build/dev/tools/vesk-render', import.meta.url).pathname;

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

const kPngSignature = [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a];

const open = async (address, init) => {
    const opened = await openPage(session.browser, `${session.origin}/index.html${address}`);
    if (init) {
        await opened.page.addInitScript(init);
        await opened.reload();
    }
    await opened.page.context().grantPermissions(
        ['clipboard-read', 'clipboard-write'], {origin: session.origin});
    return opened;
};

// The pixels of `png` (bytes) that differ from the canvas `id`, or its size if that differs.
const differingFromCanvas = (page, png, id) => page.evaluate(async ({png, id}) => {
    const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes]), {colorSpaceConversion: 'none'});
    const canvas = document.getElementById(id);
    if (bitmap.width !== canvas.width || bitmap.height !== canvas.height)
        return `${bitmap.width}x${bitmap.height}`;
    const ref = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
    ref.drawImage(bitmap, 0, 0);
    const want = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const got = ref.getImageData(0, 0, bitmap.width, bitmap.height).data;
    return got.filter((v, i) => v !== want[i]).length;
}, {png: Buffer.from(png).toString('base64'), id});

// Rows: the address, the canvas, the file's name.
const kSaved = [
    ['#view=main&step=9', 'canvas', 'vesk-main-9.png'],
    ['#view=explorer&preset=open-u&step=3&lang=en', 'explorer-canvas', 'vesk-explorer-3.png'],
];

for (const [address, canvas, name] of kSaved) {
    test(`Save picture downloads the frame as a PNG file: ${address}`, async () => {
        const {page, errors, close} = await open(address);
        const [download] =
            await Promise.all([page.waitForEvent('download'), page.click('#save-picture')]);
        assert.equal(download.suggestedFilename(), name);
        const png = readFileSync(await download.path());
        assert.deepEqual([...png.subarray(0, 8)], kPngSignature);
        assert.equal(await differingFromCanvas(page, png, canvas), 0);
        assert.deepEqual(errors, []);
        await close();
    });
}

// Rows: the address, the file's name, the same view and state for vesk-render.
const kData = [
    ['#view=motor&load=5', 'vesk-motor-0.csv', ['--view', 'motor', '--load', '5']],
    ['#view=winding&step=3', 'vesk-winding-3.csv', ['--view', 'winding', '--step', '3']],
];

for (const [address, name, args] of kData) {
    test(`Download data saves the view's curves, as vesk-render writes them: ${address}`, async () => {
        const {page, errors, close} = await open(address);
        const [download] =
            await Promise.all([page.waitForEvent('download'), page.click('#save-data')]);
        assert.equal(download.suggestedFilename(), name);
        const csv = readFileSync(await download.path(), 'utf8');
        assert.equal(csv, execFileSync(veskRender, [...args, '--format', 'csv'], {encoding: 'utf8'}));
        assert.deepEqual(errors, []);
        await close();
    });
}

test('Copy picture puts the frame on the clipboard as a PNG image', async () => {
    const {page, close} = await open('#view=winding&poles=4&slots=36&step=2');
    await page.click('#copy-picture');
    await until(page, () => document.getElementById('take-home-status').textContent !== '');
    assert.equal(await page.textContent('#take-home-status'), '已复制图片。');
    const png = await page.evaluate(async () => {
        const [item] = await navigator.clipboard.read();
        return [...new Uint8Array(await (await item.getType('image/png')).arrayBuffer())];
    });
    assert.deepEqual(png.slice(0, 8), kPngSignature);
    assert.equal(await differingFromCanvas(page, png, 'winding-canvas'), 0);
    await close();
});

// What a user sees of the tab shown: its frame's description and pixels, every box and choice,
// the language and the palette.
const stateShown = (page) => page.evaluate(() => {
    const panel = document.querySelector('[role="tabpanel"]:not([hidden])');
    const canvas = panel.querySelector('canvas');
    const {data} = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    let hash = 0;
    for (const v of data) hash = (hash * 31 + v) >>> 0;
    return {
        view: panel.id,
        description: document.getElementById(`${canvas.id}-description`).textContent,
        values: [...panel.querySelectorAll('input, select')].map(
            (e) => `${e.id} ${e.type === 'checkbox' ? e.checked : e.value}`),
        pixels: `${canvas.width}x${canvas.height} ${hash}`,
        lang: document.documentElement.lang,
        palette: document.getElementById('palette').value,
    };
});

// Rows: name, address, what the user does: [selector] clicks, [selector, value] chooses.
const kLinked = [
    [
        'the main window three steps on, without the resultant', '#view=main',
        [['#next'], ['#next'], ['#next'], ['#show-resultant']]
    ],
    [
        'the explorer reversed, F+ and F- apart, in English and the safe colours',
        '#view=explorer&lang=en',
        [
            ['#explorer-preset', '1'], ['#explorer-components-apart'], ['#explorer-next'],
            ['#palette', 'safe']
        ]
    ],
    [
        'the windings, four poles in two layers', '#view=winding',
        [['#winding-poles', '1'], ['#winding-layers', '1'], ['#winding-next'], ['#winding-next']]
    ],
    [
        'the motor unbalanced at a speed', '#view=motor&speed=1200&step=4',
        [['#motor-preset', '5'], ['#language', 'en']]
    ],
];

for (const [name, address, moves] of kLinked) {
    test(`Copy link gives the address of what is shown: ${name}`, async () => {
        const {page, close} = await open(address);
        for (const [selector, value] of moves)
            await (value === undefined ? page.click(selector) : page.selectOption(selector, value));
        const shown = await stateShown(page);
        await page.click('#copy-link');
        await until(page, () => document.getElementById('take-home-status').textContent !== '');
        const link = await page.evaluate(() => navigator.clipboard.readText());
        assert.ok(link.startsWith(`${session.origin}/index.html#view=`), link);
        await close();

        const again = await open(link.slice(link.indexOf('#')));
        assert.deepEqual(await stateShown(again.page), shown, link);
        await again.close();
    });
}

// The clipboard refused, as a browser's policy or the user may refuse it.
function refuseClipboard() {
    const refuse = () => Promise.reject(new DOMException('refused', 'NotAllowedError'));
    navigator.clipboard.write = refuse;
    navigator.clipboard.writeText = refuse;
}

test('a refused clipboard: the picture is to be saved, the link is offered in a box', async () => {
    const {page, close} = await open('#view=main&step=4&lang=en', refuseClipboard);
    await page.click('#copy-picture');
    await until(page, () => document.getElementById('take-home-status').textContent !== '');
    assert.equal(
        await page.textContent('#take-home-status'),
        'The browser does not allow copying the picture; use Save picture instead.');
    assert.equal(await page.isVisible('#take-home-link'), false);
    await page.click('#copy-link');
    await until(page, () => !document.getElementById('take-home-link').hidden);
    const box = await page.$eval('#take-home-link', (e) => ({
        value: e.value,
        focused: document.activeElement === e,
        selected: e.value.slice(e.selectionStart, e.selectionEnd),
    }));
    const link = `${session.origin}/index.html#view=main&step=4&lang=en`;
    assert.deepEqual(box, {value: link, focused: true, selected: link});
    assert.equal(
        await page.textContent('#take-home-status'),
        'The browser does not allow copying; copy the link from this box:');
    // Left, the box goes with its note.
    await page.keyboard.press('Tab');
    assert.equal(await page.isVisible('#take-home-link'), false);
    assert.equal(await page.textContent('#take-home-status'), '');
    await close();
});

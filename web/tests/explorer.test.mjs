// The explorer's tab as a lecturer uses it: opened by its address, stepped and played on the page's
// clock and by the keys, its supply set by the controls; and its canvas holds the frame
// vesk-render draws, pixel for pixel outside the texts.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {differingPixels, openPage, sizeExplorer, startBrowser} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

// Near the size at which the canvas is 1024x768; sizeExplorer() makes it so.
const kViewport = {
    width: 1462,
    height: 844
};
const open = (address, options = {}) =>
    openPage(session.browser, `${session.origin}/index.html${address}`, {
        ...options,
        context: {viewport: kViewport, ...options.context},
    });

// A move: a click on '#selector', milliseconds of the page's clock, a key, or [action, selector,
// value] for focusing, filling a box (then leaving it with Tab), choosing, checking or sliding.
async function move(page, m) {
    if (typeof m === 'number') return page.clock.runFor(m);
    if (typeof m === 'string') return m[0] === '#' ? page.click(m) : page.keyboard.press(m);
    const [action, selector, value] = m;
    if (action === 'focus') return page.focus(selector);
    if (action === 'fill') {
        await page.fill(selector, value);
        return page.keyboard.press('Tab');
    }
    if (action === 'choose') return page.selectOption(selector, value);
    if (action === 'check') return page.setChecked(selector, value);
    return page.$eval(selector, (el, v) => {
        el.value = v;
        el.dispatchEvent(new Event('input', {bubbles: true}));
        el.dispatchEvent(new Event('change', {bubbles: true}));
    }, value);
}

const shown = (page) => page.evaluate(
    () =>
        [Number(document.getElementById('explorer-angle').value),
         document.getElementById('explorer-play-pause').textContent]);

// Rows: name, address, moves, the step shown after them and the play button's word.
const kSteps = [
    [
        'Play carries on from the step shown and wraps after 35', '&step=34',
        ['#explorer-play-pause', 600], 1, '暂停'
    ],
    [
        'Play, then Pause holds the step', '',
        ['#explorer-play-pause', 400, '#explorer-play-pause', 1000], 2, '播放'
    ],
    ['Previous at 0 wraps to 35', '', ['#explorer-previous'], 35, '播放'],
    ['Next at 35 wraps to 0', '&step=35', ['#explorer-next'], 0, '播放'],
    [
        'Reset keeps a running animation running', '&step=10',
        ['#explorer-play-pause', 400, '#explorer-reset', 400], 2, '暂停'
    ],
    [
        'Next pauses the animation', '', ['#explorer-play-pause', 400, '#explorer-next', 1000], 3,
        '播放'
    ],
    [
        'the slider goes straight to a step and pauses', '',
        ['#explorer-play-pause', ['slide', '#explorer-angle', '20'], 1000], 20, '播放'
    ],
    [
        'at 50 ms a step, ten steps in half a second', '',
        [['slide', '#explorer-speed', '50'], '#explorer-play-pause', 500], 10, '暂停'
    ],
    [
        'a speed beyond 1000 ms is 1000 ms', '',
        [['fill', '#explorer-speed', '5000'], '#explorer-play-pause', 2000], 2, '暂停'
    ],
    [
        'Space plays, the left arrow steps back and pauses', '&step=5',
        ['Space', 600, 'ArrowLeft', 1000], 7, '播放'
    ],
    ['the right arrow at 35 wraps to 0', '&step=35', ['ArrowRight'], 0, '播放'],
    [
        'keys typed into a number box are not shortcuts', '',
        [['focus', '#explorer-offset-u'], 'Space', 'ArrowLeft', 1000], 0, '播放'
    ],
    [
        'leaving the tab pauses; the step stays', '',
        ['#explorer-play-pause', 400, '#tab-main', '#tab-explorer', 1000], 2, '播放'
    ],
];

for (const [name, address, moves, step, word] of kSteps) {
    test(`explorer steps: ${name}`, async () => {
        const {page, errors, close} = await open(`#view=explorer${address}`, {clock: true});
        for (const m of moves) await move(page, m);
        assert.deepEqual(await shown(page), [step, word]);
        assert.deepEqual(errors, []);
        await close();
    });
}

// Rows: name, moves, then the preset box's choice and the controls that cannot be set.
const kSupply = [
    [
        'an offset makes it custom',
        [['choose', '#explorer-preset', '5'], ['fill', '#explorer-offset-w', '-45']], '6', []
    ],
    [
        'an open phase, then the neutral, is that preset',
        [['choose', '#explorer-open-phase', '1'], ['check', '#explorer-neutral', true]], '3', []
    ],
    [
        'the neutral is a choice of its own, without an open phase',
        [['check', '#explorer-neutral', true]], '6', []
    ],
    [
        'a single phase sets the others aside',
        [['choose', '#explorer-preset', '2'], ['check', '#explorer-single-phase', true]], '4',
        ['amplitude-v', 'offset-v', 'amplitude-w', 'offset-w', 'sequence', 'open-phase', 'neutral']
    ],
    [
        'Space on a check box ticks it', [['focus', '#explorer-single-phase'], 'Space'], '4',
        ['amplitude-v', 'offset-v', 'amplitude-w', 'offset-w', 'sequence', 'open-phase', 'neutral']
    ],
    [
        'custom chosen by hand changes nothing',
        [['choose', '#explorer-preset', '2'], ['choose', '#explorer-preset', '6']], '6', []
    ],
];

for (const [name, moves, preset, fixed] of kSupply) {
    test(`explorer supply: ${name}`, async () => {
        const {page, errors, close} = await open('#view=explorer');
        for (const m of moves) await move(page, m);
        assert.equal(await page.inputValue('#explorer-preset'), preset);
        const disabled = await page.$$eval(
            '#view-explorer :is(input, select):disabled', (els) => els.map((e) => e.id));
        assert.deepEqual(disabled, fixed.map((name) => `explorer-${name}`));
        assert.deepEqual(errors, []);
        await close();
    });
}

// Rows: name, what is typed into the box, what it shows once left.
const kTyped = [
    ['beyond 2', '3', '2.00'],
    ['three decimals, kept as typed', '0.125', '0.125'],
    ['nothing: what it showed before', '', '1.00'],
];

for (const [name, typed, tidied] of kTyped) {
    test(`explorer amplitude typed: ${name}`, async () => {
        const {page, close} = await open('#view=explorer');
        await move(page, ['fill', '#explorer-amplitude-u', typed]);
        assert.equal(await page.inputValue('#explorer-amplitude-u'), tidied);
        await close();
    });
}

// Rows: the address, the preset box's choice and the step it opens.
const kAddresses = [
    ['#view=explorer&preset=single-phase&step=35', '4', 35],
    ['#view=explorer&step=36', '0', 0],
    // A preset's name is known whatever its case, as vesk-render knows it.
    ['#view=explorer&preset=Open-U&step=-1', '2', 0],
    ['#view=explorer&preset=__proto__&step=1e1', '0', 0],
    ['#view=explorer&preset=%E0%A4%A&step=3', '0', 3],
    ['#view=explorer&preset=open-u&connection=star-neutral&step=2', '3', 2],
    ['#view=explorer&preset=open-u-neutral&connection=star', '2', 0],
    ['#view=explorer&preset=unbalanced&connection=star-neutral', '6', 0],
    ['#view=explorer&preset=unbalanced&connection=__proto__', '5', 0],
];

for (const [address, preset, step] of kAddresses) {
    test(`explorer address ${address}`, async () => {
        const {page, errors, close} = await open(address);
        assert.equal(await page.inputValue('#explorer-preset'), preset);
        assert.equal((await shown(page))[0], step);
        assert.equal(await page.isVisible('#explorer-canvas'), true);
        assert.deepEqual(errors, []);
        await close();
    });
}

test('a later address without a preset keeps the supply and goes to its step', async () => {
    const {page, close} = await open('#view=explorer&preset=open-u&step=3');
    await page.evaluate(() => {
        location.hash = 'view=explorer&step=5';
    });
    await page.waitForFunction(() => document.getElementById('explorer-angle').value === '5');
    assert.equal(await page.inputValue('#explorer-preset'), '2');
    await close();
});

// Rows: name, address, moves, vesk-render's options for the same frame.
const kFrames = [
    ['opened by address', '&preset=open-u&step=3', [], ['--preset', 'open-u', '--step', '3']],
    // Where the library's sine was a bit off, the locus and the resultant moved by a pixel.
    ['balanced', '&step=3', [], ['--preset', 'balanced', '--step', '3']],
    [
        'open U with neutral', '&preset=open-u-neutral&step=3', [],
        ['--preset', 'open-u-neutral', '--step', '3']
    ],
    [
        'an offset typed, then Next twice', '&preset=unbalanced',
        [['fill', '#explorer-offset-w', '-45'], '#explorer-next', '#explorer-next'],
        ['--preset', 'unbalanced', '--offsets', '0,0,-45', '--step', '2']
    ],
    [
        'a single phase at one and a half', '&step=4',
        [['check', '#explorer-single-phase', true], ['fill', '#explorer-amplitude-u', '1.5']],
        ['--preset', 'single-phase', '--amplitudes', '1.5,1,1', '--step', '4']
    ],
    [
        'unbalanced with the neutral, by address', '&preset=unbalanced&connection=star-neutral&step=2',
        [], ['--preset', 'unbalanced', '--neutral', '--step', '2']
    ],
    [
        'the components apart, unbalanced', '&preset=unbalanced&step=7',
        [['check', '#explorer-components-apart', true]],
        ['--preset', 'unbalanced', '--apart', '--step', '7']
    ],
    [
        'reversed, in English and the colour-blind-safe palette',
        '&preset=reversed&step=20&lang=en&palette=safe', [],
        ['--preset', 'reversed', '--step', '20', '--lang', 'en', '--palette', 'safe']
    ],
];

for (const [name, address, moves, options] of kFrames) {
    test(`explorer frame equals vesk-render: ${name}`, async () => {
        const {page, errors, close} = await open(`#view=explorer${address}`);
        await sizeExplorer(page, 1024, 768);
        for (const m of moves) await move(page, m);
        const differing = await differingPixels(
            page, ['--view', 'explorer', ...options], {id: 'explorer-canvas', textPixels: 28});
        assert.deepEqual(differing.slice(0, 5), [], `${differing.length} pixels differ`);
        assert.deepEqual(errors, []);
        await close();
    });
}

test(
    'at a device pixel ratio of 2 the picture has twice the pixels of its box, each way',
    async () => {
        const {page, close} = await open('#view=explorer', {context: {deviceScaleFactor: 2}});
        const sizes = await page.$eval('#explorer-canvas', (c) => {
            const box = c.parentElement.getBoundingClientRect();
            return [c.width, c.height, 2 * Math.floor(box.width), 2 * Math.floor(box.height)];
        });
        assert.deepEqual(sizes.slice(0, 2), sizes.slice(2));
        await close();
    });

// The windings tab: opened by its address, its controls offering only the windings the core
// allows, and its canvas holding the frame vesk-render draws, pixel for pixel outside the texts.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {differingPixels, openPage, startBrowser, until} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

const open = (address, options = {}) =>
    openPage(session.browser, `${session.origin}/index.html${address}`, {
        ...options,
        context: {viewport: {width: 1462, height: 844}, ...options.context},
    });

// Gives the canvas 1024x768 pixels by resizing the window around it.
async function sizeCanvas(page) {
    for (let tries = 0; tries < 3; ++tries) {
        const [w, h] = await page.$eval('#winding-canvas', (c) => [c.width, c.height]);
        if (w === 1024 && h === 768) return;
        const v = page.viewportSize();
        await page.setViewportSize({width: v.width + 1024 - w, height: v.height + 768 - h});
        await until(page, ([w, h]) => {
            const c = document.getElementById('winding-canvas');
            return c.width !== w || c.height !== h;
        }, [w, h]);
    }
    throw new Error('the canvas is not 1024x768');
}

const controls = (page) => page.evaluate(() => {
    const value = (id) => document.getElementById(`winding-${id}`).value;
    const texts = (id) => [...document.getElementById(`winding-${id}`).options]
                              .map((o) => o.textContent)
                              .join(' ');
    return [
        value('preset'), value('slot-count'), texts('pitch'), value('pitch'), Number(value('angle'))
    ];
});

// Rows: name, address, changes made, then the preset box, the slots, the pitches offered, the
// pitch chosen and the step.
const kControls = [
    [
        'the issue\'s address', '&poles=4&slots=36&layers=2&pitch=7&step=3', [],
        ['2', '36', '1/9 2/9 3/9 4/9 5/9 6/9 7/9 8/9 9/9', '7', 3]
    ],
    [
        'a preset by name', '&preset=2-pole-short&step=35', [],
        ['3', '24', '1/12 2/12 3/12 4/12 5/12 6/12 7/12 8/12 9/12 10/12 11/12 12/12', '10', 35]
    ],
    [
        'slots that make no winding are passed over', '&slots=30&step=40', [],
        ['0', '6', '3/3', '3', 0]
    ],
    ['new poles keep q', '', [['#winding-poles', '1']], ['4', '12', '3/3', '3', 0]],
    [
        'one layer is full-pitch', '&preset=4-pole-short', [['#winding-layers', '0']],
        ['1', '36', '9/9', '9', 0]
    ],
];

for (const [name, address, changes, expected] of kControls) {
    test(`winding controls: ${name}`, async () => {
        const {page, errors, close} = await open(`#view=winding${address}`);
        for (const [selector, value] of changes) await page.selectOption(selector, value);
        assert.deepEqual(await controls(page), expected);
        assert.deepEqual(errors, []);
        await close();
    });
}

test('the description is the core\'s sentence in the class\'s language', async () => {
    const {page, close} = await open('#view=winding&preset=4-pole-short&step=3&lang=en');
    const text = await page.$eval('#winding-canvas-description', (el) => el.textContent);
    assert.match(
        text, /^4 poles, 36 slots, two layers, pitch 7\/9: electrical angle 30°.*1500 rpm/);
    await close();
});

// Rows: name, address, moves, vesk-render's options for the same frame.
const kFrames = [
    [
        'the issue\'s address', '&poles=4&slots=36&layers=2&pitch=7&step=3', [],
        ['--poles', '4', '--slots', '36', '--layers', '2', '--pitch', '7', '--step', '3']
    ],
    ['the explorer\'s winding', '&step=7', [], ['--step', '7']],
    [
        'two poles, 24 slots, Next twice, negative sequence, safe palette, in English',
        '&preset=2-pole-short&sequence=negative&palette=safe&lang=en',
        ['#winding-next', '#winding-next'],
        [
            '--preset', '2-pole-short', '--sequence', 'negative', '--palette', 'safe', '--lang',
            'en', '--step', '2'
        ]
    ],
    [
        'eight poles without flux lines at 60 Hz',
        '&poles=8&slots=96&layers=2&pitch=10&flux=0&frequency=60&step=11', [],
        [
            '--poles', '8', '--slots', '96', '--layers', '2', '--pitch', '10', '--no-flux-lines',
            '--frequency', '60', '--step', '11'
        ]
    ],
];

for (const [name, address, moves, options] of kFrames) {
    test(`winding frame equals vesk-render: ${name}`, async () => {
        const {page, errors, close} = await open(`#view=winding${address}`);
        await sizeCanvas(page);
        for (const m of moves) await page.click(m);
        const differing = await differingPixels(
            page, ['--view', 'winding', ...options], {id: 'winding-canvas', textPixels: 24});
        assert.deepEqual(differing.slice(0, 5), [], `${differing.length} pixels differ`);
        assert.deepEqual(errors, []);
        await close();
    });
}

// The motor's tab as a lecturer uses it: opened by its address, started and pushed on the page's
// clock; and its canvas holds the frame vesk-render draws, pixel for pixel outside the texts.
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

// Gives the motor's canvas `width` x `height` pixels by resizing the window around it.
async function sizeMotor(page, width, height) {
    for (let tries = 0; tries < 3; ++tries) {
        const [w, h] = await page.$eval('#motor-canvas', (c) => [c.width, c.height]);
        if (w === width && h === height) return;
        const v = page.viewportSize();
        await page.setViewportSize({width: v.width + width - w, height: v.height + height - h});
        await until(page, ([w, h]) => {
            const c = document.getElementById('motor-canvas');
            return c.width !== w || c.height !== h;
        }, [w, h]);
    }
    throw new Error(`the motor's canvas is not ${width}x${height}`);
}

const said = (page) => page.$eval('#motor-canvas-description', (el) => el.textContent);

// Rows: name, address, moves (a click on '#selector', milliseconds of the page's clock, or
// [selector, value] to choose), and what the screen reader hears after them.
const kLessons = [
    ['opened at rest', '', [], /^电动机转速 0 r\/min，对正向磁场的转差率 1\.000，转矩 27\.41 N·m/],
    [
        'a balanced start passes 1484 rpm after a second', '', ['#motor-start', 1000],
        /^电动机转速 14(8[4-9]|9\d) r\/min/
    ],
    [
        'a single phase started stays stalled', '&preset=single-phase', ['#motor-start', 2000],
        /^电动机转速 0 r\/min.*堵转/
    ],
    [
        'a single phase pushed backward runs backward', '&preset=single-phase',
        ['#motor-start', '#motor-push-backward', 3000], /^电动机转速 -(2[89]\d) r\/min/
    ],
    [
        'pause holds the speed', '', ['#motor-start', 200, '#motor-play-pause', 2000],
        /^电动机转速 (2[0-9]\d|3[0-4]\d) r\/min/
    ],
    [
        'the speed held by an address', '&preset=reversed&speed=-1440', [],
        /^电动机转速 -1440 r\/min，对正向磁场的转差率 0\.040，转矩 -14\.26 N·m/
    ],
    // E / |Z_UU| with Z_UU = (Z0 + Z+(0.04) + Z-(1.96)) / 3: 230.9 V / 21.42 Ω.
    [
        'a preset chosen goes on from the present speed', '&speed=1440', [['#motor-preset', '4']],
        /^电动机转速 1440 r\/min.*电流 U 10\.78 A、V 0\.00 A/
    ],
];

for (const [name, address, moves, heard] of kLessons) {
    test(`motor: ${name}`, async () => {
        const {page, errors, close} = await open(`#view=motor${address}`, {clock: true});
        for (const m of moves) {
            if (typeof m === 'number')
                await page.clock.runFor(m);
            else if (typeof m === 'string')
                await page.click(m);
            else
                await page.selectOption(m[0], m[1]);
        }
        assert.match(await said(page), heard);
        assert.deepEqual(errors, []);
        await close();
    });
}

// Rows: name, address, vesk-render's options for the same frame.
const kFrames = [
    [
        'a pushed single phase with a fan',
        '&preset=single-phase&load=5&time=1.5&initial-speed=150&step=7',
        [
            '--preset', 'single-phase', '--load', '5', '--time', '1.5', '--initial-speed', '150',
            '--step', '7'
        ]
    ],
    ['the speed held at 1440 rpm', '&speed=1440&step=3', ['--speed', '1440', '--step', '3']],
    [
        'reversed from 1440 rpm, in English and the safe palette',
        '&preset=reversed&time=2&initial-speed=1440&inertia=0.5&lang=en&palette=safe',
        [
            '--preset', 'reversed', '--time', '2', '--initial-speed', '1440', '--inertia', '0.5',
            '--lang', 'en', '--palette', 'safe'
        ]
    ],
    [
        'open U without the neutral', '&preset=open-u&speed=700&step=20',
        ['--preset', 'open-u', '--speed', '700', '--step', '20']
    ],
];

for (const [name, address, options] of kFrames) {
    test(`motor frame equals vesk-render: ${name}`, async () => {
        const {page, errors, close} = await open(`#view=motor${address}`);
        await sizeMotor(page, 1024, 768);
        const differing = await differingPixels(
            page, ['--view', 'motor', ...options], {id: 'motor-canvas', textPixels: 24});
        assert.deepEqual(differing.slice(0, 5), [], `${differing.length} pixels differ`);
        assert.deepEqual(errors, []);
        await close();
    });
}

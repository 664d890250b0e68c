// What a screen reader finds on the page: every control of the tab shown with a name and a
// description, as the forms give them, and each canvas described, frame by frame, in a polite live
// region that says the step, the angle, the currents and where the resultant points.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openPage, startBrowser} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

const open = (address) => openPage(session.browser, `${session.origin}/index.html${address}`);

// The accessible name and description chromium gives each element of `selector`, by id.
async function accessible(page, selector) {
    const cdp = await page.context().newCDPSession(page);
    const ids = await page.$$eval(selector, (els) => els.map((e) => e.id));
    const found = {};
    for (const id of ids) {
        const {result} = await cdp.send(
            'Runtime.evaluate', {expression: `document.getElementById(${JSON.stringify(id)})`});
        const {nodes} =
            await cdp.send('Accessibility.getPartialAXTree', {objectId: result.objectId});
        found[id] = [nodes[0].name?.value ?? '', nodes[0].description?.value ?? ''];
    }
    await cdp.detach();
    return found;
}

const kControls = ':is(button, input, select, canvas)';

// Rows: the address, and a few controls with the name and description they must have: a readout
// named by the form, not by the label beside it; a box named by its row and column; a button
// without its shortcut mark.
const kNamed = [
    ['#view=main', {'amp-u': ['U相相对幅值', 'U 相电流与其峰值之比']}],
    ['#view=main&lang=en', {}],
    // A parameter's box: its range from the table of views after what the form says it sets.
    [
        '#view=explorer',
        {'explorer-amplitude-v': ['V相 幅值', 'V相幅值 (Amplitude of V) (0 to 2)']}
    ],
    [
        '#view=explorer&lang=en', {
            'explorer-offset-w': ['Phase W Offset', 'Offset of W (-180 to 180°)'],
            'explorer-previous': ['Back', 'Previous (Left arrow): 0 goes round to 35']
        }
    ],
    [
        '#view=winding&lang=en',
        {'winding-pitch': ['Pitch', 'Pitch: the coil span in slots, over the pole pitch']}
    ],
    [
        '#view=winding',
        {'winding-frequency': ['频率', '频率 (Frequency) of the supply (1 to 400 Hz)']}
    ],
    [
        '#view=motor', {
            'motor-load': [
                '风机负载',
                '风机负载 (Fan load): its torque at synchronous speed; it grows with the square of the speed (0 to 40 N·m)'
            ]
        }
    ],
];

for (const [address, named] of kNamed) {
    test(`every control of the tab has a name and a description: ${address}`, async () => {
        const {page, close} = await open(address);
        const found = await accessible(page, `[role="tabpanel"]:not([hidden]) ${kControls}`);
        const missing = Object.entries(found).filter(([, [n, d]]) => n === '' || d === '');
        assert.deepEqual(missing, []);
        assert.ok(Object.keys(found).length >= 11, Object.keys(found).join(' '));
        for (const [id, want] of Object.entries(named)) assert.deepEqual(found[id], want, id);
        await close();
    });
}

// Rows: name, address, clicks, the canvas, and what its description says.
const kDescriptions = [
    [
        'main window at step 9', '#step=9', [], 'canvas',
        '第 9 步，ωt = 90°。U 相 -0.00，V 相 0.87，W 相 -0.87。合成磁动势指向 90°（从 U 相轴线逆时针量起）。'
    ],
    [
        'main window at step 27, in English, after Next', '#step=26&lang=en', ['#next'], 'canvas',
        'Step 27, ωt = 270°. Phase U 0.00, V -0.87, W 0.87. The resultant MMF points at 270°, counter-clockwise from the axis of U.'
    ],
    [
        'explorer, open U at step 3', '#view=explorer&preset=open-u&step=3', [], 'explorer-canvas',
        '第 3 步，θ = 30°。U 相 0.00，V 相 0.43，W 相 -0.43。合成磁动势 0.75 Fp，指向 90°（从 U 相轴线逆时针量起）。转向：脉振。'
    ],
    [
        'explorer, reversed, after Next from step 3',
        '#view=explorer&preset=reversed&step=3&lang=en', ['#explorer-next'], 'explorer-canvas',
        'Step 4, θ = 40°. Phase U 0.77, V -0.94, W 0.17. The resultant MMF is 1.50 Fp and points at 320°, counter-clockwise from the axis of U. Rotation: clockwise.'
    ],
    [
        'explorer, a single phase as its current crosses zero',
        '#view=explorer&preset=single-phase&step=9&lang=en', [], 'explorer-canvas',
        'Step 9, θ = 90°. Phase U 0.00, V 0.00, W 0.00. The resultant MMF is zero. Rotation: pulsating.'
    ],
];

for (const [name, address, clicks, canvas, sentence] of kDescriptions) {
    test(`the canvas described: ${name}`, async () => {
        const {page, close} = await open(address);
        for (const selector of clicks) await page.click(selector);
        const [, description] = (await accessible(page, `#${canvas}`))[canvas];
        assert.equal(description, sentence);
        const region = await page.$eval(
            `#${canvas}`,
            (c) => document.getElementById(c.getAttribute('aria-describedby'))
                       .getAttribute('aria-live'));
        assert.equal(region, 'polite');
        await close();
    });
}

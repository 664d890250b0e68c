// The page passes over what it does not understand in its address: a value out of range or
// malformed leaves its setting at the default (not at the nearest value it could make of it), and
// each refusal is reported on the console once, in one line.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {startBrowser, until} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

// The page at `address`, with the warnings it writes on the console from its first moment.
async function open(address) {
    const ctx = await session.browser.newContext({viewport: {width: 1462, height: 844}});
    const page = await ctx.newPage();
    const warnings = [];
    const errors = [];
    page.on('console', (m) => m.type() === 'warning' && warnings.push(m.text()));
    page.on('pageerror', (e) => errors.push(e.message));
    await page.goto(`${session.origin}/index.html${address}`);
    await until(page, () => document.getElementById('views').getAttribute('aria-busy') === 'false');
    return {page, warnings, errors, close: () => ctx.close()};
}

// The same address followed again, in another language: nothing more may be reported.
async function followAgain(page) {
    await page.evaluate(() => {
        location.hash += '&lang=en';
    });
    await until(page, () => document.documentElement.lang === 'en');
}

function assertReported(warnings, starts) {
    assert.equal(warnings.length, starts.length, warnings.join('\n'));
    starts.forEach((start, i) => assert.ok(warnings[i].startsWith(start), warnings[i]));
    assert.ok(warnings.every((w) => !w.includes('\n')));
}

// The windings tab's boxes: poles, slots, layers (0 for one, 1 for two), pitch, frequency and the
// step.
const windings = (page) => page.evaluate(() => {
    const box = (id) => document.getElementById(`winding-${id}`);
    const chosen = (id) => box(id).selectedOptions[0]?.textContent;
    return [
        chosen('poles'), box('slot-count').value, box('layers').value, box('pitch').value,
        box('frequency').value, Number(box('angle').value)
    ];
});

// The defaults: two poles, six slots, one layer, full pitch 3, 50 Hz, step 0.
const kDefaults = ['2', '6', '0', '3', '50', 0];

// Rows: name, address, the windings tab's boxes, and the start of each line reported.
const kWindings = [
    [
        'poles, slots and pitch that make no winding', '&poles=3&slots=7&pitch=99', kDefaults,
        ["poles '3'", "pitch '99'", '7 slots do not make a 2-pole winding']
    ],
    ['a frequency of 0 Hz', '&frequency=0', kDefaults, ["frequency '0'"]],
    ['a frequency in hexadecimal', '&frequency=0x10', kDefaults, ["frequency '0x10'"]],
    ['three layers', '&layers=3', kDefaults, ["layers '3'"]],
    [
        'what it understands is kept beside what it does not', '&poles=4&slots=36&layers=3&step=99',
        ['4', '36', '0', '9', '50', 0], ["layers '3'", "step '99'"]
    ],
];

for (const [name, address, boxes, reported] of kWindings) {
    test(`passed over: ${name}`, async () => {
        const {page, warnings, errors, close} = await open(`#view=winding${address}`);
        assert.deepEqual(await windings(page), boxes);
        await followAgain(page);
        assertReported(warnings, reported);
        assert.deepEqual(errors, []);
        await close();
    });
}

// Rows: name, address, number boxes and the values they show, the start of each line reported.
const kOthers = [
    [
        'the motor\'s inertia in hexadecimal: the default 0.2 kg·m²',
        '#view=motor&load=5&inertia=0x1&speed=1440', ['motor-load', 'motor-inertia'], [5, 0.2],
        ["inertia '0x1'"]
    ],
    [
        'the explorer\'s unknown connection and an amplitude beyond 2: the preset\'s',
        '#view=explorer&preset=unbalanced&connection=delta&amplitudes=1,2,3',
        ['explorer-amplitude-u', 'explorer-amplitude-v', 'explorer-amplitude-w'], [1, 0.4, 0.7],
        ["connection 'delta'", "amplitudes '1,2,3'"]
    ],
    [
        'the single-phase motor\'s run capacitor beyond 1000 µF: the default 25 µF',
        '#view=capacitor-motor&kind=two-value&start-capacitor=220&run-capacitor=2000',
        ['capacitor-motor-start-capacitor', 'capacitor-motor-run-capacitor'], [220, 25],
        ["run-capacitor '2000'"]
    ],
    [
        'a start capacitor for a split-phase motor, which has none',
        '#view=capacitor-motor&kind=split-phase&start-capacitor=100&load=3',
        ['capacitor-motor-start-capacitor', 'capacitor-motor-load'], [150, 3],
        ['--start-capacitor: a split-phase motor has no start capacitor']
    ],
];

for (const [name, address, ids, values, reported] of kOthers) {
    test(`passed over: ${name}`, async () => {
        const {page, warnings, errors, close} = await open(address);
        const shown = await page.evaluate(
            (ids) => ids.map((id) => Number(document.getElementById(id).value)), ids);
        assert.deepEqual(shown, values);
        await followAgain(page);
        assertReported(warnings, reported);
        assert.deepEqual(errors, []);
        await close();
    });
}

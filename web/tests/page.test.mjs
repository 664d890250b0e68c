// The page as a student uses it: the buttons and the timer step as the window's do, the address
// opens a frame, the keyboard reaches every control in the window's order, and a browser that
// cannot run the page says so.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openPage, readouts, shownStep, startBrowser, until} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

const open = (address = '', options) =>
    openPage(session.browser, `${session.origin}/index.html${address}`, options);

// The step rules are the core's (MainStepper, tested on its own); these rows check that each button
// and the timer reach them and that the timer follows the mode. Rows: name, address, clicks and
// milliseconds of the page's clock, the step shown after them.
const kSteps = [
    ['Next twice', '', ['#next', '#next'], 2],
    ['Previous goes back one', '#step=5', ['#prev'], 4],
    ['Start goes to 0, then five steps a second', '#step=9', ['#start', 1000], 5],
    ['Stop holds the step', '', ['#start', 600, '#stop', 1000], 3],
    ['Reset keeps a running animation running', '', ['#start', 600, '#reset', 400], 2],
    ['Next stops the animation', '', ['#start', 400, '#next', 1000], 3],
    ['Start while running starts again at 0', '', ['#start', 600, '#start', 200], 1],
    ['the check box keeps step and timer', '', ['#start', 400, '#show-resultant', 200], 3],
];

for (const [name, address, moves, step] of kSteps) {
    test(`steps: ${name}`, async () => {
        const {page, errors, close} = await open(address, {clock: true});
        for (const move of moves)
            await (typeof move === 'number' ? page.clock.runFor(move) : page.click(move));
        assert.equal(await shownStep(page), step);
        assert.deepEqual(errors, []);
        await close();
    });
}

test('the readouts after Next, Next, and where a phase crosses zero from either side', async () => {
    const {page, close} = await open();
    await page.click('#next');
    await page.click('#next');
    assert.deepEqual(await readouts(page), ['2*π/18=20°', '0.94', '-0.17', '-0.77']);
    // Links to other frames of the open page.
    const kLinks = [
        {step: 9, readouts: ['9*π/18=90°', '-0.00', '0.87', '-0.87']},
        {step: 27, readouts: ['27*π/18=270°', '0.00', '-0.87', '0.87']},
    ];
    for (const link of kLinks) {
        await page.evaluate((s) => {
            location.hash = `step=${s}`;
        }, link.step);
        await until(
            page, (s) => document.getElementById('angle').value.startsWith(`${s}*`), link.step);
        assert.deepEqual(await readouts(page), link.readouts);
    }
    assert.equal(await page.$eval('#amp-u', (e) => e.readOnly), true);
    await close();
});

const kAddresses = [
    {address: '#step=9&resultant=0', step: 9, resultant: false},
    {address: '#view=main&step=72&resultant=1', step: 72, resultant: true},
    {address: '#step=73', step: 0, resultant: true},
    {address: '#step=-1', step: 0, resultant: true},
    {address: '#step=9.5&resultant=no', step: 0, resultant: true},
    {address: '#step=1e1', step: 0, resultant: true},
    {address: '#step=%E0%A4%A&resultant=%', step: 0, resultant: true},
    {address: '#view=nowhere&step=3', step: 3, resultant: true},
    {address: '#step=constructor&view=__proto__', step: 0, resultant: true},
];

for (const c of kAddresses) {
    test(`address ${c.address}`, async () => {
        const {page, errors, close} = await open(c.address);
        assert.equal(await shownStep(page), c.step);
        assert.equal(await page.isChecked('#show-resultant'), c.resultant);
        assert.equal(await page.isVisible('#canvas'), true);
        assert.deepEqual(errors, []);
        await close();
    });
}

test(
    'Tab goes through the controls in the window order; Enter and Space press the focused one',
    async () => {
        const {page, close} = await open('', {clock: true});
        await page.focus('#start');
        const order = ['start'];
        for (let i = 0; i < 9; ++i) {
            await page.keyboard.press('Tab');
            order.push(await page.evaluate(() => document.activeElement.id));
        }
        assert.deepEqual(order, [
            'start', 'next', 'reset', 'stop', 'angle', 'amp-u', 'amp-v', 'amp-w', 'show-resultant',
            'prev'
        ]);
        await page.focus('#next');
        await page.keyboard.press('Enter');
        await page.keyboard.press('Space');
        assert.equal(await shownStep(page), 2);
        await page.focus('#show-resultant');
        await page.keyboard.press('Space');
        assert.equal(await page.isChecked('#show-resultant'), false);
        await page.focus('#start');
        await page.keyboard.press('Enter');
        await page.clock.runFor(400);
        assert.equal(await shownStep(page), 2);
        await close();
    });

test('the window\'s words and title', async () => {
    const {page, close} = await open();
    const texts = await page.$$eval(
        '#start, #stop, #next, #prev, #reset', (els) => els.map((e) => e.textContent));
    assert.deepEqual(texts, ['开始', '下一步', '重置', '停止', '前一步']);
    assert.equal(await page.title(), '三相交流异步电动机定子旋转磁场形成');
    assert.match(
        await page.textContent('.window'),
        /显示合成磁动势.*Fux=Fp\*cos\(ωt\)\*cosα.*F\(x,t\)=3\/2\*Fp\*cos\(ωt-α\)/s);
    await close();
});

test('the page loads nothing but its own files', async () => {
    const ctx = await session.browser.newContext();
    const page = await ctx.newPage();
    const requests = [];
    page.on('request', (r) => requests.push(r.url()));
    await page.goto(`${session.origin}/index.html#step=3`);
    await until(page, () => performance.getEntriesByName('vesk-first-frame').length > 0);
    assert.deepEqual(requests.filter((url) => !url.startsWith(`${session.origin}/`)), []);
    await ctx.close();
});

const kCannotRun = [
    {name: 'without scripts', context: {javaScriptEnabled: false}},
    {
        name: 'without WebAssembly',
        init: () => {
            delete globalThis.WebAssembly;
        }
    },
];

for (const c of kCannotRun) {
    test(`${c.name} the page says what it needs instead of showing an empty canvas`, async () => {
        const ctx = await session.browser.newContext(c.context);
        const page = await ctx.newPage();
        if (c.init) await page.addInitScript(c.init);
        await page.goto(`${session.origin}/index.html`);
        assert.match(await page.locator('p.needs').innerText(), /WebAssembly.*JavaScript/);
        assert.equal(await page.isVisible('#canvas'), false);
        await ctx.close();
    });
}

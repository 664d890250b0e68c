// The page inside another page: #embed leaves the frame and its step controls alone and keeps
// every other key of the address; docs/embed.html shows two views so; and the page asks no other
// host for anything, embedded or not, whatever is clicked.
import assert from 'node:assert/strict';
import {copyFileSync, mkdtempSync, rmSync, symlinkSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {serveSite} from '../serve_site.mjs';

import {openPage, shownStep, siteDir, startBrowser, until, visibleControls} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

const open = (address, options) =>
    openPage(session.browser, `${session.origin}/index.html${address}`, options);

const kCycleSteps = ['play-pause', 'previous', 'next', 'reset', 'angle', 'speed'];

// Rows: name, address (without #embed), the controls left, and what else the address set.
const kEmbedded = [
    [
        'the main window at step 9', '#view=main&step=9', ['start', 'next', 'reset', 'stop', 'prev'],
        async (page) => assert.equal(await shownStep(page), 9)
    ],
    [
        'the motor with a load', '#view=motor&load=10', ['motor-play-pause', 'motor-slow'],
        async (page) => assert.equal(await page.$eval('#motor-load', (e) => e.valueAsNumber), 10)
    ],
    [
        'the explorer, reversed, in English and the safe colours',
        '#view=explorer&preset=reversed&step=3&lang=en&palette=safe',
        kCycleSteps.map((id) => `explorer-${id}`), async (page) => {
            assert.equal(await page.$eval('html', (e) => e.lang), 'en');
            assert.equal(await page.$eval('#palette', (e) => e.value), 'safe');
        }
    ],
];

for (const [name, address, controls, check] of kEmbedded) {
    test(`#embed: ${name}`, async () => {
        const whole = await open(address);
        const canvas = await whole.page.$eval('[role="tabpanel"]:not([hidden]) canvas', (c) => c.id);
        const description = await whole.page.textContent(`#${canvas}-description`);
        await whole.close();

        const {page, errors, close} = await open(`${address}&embed`, {clock: true});
        assert.deepEqual(await visibleControls(page), controls);
        assert.ok(await page.isVisible(`#${canvas}`));
        // The frame is the one the same address shows on the whole page.
        assert.equal(await page.textContent(`#${canvas}-description`), description);
        await check(page);
        // The step controls still work: the first (start, or play) moves the frame on.
        await page.click(`#${controls[0]}`);
        await page.clock.runFor(1000);
        assert.notEqual(await page.textContent(`#${canvas}-description`), description);
        assert.deepEqual(errors, []);
        await close();
    });
}

test('an address without #embed brings the whole page back', async () => {
    const {page, close} = await open('#view=explorer&embed');
    const embedded = await visibleControls(page);
    await page.evaluate(() => {
        location.hash = 'view=explorer';
    });
    await until(page, () => !document.documentElement.classList.contains('embed'));
    const whole = await visibleControls(page);
    for (const id of ['tab-main', 'save-picture', 'copy-link', 'language', 'explorer-preset'])
        assert.ok(whole.includes(id), id);
    assert.ok(embedded.every((id) => whole.includes(id)));
    await close();
});

// Every request the context makes, its pages' and its service workers'.
function recordRequests(context) {
    const urls = [];
    context.on('request', (r) => urls.push(r.url()));
    return urls;
}
const foreign = (urls, origin) =>
    urls.filter((url) => !url.startsWith(`${origin}/`) && !/^(blob|data):/.test(url));

test('docs/embed.html: two views in frames of a course page', async () => {
    const dir = mkdtempSync(join(tmpdir(), 'vesk-course-'));
    copyFileSync(new URL('../../docs/embed.html', import.meta.url), join(dir, 'embed.html'));
    symlinkSync(siteDir, join(dir, 'site'));
    const server = await serveSite(dir);
    const context = await session.browser.newContext({viewport: {width: 1000, height: 900}});
    const urls = recordRequests(context);
    const page = await context.newPage();
    await page.goto(`${server.origin}/embed.html`);
    const kFrames = [
        ['main-window', 'canvas', ['start', 'next', 'reset', 'stop', 'prev'], /^第 3 步/],
        ['single-phase-motor', 'motor-canvas', ['motor-play-pause', 'motor-slow'], /.+/],
    ];
    for (const [id, canvas, controls, description] of kFrames) {
        const frame = await (await page.$(`#${id}`)).contentFrame();
        await until(frame, () => document.getElementById('views').ariaBusy === 'false');
        assert.deepEqual(await visibleControls(frame), controls, id);
        assert.match(await frame.textContent(`#${canvas}-description`), description);
    }
    assert.deepEqual(foreign(urls, server.origin), []);
    await context.close();
    await server.close();
    rmSync(dir, {recursive: true});
});

test('the page asks no other host for anything, embedded or not', async () => {
    const context = await session.browser.newContext();
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], {origin: session.origin});
    const urls = recordRequests(context);
    const page = await context.newPage();
    await page.goto(`${session.origin}/index.html`);
    await until(page, () => document.getElementById('views').ariaBusy === 'false');
    await page.evaluate(() => navigator.serviceWorker.ready);
    for (const view of ['main', 'explorer', 'winding', 'motor']) {
        await page.click(`#tab-${view}`);
        await page.click('#copy-picture');
        await page.click('#copy-link');
        await Promise.all([page.waitForEvent('download'), page.click('#save-picture')]);
    }
    await page.selectOption('#language', 'en');
    for (const address of ['#view=motor&embed', '#view=winding&embed&lang=en', '#lesson']) {
        await page.goto(`${session.origin}/index.html${address}`);
        await page.reload();
        await until(page, () => document.getElementById('views').ariaBusy === 'false');
    }
    assert.ok(urls.length > 20, urls.join('\n'));
    assert.deepEqual(foreign(urls, session.origin), []);
    await context.close();
});

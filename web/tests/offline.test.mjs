// The page without the network: served over http, one visit keeps every file of the site, so that
// it opens again with the server gone; a new version replaces what was kept; the worker keeps the
// site's own files and no others; the page can be installed as an app; opened from disk it runs
// as before, with no worker.
import assert from 'node:assert/strict';
import {cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {serveSite} from '../serve_site.mjs';

import {fileUrl, openPage, siteDir, startBrowser, startProfile, until} from './browser.mjs';

let session;
before(async () => {
    session = await startBrowser();
});
after(() => session?.close());

// The files the worker keeps, as its build wrote them into sw.js.
const workerFiles = (dir) => JSON.parse(
    readFileSync(join(dir, 'sw.js'), 'utf8').match(/^const kFiles = (\[.*\]);$/m)[1]);

// Pixels of the view's canvas that are not the background's white: a frame was drawn.
const drawnPixels = (page, id) => page.$eval(`#${id}`, (canvas) => {
    const {data} = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    let drawn = 0;
    for (let i = 0; i < data.length; i += 4)
        if (data[i] !== 255 || data[i + 1] !== 255 || data[i + 2] !== 255) ++drawn;
    return drawn;
});

// Once its worker is in charge the page's files are all kept (the worker installs only then);
// a page without one has no cache after ten seconds.
const workerReady = (page) => page.evaluate(async () => {
    await Promise.race(
        [navigator.serviceWorker.ready, new Promise((done) => setTimeout(done, 10000))]);
    return caches.keys();
});

// Rows: the address, the canvas to see drawn after the server is gone.
const kOffline = [
    ['#view=main&step=9', 'canvas'],
    ['#view=motor&preset=single-phase&load=5&lang=en', 'motor-canvas'],
];

for (const [address, canvas] of kOffline) {
    test(`after one visit the page opens with its server gone: ${address}`, async () => {
        const server = await serveSite(siteDir);
        const {page, errors, reload, close} =
            await openPage(session.browser, `${server.origin}/index.html${address}`);
        assert.equal((await workerReady(page)).length, 1);
        await server.close();
        await reload();
        assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
        assert.ok(await drawnPixels(page, canvas) > 1000);
        assert.notEqual(await page.textContent(`#${canvas}-description`), '');
        assert.deepEqual(errors, []);
        await close();
    });
}

test('a new version fills a cache of its own and deletes the old one', async () => {
    const dir = mkdtempSync(join(tmpdir(), 'vesk-site-'));
    cpSync(siteDir, dir, {recursive: true});
    const server = await serveSite(dir);
    const {page, close} = await openPage(session.browser, `${server.origin}/index.html`);
    const [old] = await workerReady(page);
    // The next build: another version in the worker, as a changed file gives it.
    const worker = readFileSync(join(dir, 'sw.js'), 'utf8');
    writeFileSync(
        join(dir, 'sw.js'), worker.replace(/^const kVersion = '.*';$/m, 'const kVersion = \'next\';'));
    await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
    await until(page, async () => {
        const names = await caches.keys();
        return names.length === 1 && names[0].endsWith(' next');
    });
    assert.ok(!(await page.evaluate(() => caches.keys())).includes(old));
    await close();
    await server.close();
    rmSync(dir, {recursive: true});
});

test('the worker keeps every file of the site but itself, and only those', () => {
    const files = workerFiles(siteDir);
    const site = readdirSync(siteDir).filter((f) => f !== 'sw.js').sort();
    assert.deepEqual(files, site);
    // Names in the site's own folder: nothing of another host or folder.
    assert.deepEqual(files.filter((f) => !/^[\w.-]+$/.test(f)), []);
});

test('the page can be installed as an app, with the desktop\'s icon', async () => {
    const profile = await startProfile();
    const page = await profile.context.newPage();
    await page.goto(`${session.origin}/index.html`);
    await workerReady(page);
    const cdp = await page.context().newCDPSession(page);
    const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const {url} = await cdp.send('Page.getAppManifest');
    assert.equal(url, `${session.origin}/manifest.webmanifest`);
    assert.equal(
        readFileSync(join(siteDir, 'icon.svg'), 'utf8'),
        readFileSync(new URL('../../res/desktop/icons/org.vesk.Vesk.svg', import.meta.url), 'utf8'));
    await profile.close();
});

test('opened from disk the page runs as before, with no worker', async () => {
    const {page, errors, close} = await openPage(session.browser, `${fileUrl}#step=9`);
    assert.ok(await drawnPixels(page, 'canvas') > 1000);
    // The browser has no workers for pages from disk: the page asked for none.
    const workers = await page.evaluate(
        () => navigator.serviceWorker?.getRegistrations().then((r) => r.length, () => 0) ?? 0);
    assert.equal(workers, 0);
    assert.deepEqual(errors, []);
    await close();
});

// Debian's chromium, headless, driven by Playwright; the site served from this machine.
import {execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync, rmSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {join, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';

import {serveSite} from '../serve_site.mjs';

// scripts/deps.sh installs Playwright into the build tree, not beside the sources.
const {chromium} = createRequire(new URL('../../build/node/', import.meta.url))('playwright-core');

export const siteDir = resolve(
    process.env.VESK_SITE_DIR ?? fileURLToPath(new URL('../../build/web/site/', import.meta.url)));
export const fileUrl = pathToFileURL(join(siteDir, 'index.html')).href;
const veskRender = process.env.VESK_RENDER ??
    fileURLToPath(new URL('../../build/dev/tools/vesk-render', import.meta.url));

const kChromiumArgs = [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'
];

// A browser with a fresh profile of its own, and a server for the site; close() ends both.
export async function startBrowser() {
    const browser =
        await chromium.launch({executablePath: '/usr/bin/chromium', args: kChromiumArgs});
    const server = await serveSite(siteDir);
    return {
        browser,
        origin: server.origin,
        close: async () => {
            await browser.close();
            await server.close();
        }
    };
}

// A browser with a profile kept on disk, as a student's is (an app is installed only from one);
// close() ends it and removes the profile.
export async function startProfile() {
    const dir = mkdtempSync(join(tmpdir(), 'vesk-profile-'));
    const context = await chromium.launchPersistentContext(
        dir, {executablePath: '/usr/bin/chromium', args: kChromiumArgs});
    return {
        context,
        close: async () => {
            await context.close();
            rmSync(dir, {recursive: true});
        }
    };
}

// Opens the page at `url` in a context of its own and waits for its first frame. With `clock`, the
// page's timers run only when the test moves the clock on. `errors` collects the page's exceptions.
// reload() loads it again in the same context, which keeps what the browser remembers.
export async function openPage(browser, url, {clock = false, context = {}} = {}) {
    const ctx = await browser.newContext({viewport: {width: 1100, height: 760}, ...context});
    const page = await ctx.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    await page.addInitScript(recordTexts);
    if (clock) await page.clock.install({time: 0});
    await page.goto(url);
    const ready = () => until(
        page,
        () => document.getElementById('views')?.getAttribute('aria-busy') === 'false' ||
            document.querySelector('p.needs'));
    if (context.javaScriptEnabled !== false) await ready();
    // From here on the page's clock stands still between the test's moves.
    if (clock) await page.clock.pauseAt(60000);
    const reload = async (address) => {
        // A new address that differs only after the # changes the page without loading it.
        if (address !== undefined) await page.goto(url.replace(/#.*$/, '') + address);
        await page.reload();
        await ready();
    };
    return {page, errors, reload, close: () => ctx.close()};
}

// The texts written on each canvas since its last frame's pixels, as [x, text], for
// drawnTexts(canvasId).
function recordTexts() {
    const drawn = new Map();
    window.drawnTexts = (id) => drawn.get(id) ?? [];
    const proto = CanvasRenderingContext2D.prototype;
    const put = proto.putImageData;
    proto.putImageData = function(...args) {
        drawn.set(this.canvas.id, []);
        return put.apply(this, args);
    };
    const fill = proto.fillText;
    proto.fillText = function(text, x, ...rest) {
        drawn.get(this.canvas.id)?.push([x, text]);
        return fill.call(this, text, x, ...rest);
    };
}

// The texts of vesk-render's trace for `args`, as [x, text].
export const traceTexts = (args) => [...execFileSync(veskRender, [...args, '--format', 'trace'])
                                         .toString()
                                         .matchAll(/^text (\d+) \d+ (.*)$/gm)]
                                        .map(([, x, text]) => [Number(x), text]);

// Gives the explorer's canvas `width` x `height` pixels by resizing the window around it.
export async function sizeExplorer(page, width, height) {
    for (let tries = 0; tries < 3; ++tries) {
        const [w, h] = await page.$eval('#explorer-canvas', (c) => [c.width, c.height]);
        if (w === width && h === height) return;
        const v = page.viewportSize();
        await page.setViewportSize({width: v.width + width - w, height: v.height + height - h});
        await until(page, ([w, h]) => {
            const c = document.getElementById('explorer-canvas');
            return c.width !== w || c.height !== h;
        }, [w, h]);
    }
    throw new Error(`the explorer's canvas is not ${width}x${height}`);
}

// Waits for `condition` to hold in the page, polled from here: the page's own timers may be held.
export async function until(page, condition, arg) {
    for (const end = Date.now() + 10000; !(await page.evaluate(condition, arg));) {
        if (Date.now() > end) throw new Error(`timed out waiting for ${condition}`);
        await new Promise((done) => setTimeout(done, 10));
    }
}

// The controls a user sees and can use (not disabled), by id or, lacking one, tag and text.
export const visibleControls = (page) => page.$$eval(
    'button, input, select, textarea, a[href], [tabindex]:not([tabindex="-1"])',
    (els) => els.filter((e) => !e.disabled && e.checkVisibility({visibilityProperty: true}))
                 .map((e) => e.id || `${e.tagName.toLowerCase()} ${e.textContent.trim()}`));

export const readouts = (page) => page.evaluate(
    () => ['angle', 'amp-u', 'amp-v', 'amp-w'].map((id) => document.getElementById(id).value));

// The step the page shows, read off its phase-angle readout ("K*π/18=...").
export const shownStep = async (page) => Number((await readouts(page))[0].split('*')[0]);

// The pixels of the canvas `id` that differ from vesk-render's PNG for `args`, outside the boxes of
// the texts its trace lists (where the page writes with the browser's fonts and the desktop with
// Qt's), each taken as `textPixels` high and wide a character.
export async function differingPixels(page, args, {id = 'canvas', textPixels = 12} = {}) {
    const dir = mkdtempSync(join(tmpdir(), 'vesk-web-'));
    execFileSync(veskRender, [...args, '-o', join(dir, 'frame.png')]);
    const png = readFileSync(join(dir, 'frame.png')).toString('base64');
    rmSync(dir, {recursive: true});
    const trace = execFileSync(veskRender, [...args, '--format', 'trace']).toString();
    // No glyph is wider or taller than its text's size, nor reaches far below. A text may begin
    // left of the canvas or above it.
    const boxes = [...trace.matchAll(/^text (-?\d+) (-?\d+) (.*)$/gm)].map(
        ([, x, y, text]) =>
            [x - 2, y - 2, Number(x) + textPixels * [...text].length + 2,
             Number(y) + textPixels + 4]);
    return page.evaluate(async ({png, boxes, id}) => {
        const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
        const bitmap = await createImageBitmap(new Blob([bytes]), {colorSpaceConversion: 'none'});
        const ref = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
        ref.drawImage(bitmap, 0, 0);
        const want = ref.getImageData(0, 0, bitmap.width, bitmap.height).data;
        const canvas = document.getElementById(id);
        if (canvas.width !== bitmap.width || canvas.height !== bitmap.height)
            return [`size ${canvas.width}x${canvas.height}`];
        const got = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        const differing = [];
        for (let y = 0; y < canvas.height; ++y) {
            for (let x = 0; x < canvas.width; ++x) {
                if (boxes.some(([l, t, r, b]) => x >= l && x < r && y >= t && y < b)) continue;
                const i = 4 * (y * canvas.width + x);
                if (got[i] !== want[i] || got[i + 1] !== want[i + 1] || got[i + 2] !== want[i + 2])
                    differing.push(
                        `(${x},${y}) ${got.slice(i, i + 3)} not ${want.slice(i, i + 3)}`);
            }
        }
        return differing;
    }, {png, boxes, id});
}

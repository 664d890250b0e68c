// The page's figures in headless chromium, from a server on this machine: the site's size, the time
// from navigation to the first drawn frame (median of LOADS fresh loads, of the main window and of
// the explorer), and one frame drawn by the core in WebAssembly (median of 1,000 frames: the main
// window's steps 0 to 72 in turn; the explorer's and the windings view's at 1024x768, every preset
// at every step).
//
//   node web/bench/page_timing.mjs [LOADS]        (after scripts/build-web.sh; LOADS default 20)
import {readdirSync, statSync} from 'node:fs';
import {join} from 'node:path';

import {serveSite} from '../serve_site.mjs';
import {siteDir, startBrowser} from '../tests/browser.mjs';

const loads = Number(process.argv[2] ?? 20);
const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
};
const ms = (value) => `${value.toFixed(3)} ms`;

const files = readdirSync(siteDir).map((name) => [name, statSync(join(siteDir, name)).size]);
const total = files.reduce((sum, [, size]) => sum + size, 0);
console.log(
    `site: ${total} bytes (${(total / 1024).toFixed(1)} KiB) in ${files.length} files: ` +
    files.map(([name, size]) => `${name} ${size}`).join(', '));

const session = await startBrowser();
// Cross-origin isolated, so that performance.now() counts in microseconds rather than tenths of ms.
const isolated = await serveSite(siteDir, 0, {
    'cross-origin-opener-policy': 'same-origin',
    'cross-origin-embedder-policy': 'require-corp',
});
try {
    for (const address of ['', '#view=explorer']) {
        const firstFrame = [];
        const loaded =
            [];  // the part of it up to DOMContentLoaded: the page's files, parsed and run
        for (let i = 0; i < loads + 1; ++i) {
            const ctx = await session.browser.newContext();
            const page = await ctx.newPage();
            await page.goto(`${session.origin}/index.html${address}`);
            await page.waitForFunction(
                () => performance.getEntriesByName('vesk-first-frame').length > 0);
            const times = await page.evaluate(
                () =>
                    [performance.getEntriesByName('vesk-first-frame')[0].startTime,
                     performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd,
            ]);
            // The first load warms the server and the disk cache.
            if (i > 0) {
                firstFrame.push(times[0]);
                loaded.push(times[1]);
            }
            await ctx.close();
        }
        console.log(
            `navigation to first drawn frame${address && ` at ${address}`}: ` +
            `median ${ms(median(firstFrame))} of ${loads} loads ` +
            `(min ${ms(Math.min(...firstFrame))}, max ${ms(Math.max(...firstFrame))}; ` +
            `DOMContentLoaded at ${ms(median(loaded))})`);
    }

    const ctx = await session.browser.newContext();
    const page = await ctx.newPage();
    await page.goto(`${isolated.origin}/index.html`);
    const frames = await page.evaluate(async () => {
        const texts = [];
        const core = await VeskModule({onText: (...args) => texts.push(args)});
        const time = (draw) => {
            const times = [];
            for (let i = 0; i < 1000; ++i) {
                texts.length = 0;
                const start = performance.now();
                draw(i);
                times.push(performance.now() - start);
            }
            return times;
        };
        const views = JSON.parse(core.UTF8ToString(core._ViewTable())).views;
        const [main, explorer, winding] =
            ['main', 'explorer', 'winding'].map((name) => views.findIndex((v) => v.name === name));
        const mainTimes = time((i) => {
            core._ViewSeek(main, i % 73);
            core._DrawViewFrame(main, 0, 0, 1);
        });
        const explorerTimes = time((i) => {
            core._ExplorerChoosePreset(Math.floor(i / 36) % 6);
            core._ViewSeek(explorer, i % 36);
            core._DrawViewFrame(explorer, 1024, 768, 1);
        });
        // With flux lines, every preset at every step; each winding's field is kept after its first.
        const windingTimes = time((i) => {
            core._WindingChoosePreset(Math.floor(i / 36) % 4);
            core._ViewSeek(winding, i % 36);
            core._DrawViewFrame(winding, 1024, 768, 1);
        });
        return {
            main: mainTimes,
            explorer: explorerTimes,
            winding: windingTimes,
            isolated: crossOriginIsolated
        };
    });
    for (const view of ['main', 'explorer', 'winding'])
        console.log(
            `one ${view} frame in WebAssembly: median ${ms(median(frames[view]))} of 1000 ` +
            `(min ${ms(Math.min(...frames[view]))}, max ${ms(Math.max(...frames[view]))}; ` +
            `cross-origin isolated: ${frames.isolated})`);
    await ctx.close();
} finally {
    await isolated.close();
    await session.close();
}

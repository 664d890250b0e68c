// The motor's figures in headless chromium: one frame at 1024x768 drawn by the core in WebAssembly
// (median of 600: every preset in the steady state at 1440 rpm, every step), and one frame 3 s into
// a start-up that has to be simulated first (median of 100: the initial speed alternates, so no
// run is reused).
//
//   node web/bench/motor_timing.mjs        (after scripts/build-web.sh)
import {serveSite} from '../serve_site.mjs';
import {siteDir, startBrowser} from '../tests/browser.mjs';

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const session = await startBrowser();
// Cross-origin isolated, so that performance.now() counts in microseconds.
const isolated = await serveSite(siteDir, 0, {
    'cross-origin-opener-policy': 'same-origin',
    'cross-origin-embedder-policy': 'require-corp',
});
try {
    const ctx = await session.browser.newContext();
    const page = await ctx.newPage();
    await page.goto(`${isolated.origin}/index.html`);
    const frames = await page.evaluate(async () => {
        const core = await VeskModule({onText: () => {}});
        const time = (count, draw) => {
            const times = [];
            for (let i = 0; i < count; ++i) {
                const start = performance.now();
                draw(i);
                times.push(performance.now() - start);
            }
            return times;
        };
        const steady = time(600, (i) => {
            core._MotorChoosePreset(Math.floor(i / 36) % 6);
            core._MotorShow(1, 1440, 0, 0, i % 36);
            core._DrawMotorPageFrame(1024, 768, 1);
        });
        core._MotorChoosePreset(0);
        const startUp = time(100, (i) => {
            core._MotorShow(0, 0, 3, i % 2, 0);
            core._DrawMotorPageFrame(1024, 768, 1);
        });
        return {steady, startUp, isolated: crossOriginIsolated};
    });
    for (const [name, values] of [
             ['steady frame', frames.steady], ['start-up of 3 s and its frame', frames.startUp]])
        console.log(
            `motor, ${name} in WebAssembly: median ${median(values).toFixed(3)} ms of ` +
            `${values.length} (min ${Math.min(...values).toFixed(3)}, max ` +
            `${Math.max(...values).toFixed(3)}; cross-origin isolated: ${frames.isolated})`);
    await ctx.close();
} finally {
    await isolated.close();
    await session.close();
}

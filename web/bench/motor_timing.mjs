// The motor's figures in headless chromium: one frame at 1024x768 drawn by the core in WebAssembly
// (median of 600: every preset in the steady state at 1440 rpm, every step), and one frame 3 s into
// a start-up that has to be simulated first (median of 100: the initial speed alternates, so no
// run is reused); the circuit page's frame (median of 360, every step at 1440 rpm and 25 Hz or
// 50 Hz), and 0.3 s of the dynamic start-up with its frame (median of 20, alternating likewise).
// Each state is set as an address sets it, which the time includes.
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
        const motor = JSON.parse(core.UTF8ToString(core._ViewTable()))
                          .views.findIndex((v) => v.name === 'motor');
        // The state as an address sets it, its keys and values handed to the core one by one.
        const show = (pairs) => {
            for (const [key, value] of pairs) {
                const texts = [key, value].map((text) => {
                    const size = core.lengthBytesUTF8(text) + 1;
                    const pointer = core._malloc(size);
                    core.stringToUTF8(text, pointer, size);
                    return [pointer, size - 1];
                });
                core._AddressGive(...texts.flat());
                for (const [pointer] of texts) core._free(pointer);
            }
            core._ViewFromAddress(motor);
        };
        const kPresets =
            ['balanced', 'reversed', 'open-u', 'open-u-neutral', 'single-phase', 'unbalanced'];
        const steady = time(600, (i) => {
            show([
                ['preset', kPresets[Math.floor(i / 36) % 6]], ['speed', '1440'],
                ['step', String(i % 36)]
            ]);
            core._DrawViewFrame(motor, 1024, 768, 1);
        });
        const startUp = time(100, (i) => {
            show([['time', '3'], ['initial-speed', String(i % 2)]]);
            core._DrawViewFrame(motor, 1024, 768, 1);
        });
        const circuit = time(360, (i) => {
            show([
                ['page', 'circuit'], ['speed', '1440'], ['frequency', i % 2 ? '25' : '50'],
                ['step', String(i % 36)]
            ]);
            core._DrawViewFrame(motor, 1024, 768, 1);
        });
        const dynamic = time(20, (i) => {
            show([['time', '0.3'], ['dynamic', '1'], ['initial-speed', String(i % 2)]]);
            core._DrawViewFrame(motor, 1024, 768, 1);
        });
        return {steady, startUp, circuit, dynamic, isolated: crossOriginIsolated};
    });
    for (const [name, values] of [
             ['steady frame', frames.steady], ['start-up of 3 s and its frame', frames.startUp],
             ['circuit page frame', frames.circuit],
             ['dynamic start-up of 0.3 s and its frame', frames.dynamic]])
        console.log(
            `motor, ${name} in WebAssembly: median ${median(values).toFixed(3)} ms of ` +
            `${values.length} (min ${Math.min(...values).toFixed(3)}, max ` +
            `${Math.max(...values).toFixed(3)}; cross-origin isolated: ${frames.isolated})`);
    await ctx.close();
} finally {
    await isolated.close();
    await session.close();
}

// The motor on the page: the controls set the core's MotorSession (in WebAssembly, wasm_motor.cpp)
// as the window's do, and every change has the frame drawn at once. The page runs two timers
// while it plays, as the window does: the start-up's clock in real time (or ten times slower) and
// the drawing's steps at the explorer's pace. Space plays and pauses. The address may hold a state
// to show, as vesk-render draws it:
// #view=motor&preset=single-phase&load=5&time=1.5&initial-speed=150 or &speed=1440, with &inertia=
// and &step=.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    const qsTranslate = (context, source) => vesk.translate(context, source);
    const kPhases = ['U', 'V', 'W'];
    // The clock's period, and the most a late tick may move it on.
    const kClockInterval = 40;
    const kLongestTick = 0.25;

    // A number of the address within its range, or null.
    const number = (params, key, low, high) => {
        const text = params.get(key);
        if (text === null || !/^-?[0-9]+(\.[0-9]+)?$/.test(text)) return null;
        const value = Number(text);
        return value >= low && value <= high ? value : null;
    };

    vesk.MotorView = class {
        constructor(form) {
            const {root, controls, texts} = vesk.buildLaidOut(form, 'motor-');
            this.root = root;
            this.c = controls;
            this.texts = texts;
            this.title = () => vesk.plain(vesk.translate(form.context, form.title));
            this.description = vesk.describe(this.c.canvas);
            this.core = null;
            this.stepTimer = null;
            this.clock = null;
            this.lastTick = 0;

            const c = this.c;
            c.preset.addEventListener('change', () => {
                if (!this.core || Number(c.preset.value) >= c.preset.options.length - 1) return;
                this.core._MotorChoosePreset(Number(c.preset.value));
                this.showSupply();
                this.draw();
            });
            for (const x of kPhases)
                for (const box of [c[`amplitude${x}`], c[`offset${x}`]])
                    box.addEventListener('change', () => this.readSupply());
            for (const name of ['sequence', 'openPhase', 'neutral', 'singlePhase'])
                c[name].addEventListener('change', () => this.readSupply());
            const setter = (name, call) => c[name].addEventListener('change', () => {
                const value = c[name].valueAsNumber;
                if (this.core && Number.isFinite(value)) this.core[call](value);
                this.showSupply();
                this.draw();
            });
            setter('load', '_MotorSetLoad');
            setter('inertia', '_MotorSetInertia');
            const run = (name, action) => c[name].addEventListener('click', () => this.act(action));
            run('start', (core) => core._MotorStart());
            run('pushForward', (core) => core._MotorPush(1));
            run('pushBackward', (core) => core._MotorPush(-1));
            run('playPause', (core) => core._MotorPlayPause());
            document.addEventListener('keydown', (e) => this.key(e));
            new ResizeObserver(() => this.draw()).observe(c.canvas.parentElement);
        }

        attach(core) {
            this.core = core;
            this.showSupply();
        }

        state() {
            return JSON.parse(this.core.UTF8ToString(this.core._MotorState()));
        }

        show(address) {
            const core = this.core;
            core._MotorPause();
            const params = address.params;
            if (address.preset !== null) {
                const index =
                    vesk.callWithStrings(core, 'ExplorerFindPreset', [address.preset]) ?? -1;
                if (index >= 0) core._MotorChoosePreset(index);
            }
            const load = number(params, 'load', 0, 40);
            if (load !== null) core._MotorSetLoad(load);
            const inertia = number(params, 'inertia', 0.015, 10);
            if (inertia !== null) core._MotorSetInertia(inertia);
            const speed = number(params, 'speed', -3000, 3000);
            const time = number(params, 'time', 0, 10) ?? 0;
            const initial = number(params, 'initial-speed', -3000, 3000) ?? 0;
            const step = address.step !== null && address.step <= 35 ? address.step : 0;
            core._MotorShow(speed !== null ? 1 : 0, speed ?? 0, time, initial, step);
            this.showSupply();
            this.showPlaying();
        }

        hide() {
            if (!this.core) return;
            this.core._MotorPause();
            this.killTimers();
            this.showPlaying();
        }

        retranslate() {
            this.texts.retranslate();
            if (this.core) this.showPlaying();
        }

        readSupply() {
            if (!this.core) return;
            const c = this.c;
            const s = this.state();
            const value = (box, before) =>
                (Number.isFinite(box.valueAsNumber) ? box.valueAsNumber : before);
            this.core._MotorSetSupply(
                value(c.amplitudeU, s.amplitude[0]), value(c.amplitudeV, s.amplitude[1]),
                value(c.amplitudeW, s.amplitude[2]), value(c.offsetU, s.offset[0]),
                value(c.offsetV, s.offset[1]), value(c.offsetW, s.offset[2]),
                Number(c.sequence.value), Number(c.openPhase.value) - 1, c.neutral.checked ? 1 : 0,
                c.singlePhase.checked ? 1 : 0);
            this.showSupply();
            this.draw();
        }

        showSupply() {
            const s = this.state();
            const c = this.c;
            const put = (box, value) => (box.value = value.toFixed(Number(box.dataset.decimals)));
            kPhases.forEach((x, i) => {
                put(c[`amplitude${x}`], s.amplitude[i]);
                put(c[`offset${x}`], s.offset[i]);
            });
            c.sequence.value = s.negative ? '1' : '0';
            c.singlePhase.checked = s.singlePhase;
            if (!s.singlePhase) c.openPhase.value = String(s.openPhase + 1);
            c.neutral.checked = s.neutral;
            c.preset.value = String(s.preset);
            for (const name
                     of ['amplitudeV', 'amplitudeW', 'offsetV', 'offsetW', 'sequence', 'openPhase',
                         'neutral'])
                c[name].disabled = s.singlePhase;
            put(c.load, s.load);
            put(c.inertia, s.inertia);
        }

        act(action) {
            if (!this.core) return;
            action(this.core);
            this.showPlaying();
        }

        // The play button and the timers from the session; then the frame.
        showPlaying() {
            const s = this.state();
            this.c.playPause.textContent = vesk.plain(
                s.playing ? qsTranslate('MotorWindow', '暂停(&P)') :
                            qsTranslate('MotorWindow', '播放(&P)'));
            if (!s.playing) {
                this.killTimers();
            } else if (this.clock === null) {
                this.lastTick = performance.now();
                this.clock = setInterval(() => this.tickClock(), kClockInterval);
                this.stepTimer = setInterval(() => {
                    this.core._MotorTick();
                    this.draw();
                }, s.interval);
            }
            this.draw();
        }

        tickClock() {
            const now = performance.now();
            const seconds = Math.min((now - this.lastTick) / 1000, kLongestTick);
            this.lastTick = now;
            this.core._MotorAdvance(seconds, this.c.slow.checked ? 1 : 0);
            this.draw();
        }

        killTimers() {
            clearInterval(this.clock);
            clearInterval(this.stepTimer);
            this.clock = null;
            this.stepTimer = null;
        }

        key(e) {
            if (this.root.hidden || !this.core || e.defaultPrevented || e.altKey || e.ctrlKey ||
                e.metaKey || e.key !== ' ')
                return;
            const target = e.target;
            if (target !== document.body && !this.root.contains(target)) return;
            if (target.matches('input[type="number"], input[type="checkbox"], button')) return;
            e.preventDefault();
            this.act((core) => core._MotorPlayPause());
        }

        draw() {
            if (!this.core || this.root.hidden) return;
            const canvas = this.c.canvas;
            const box = canvas.parentElement.getBoundingClientRect();
            const width = Math.floor(box.width);
            const height = Math.floor(box.height);
            if (width <= 0 || height <= 0) return;
            canvas.style.width = `${width}px`;
            canvas.style.height = `${height}px`;
            vesk.startFrame();
            const complete =
                this.core._DrawMotorPageFrame(width, height, window.devicePixelRatio || 1);
            vesk.putFrame(this.core, canvas, complete === 1);
            this.readouts = JSON.parse(this.core.UTF8ToString(this.core._MotorFrameReadouts()));
            // Heard when a state is chosen, not with every frame of a run.
            this.description.setAttribute('aria-live', this.clock === null ? 'polite' : 'off');
            this.description.textContent = this.readouts.description;
        }
    };
})();

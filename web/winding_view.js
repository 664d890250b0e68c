// The windings view on the page: the controls set the core's winding and move the core's stepper
// (both live in WebAssembly, wasm_winding.cpp); the rules for which slots and pitches a winding
// may have are the core's, and every change has the frame drawn at once. The page only runs the
// timer while the stepper plays. Space plays and pauses and the arrow keys step, except while
// typing in a number box.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    const qsTranslate = (context, source) => vesk.translate(context, source);

    // WindingStep's actions, in the order of wasm_winding.cpp.
    const kPlayPause = 0;
    const kPause = 1;
    const kTick = 2;
    const kNext = 3;
    const kPrevious = 4;
    const kReset = 5;

    // A whole number in the address, or -1 for none.
    const whole = (params, key) => {
        const v = params?.get(key);
        return v !== null && v !== undefined && /^[0-9]{1,3}$/.test(v) ? Number(v) : -1;
    };

    vesk.WindingView = class {
        constructor(form) {
            const {root, controls, texts} = vesk.buildLaidOut(form, 'winding-');
            this.root = root;
            this.c = controls;
            this.texts = texts;
            this.title = () => vesk.plain(vesk.translate(form.context, form.title));
            this.description = vesk.describe(this.c.canvas);
            this.core = null;
            this.timer = null;
            this.readouts = null;

            const c = this.c;
            c.preset.addEventListener('change', () => this.choosePreset(Number(c.preset.value)));
            for (const name of ['poles', 'slotCount', 'layers', 'pitch'])
                c[name].addEventListener('change', () => this.readWinding());
            for (const name of ['sequence', 'fluxLines'])
                c[name].addEventListener('change', () => this.readSupply());
            c.frequency.addEventListener('input', () => this.readSupply());
            c.frequency.addEventListener('change', () => this.readSupply());
            const act = (name, action) => c[name].addEventListener('click', () => this.act(action));
            act('playPause', kPlayPause);
            act('previous', kPrevious);
            act('next', kNext);
            act('reset', kReset);
            c.angle.addEventListener('input', () => {
                if (!this.core || Number(c.angle.value) === this.state().step) return;
                this.core._WindingSeek(Number(c.angle.value));
                this.showStep();
            });
            c.speed.addEventListener('change', () => {
                const ms = c.speed.valueAsNumber;
                if (this.core && Number.isFinite(ms)) this.core._WindingSetInterval(Math.round(ms));
                if (this.core) this.showWinding();
                if (this.timer !== null) {
                    this.killTimer();
                    this.showStep();
                }
            });
            document.addEventListener('keydown', (e) => this.key(e));
            new ResizeObserver(() => {
                const box = c.canvas.parentElement.getBoundingClientRect();
                if (Math.floor(box.width) !== c.canvas.clientWidth ||
                    Math.floor(box.height) !== c.canvas.clientHeight)
                    this.draw();
            }).observe(c.canvas.parentElement);
        }

        attach(core) {
            this.core = core;
            this.showWinding();
        }

        state() {
            return JSON.parse(this.core.UTF8ToString(this.core._WindingState()));
        }

        // The address's winding and supply, #view=winding&poles=4&slots=36&layers=2&pitch=7&step=3,
        // with preset=, frequency=, sequence=negative and flux=0 besides.
        show(address) {
            const core = this.core;
            const params = address.params;
            core._WindingStep(kPause);
            const preset = address.preset === null ?
                -1 :
                vesk.callWithStrings(core, 'WindingFindPreset', [address.preset]) ?? -1;
            core._WindingFromAddress(
                preset, whole(params, 'poles'), whole(params, 'slots'), whole(params, 'layers'),
                whole(params, 'pitch'));
            const frequency = Number(params?.get('frequency') ?? 50);
            core._WindingSetSupply(
                params?.get('sequence') === 'negative' ? 1 : 0,
                Number.isFinite(frequency) ? frequency : 50, params?.get('flux') === '0' ? 0 : 1);
            const step = address.step;
            core._WindingSeek(step !== null && step <= this.state().lastStep ? step : 0);
            this.showWinding();
            this.showStep();
        }

        hide() {
            if (!this.core) return;
            this.core._WindingStep(kPause);
            this.killTimer();
            this.showPlaying(false);
        }

        retranslate() {
            this.texts.retranslate();
            if (this.core) this.showPlaying(this.state().playing);
        }

        choosePreset(index) {
            if (!this.core || index >= this.c.preset.options.length - 1) return;
            this.core._WindingChoosePreset(index);
            this.showWinding();
            this.draw();
        }

        readWinding() {
            if (!this.core) return;
            const c = this.c;
            this.core._WindingSetWinding(
                2 * (Number(c.poles.value) + 1), Number(c.slotCount.value),
                Number(c.layers.value) + 1, Number(c.pitch.value));
            this.showWinding();
            this.draw();
        }

        readSupply() {
            if (!this.core) return;
            const c = this.c;
            const f = c.frequency.valueAsNumber;
            if (!Number.isFinite(f)) return;
            this.core._WindingSetSupply(Number(c.sequence.value), f, c.fluxLines.checked ? 1 : 0);
            this.draw();
        }

        // The controls from the core's winding: only the slot counts and pitches it may have.
        showWinding() {
            const s = this.state();
            const c = this.c;
            const fill = (select, entries, chosen) => {
                select.replaceChildren(...entries.map(
                    ([value, text]) => Object.assign(
                        document.createElement('option'),
                        {value: String(value), textContent: text})));
                select.value = String(chosen);
            };
            c.poles.value = String(s.poles / 2 - 1);
            fill(
                c.slotCount, [1, 2, 3, 4].map((q) => [3 * s.poles * q, String(3 * s.poles * q)]),
                s.slots);
            c.layers.value = String(s.layers - 1);
            const first = s.layers === 1 ? s.tau : 1;
            fill(
                c.pitch,
                Array.from(
                    {length: s.tau - first + 1}, (_, i) => [first + i, `${first + i}/${s.tau}`]),
                s.pitch);
            c.pitch.disabled = s.layers === 1;
            c.sequence.value = s.negative ? '1' : '0';
            if (c.frequency !== document.activeElement) c.frequency.value = String(s.frequency);
            c.fluxLines.checked = s.fluxLines;
            c.preset.value = String(s.preset);
            if (c.speed !== document.activeElement) c.speed.value = String(s.interval);
        }

        act(action) {
            if (!this.core) return;
            this.core._WindingStep(action);
            this.showStep();
        }

        showPlaying(playing) {
            this.c.playPause.textContent = vesk.plain(
                playing ? qsTranslate('WindingsWindow', '暂停(&P)') :
                          qsTranslate('WindingsWindow', '播放(&P)'));
        }

        showStep() {
            const s = this.state();
            this.showPlaying(s.playing);
            if (!s.playing)
                this.killTimer();
            else if (this.timer === null)
                this.timer = setInterval(() => this.act(kTick), s.interval);
            this.c.angle.value = String(s.step);
            this.draw();
        }

        killTimer() {
            clearInterval(this.timer);
            this.timer = null;
        }

        key(e) {
            if (this.root.hidden || !this.core || e.defaultPrevented || e.altKey || e.ctrlKey ||
                e.metaKey)
                return;
            const target = e.target;
            if (target !== document.body && !this.root.contains(target)) return;
            if (target.matches('input[type="number"]')) return;
            if (e.key === ' ' && target.matches('input[type="checkbox"]')) return;
            const action = {' ': kPlayPause, ArrowLeft: kPrevious, ArrowRight: kNext}[e.key];
            if (action === undefined) return;
            e.preventDefault();
            this.act(action);
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
                this.core._DrawWindingPageFrame(width, height, window.devicePixelRatio || 1);
            vesk.putFrame(this.core, canvas, complete === 1);
            this.readouts = JSON.parse(this.core.UTF8ToString(this.core._WindingFrameReadouts()));
            // Heard when the step is chosen, not with every frame of the animation.
            this.description.setAttribute('aria-live', this.timer === null ? 'polite' : 'off');
            this.description.textContent = this.readouts.description;
        }
    };
})();

// The explorer on the page: the controls set the core's supply and move the core's stepper (both
// live in WebAssembly, wasm_explorer.cpp), and every change has the frame drawn at once at the
// canvas's size and pixel ratio. The page only runs the timer while the stepper plays. Space plays
// and pauses and the arrow keys step, except while typing in a number box (and Space on a check
// box ticks it).
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    const qsTranslate = (context, source) => vesk.translate(context, source);
    // Marks a text for the catalogue that is looked up later.
    const QT_TRANSLATE_NOOP = (context, source) => source;

    // ExplorerStep's actions, in the order of wasm_explorer.cpp.
    const kPlayPause = 0;
    const kPause = 1;
    const kTick = 2;
    const kNext = 3;
    const kPrevious = 4;
    const kReset = 5;

    const kPhases = ['U', 'V', 'W'];

    vesk.ExplorerView = class {
        constructor(form) {
            const {root, controls, texts} = vesk.buildLaidOut(form, 'explorer-');
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
            for (const x of kPhases) {
                // What is typed counts on Enter or when the box is left, never half-typed.
                for (const box of [c[`amplitude${x}`], c[`offset${x}`]])
                    box.addEventListener('change', () => this.readSupply());
            }
            for (const name of ['sequence', 'openPhase', 'neutral', 'singlePhase'])
                c[name].addEventListener('change', () => this.readSupply());
            c.componentsApart.addEventListener('change', () => {
                if (!this.core) return;
                this.core._ExplorerSetApart(c.componentsApart.checked ? 1 : 0);
                this.draw();
            });
            // The derivation waits until it is asked for, as in the window.
            c.derivationGroup.hidden = true;
            c.showDerivation.addEventListener('change', () => {
                c.derivationGroup.hidden = !c.showDerivation.checked;
            });
            c.panelToggle.addEventListener('click', () => this.togglePanel());
            const act = (name, action) => c[name].addEventListener('click', () => this.act(action));
            act('playPause', kPlayPause);
            act('previous', kPrevious);
            act('next', kNext);
            act('reset', kReset);
            c.angle.addEventListener('input', () => {
                if (!this.core || Number(c.angle.value) === this.state().step) return;
                this.core._ExplorerSeek(Number(c.angle.value));
                this.showStep();
            });
            c.speed.addEventListener('change', () => this.setSpeed());
            document.addEventListener('keydown', (e) => this.key(e));
            // A new size of the page is a new size of the picture.
            new ResizeObserver(() => {
                const box = c.canvas.parentElement.getBoundingClientRect();
                if (Math.floor(box.width) !== c.canvas.clientWidth ||
                    Math.floor(box.height) !== c.canvas.clientHeight)
                    this.draw();
            }).observe(c.canvas.parentElement);
        }

        attach(core) {
            this.core = core;
            this.showSupply();
        }

        state() {
            return JSON.parse(this.core.UTF8ToString(this.core._ExplorerState()));
        }

        // The panel folded away, the picture across the page; or back again.
        togglePanel() {
            const panel = this.c.panelScroll;
            panel.hidden = !panel.hidden;
            this.c.panelToggle.textContent = panel.hidden ? '«' : '»';
            this.draw();
        }

        // The address's preset, if it names one, its connection, and its step (0 if it names
        // none).
        show(address) {
            const core = this.core;
            core._ExplorerStep(kPause);
            if (address.preset !== null)
                core._ExplorerChoosePreset(
                    vesk.callWithStrings(core, 'ExplorerFindPreset', [address.preset]) ?? -1);
            const connection = ['star', 'star-neutral'].indexOf(address.connection);
            if (connection >= 0) {
                const s = this.state();
                core._ExplorerSetSupply(
                    ...s.amplitude, ...s.offset, s.negative ? 1 : 0, s.openPhase, connection,
                    s.singlePhase ? 1 : 0);
            }
            const step = address.step;
            core._ExplorerSeek(step !== null && step <= this.state().lastStep ? step : 0);
            this.showSupply();
            this.showStep();
        }

        // A view out of sight does not animate; it shows the same step when it comes back.
        hide() {
            if (!this.core) return;
            this.core._ExplorerStep(kPause);
            this.killTimer();
            this.showPlaying(false);
        }

        // The words in the class's language; the frame follows when it is drawn next.
        retranslate() {
            this.texts.retranslate();
            if (this.core) this.showPlaying(this.state().playing);
        }

        choosePreset(index) {
            // 自定义, the last entry, is no supply of its own.
            if (!this.core || index >= this.c.preset.options.length - 1) return;
            this.core._ExplorerChoosePreset(index);
            this.showSupply();
            this.draw();
        }

        // The supply from the controls, after one of them changed. A number box's value is what
        // was typed, clamped to its range by the core; a box left empty or unreadable goes back to
        // what it showed before.
        readSupply() {
            if (!this.core) return;
            const c = this.c;
            const boxes = kPhases.flatMap((x) => [c[`amplitude${x}`], c[`offset${x}`]]);
            const s = this.state();
            const before = [0, 1, 2].flatMap((i) => [s.amplitude[i], s.offset[i]]);
            const [aU, oU, aV, oV, aW, oW] = boxes.map(
                (box, i) => (Number.isFinite(box.valueAsNumber) ? box.valueAsNumber : before[i]));
            this.core._ExplorerSetSupply(
                aU, aV, aW, oU, oV, oW, Number(c.sequence.value), Number(c.openPhase.value) - 1,
                c.neutral.checked ? 1 : 0, c.singlePhase.checked ? 1 : 0);
            this.showSupply();
            this.draw();
        }

        // The controls from the supply. A box keeps the figures typed into it while they mean the
        // value it holds (0.123456 stays so); otherwise it shows the value to its decimals.
        showSupply() {
            const s = this.state();
            const c = this.c;
            const put = (box, value) => {
                if (box.value === '' || box.valueAsNumber !== value)
                    box.value = value.toFixed(Number(box.dataset.decimals));
            };
            kPhases.forEach((x, i) => {
                put(c[`amplitude${x}`], s.amplitude[i]);
                put(c[`offset${x}`], s.offset[i]);
            });
            c.sequence.value = s.negative ? '1' : '0';
            c.singlePhase.checked = s.singlePhase;
            if (!s.singlePhase) c.openPhase.value = String(s.openPhase + 1);
            c.neutral.checked = s.neutral;
            c.preset.value = String(s.preset);
            // What a single phase or a closed star leaves out cannot be set.
            for (const name
                     of ['amplitudeV', 'amplitudeW', 'offsetV', 'offsetW', 'sequence', 'openPhase'])
                c[name].disabled = s.singlePhase;
            c.neutral.disabled = s.singlePhase;
            put(c.speed, s.interval);
        }

        act(action) {
            if (!this.core) return;
            this.core._ExplorerStep(action);
            this.showStep();
        }

        // The interval typed, in whole milliseconds; anything past the slowest is the slowest
        // (and the core clamps it again, in a double, so that no figure wraps through 32 bits).
        setSpeed() {
            if (!this.core) return;
            const box = this.c.speed;
            const ms = box.valueAsNumber;
            if (Number.isFinite(ms))
                this.core._ExplorerSetInterval(
                    Math.round(Math.min(Math.max(ms, Number(box.min)), Number(box.max))));
            this.showSupply();
            // A new interval starts the timer afresh, as QTimer's does.
            if (this.timer !== null) {
                this.killTimer();
                this.showStep();
            }
        }

        showPlaying(playing) {
            this.c.playPause.textContent = vesk.plain(
                playing ? qsTranslate('ExplorerWindow', '暂停(&P)') :
                          qsTranslate('ExplorerWindow', '播放(&P)'));
        }

        // The timer, the play button and the slider from the stepper; then the frame.
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
            // Without the window's Alt-letter keys, Space is the only key that ticks a box.
            if (e.key === ' ' && target.matches('input[type="checkbox"]')) return;
            if (e.key === 'F9') {
                e.preventDefault();
                this.togglePanel();
                return;
            }
            const action = {' ': kPlayPause, ArrowLeft: kPrevious, ArrowRight: kNext}[e.key];
            if (action === undefined) return;
            e.preventDefault();
            this.act(action);
        }

        // The frame of the step shown, at the size the page gives the canvas.
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
            const fit = vesk.fitCanvas(width, height, window.devicePixelRatio || 1);
            const complete = this.core._DrawExplorerPageFrame(fit.width, fit.height, fit.ratio);
            vesk.putFrame(this.core, canvas, complete === 1);
            this.readouts = JSON.parse(this.core.UTF8ToString(this.core._ExplorerFrameReadouts()));
            this.describe();
        }

        describe() {
            // Heard when the step is chosen, not with every frame of the animation.
            this.description.setAttribute('aria-live', this.timer === null ? 'polite' : 'off');
            this.description.textContent = this.readouts.description;
        }
    };
})();

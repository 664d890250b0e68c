// The main window on the page: its buttons, check box and animation timer. The step rules are the
// core's (MainStepper, in WebAssembly); the page only runs the timer while the core says the
// animation runs. Each frame's readouts go to their boxes and its description to the live region.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});

    // The main window's controls by object name, and the ids by which links and tests find them.
    const kIds = {
        canvas: 'canvas',
        start: 'start',
        stop: 'stop',
        next: 'next',
        prev: 'prev',
        reset: 'reset',
        showResultant: 'show-resultant',
        phaseAngle: 'angle',
        ampU: 'amp-u',
        ampV: 'amp-v',
        ampW: 'amp-w',
    };

    const kTickMs = 200;  // the window's ANIM_TIMER_PERIOD
    // The core's step commands (web/wasm_frame.cpp).
    const [kStart, kStop, kTick, kNext, kPrevious, kReset] = [0, 1, 2, 3, 4, 5];

    vesk.MainView = class {
        constructor(form) {
            const {root, controls, texts} = vesk.buildPlaced(form, kIds);
            this.root = root;
            this.c = controls;
            this.texts = texts;
            this.title = () => vesk.plain(vesk.translate(form.context, form.title));
            this.description = vesk.describe(this.c.canvas);
            this.core = null;
            this.timer = null;
            this.c.showResultant.checked = true;
            const on = (name, event, handler) =>
                this.c[name].addEventListener(event, handler.bind(this));
            on('start', 'click', this.start);
            on('stop', 'click', this.stop);
            on('next', 'click', this.next);
            on('prev', 'click', this.prev);
            on('reset', 'click', this.reset);
            on('showResultant', 'change', this.draw);
        }

        attach(core) {
            this.core = core;
        }

        show(address) {
            this.killTimer();
            this.core._MainShow(address.step ?? 0);
            this.c.showResultant.checked = address.resultant;
            this.draw();
        }

        hide() {
            this.killTimer();
        }

        // The words in the class's language; the frame follows when it is drawn next.
        retranslate() {
            this.texts.retranslate();
        }

        get step() {
            return this.core ? this.core._MainStepShown() : 0;
        }

        draw() {
            if (!this.core || this.root.hidden) return;
            const core = this.core;
            vesk.startFrame();
            const complete = core._DrawPageFrame(
                this.c.showResultant.checked ? 1 : 0, window.devicePixelRatio || 1);
            const r = [0, 1, 2, 3].map((i) => core.UTF8ToString(core._FrameReadout(i)));
            vesk.putFrame(core, this.c.canvas, complete === 1);
            [this.c.phaseAngle.value, this.c.ampU.value, this.c.ampV.value, this.c.ampW.value] = r;
            // Heard when the step is chosen; while the animation runs it would talk five times a second.
            this.description.setAttribute('aria-live', this.timer === null ? 'polite' : 'off');
            this.description.textContent = core.UTF8ToString(core._FrameDescription());
        }

        killTimer() {
            clearInterval(this.timer);
            this.timer = null;
        }

        // One of the core's step commands; the timer follows whether the animation runs, and Start
        // begins a whole period after its click.
        act(action) {
            this.core._MainStep(action);
            if (this.core._MainRunning() !== 1) {
                this.killTimer();
            } else if (action === kStart || this.timer === null) {
                this.killTimer();
                this.timer = setInterval(() => this.act(kTick), kTickMs);
            }
            if (action !== kStop) this.draw();
        }

        start() {
            this.act(kStart);
        }

        stop() {
            this.act(kStop);
        }

        next() {
            this.act(kNext);
        }

        prev() {
            this.act(kPrevious);
        }

        reset() {
            this.act(kReset);
        }
    };
})();

// The main window on the page: its step controller. The buttons, the check box and the animation
// timer move the step and have its frame drawn at once; the timer is the only record of whether the
// animation runs. Each frame's readouts go to their boxes and its description to the live region.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    const qsTranslate = (context, source) => vesk.translate(context, source);

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

    vesk.MainView = class {
        constructor(form) {
            const {root, controls, texts} = vesk.buildPlaced(form, kIds);
            this.root = root;
            this.c = controls;
            this.texts = texts;
            this.title = () => vesk.plain(vesk.translate(form.context, form.title));
            this.description = vesk.describe(this.c.canvas);
            this.core = null;
            this.step = 0;
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
            this.maxStep = core._PageMaxStep();
        }

        show(address) {
            this.killTimer();
            this.step = address.step !== null && address.step <= this.maxStep ? address.step : 0;
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

        draw() {
            if (!this.core || this.root.hidden) return;
            const core = this.core;
            vesk.startFrame();
            const complete = core._DrawPageFrame(
                this.step, this.c.showResultant.checked ? 1 : 0, window.devicePixelRatio || 1);
            const r = [0, 1, 2, 3].map((i) => core.UTF8ToString(core._FrameReadout(i)));
            vesk.putFrame(core, this.c.canvas, complete === 1);
            [this.c.phaseAngle.value, this.c.ampU.value, this.c.ampV.value, this.c.ampW.value] = r;
            // Heard when the step is chosen; while the animation runs it would talk five times a second.
            this.description.setAttribute('aria-live', this.timer === null ? 'polite' : 'off');
            this.description.textContent = vesk.format(
                qsTranslate(
                    'CFieldDemoDialog',
                    '第 %1 步，ωt = %2°。U 相 %3，V 相 %4，W 相 %5。合成磁动势指向 %6°（从 U 相轴线逆时针量起）。'),
                this.step, 10 * this.step, r[1], r[2], r[3], core._FrameDirection());
        }

        killTimer() {
            clearInterval(this.timer);
            this.timer = null;
        }

        start() {
            this.step = 0;
            this.draw();
            this.killTimer();
            this.timer = setInterval(() => this.tick(), kTickMs);
        }

        tick() {
            this.step += 1;
            if (this.step > this.maxStep) this.step = 0;
            this.draw();
        }

        stop() {
            this.killTimer();
        }

        next() {
            this.killTimer();
            this.step += 1;
            if (this.step > this.maxStep) this.step = 0;
            this.draw();
        }

        prev() {
            this.killTimer();
            if (this.step > 0) this.step -= 1;
            this.draw();
        }

        reset() {
            this.step = 0;
            this.draw();
        }
    };
})();

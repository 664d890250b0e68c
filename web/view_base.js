// What every view of the page does the same way, as the desktop's views share their window's base:
// its layout from its form and its title; its frame drawn by the core through the table of views
// at the canvas's size and pixel ratio, with its readouts and the sentence a screen reader hears;
// the step controls (play and pause, previous, next, reset, the angle slider, the speed; Space and
// the arrow keys) and their timer, as the core's stepper decides; the panel folded away with F9;
// the address read by the core, whose refusals are reported on the console once; and each control
// marked with a parameter given that parameter's range; embedded in another page, the frame and
// the step controls alone. A view's script adds its own controls and
// registers it: vesk.addView(NAME, class extends vesk.ViewBase), NAME as the table names the view.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    const qsTranslate = (context, source) => vesk.translate(context, source);

    // The core's step controls, in the order of StepAction (web/page_views.h).
    vesk.steps = {playPause: 0, pause: 1, tick: 2, next: 3, previous: 4, reset: 5, start: 6};
    // The kinds of parameter whose range a tooltip gives, as in the windows.
    const kRanged = ['number', 'whole', 'triple'];

    // The views in the order of their tabs.
    vesk.viewClasses = [];
    vesk.addView = (name, View) => vesk.viewClasses.push({name, View});

    // The core's table of views, read once: each view's name, last step and parameters.
    let table = null;
    vesk.viewTable = (core) => {
        if (table === null) table = JSON.parse(core.UTF8ToString(core._ViewTable()));
        return table;
    };

    // Shows `value` in a number box. The box keeps the figures typed into it while they mean the
    // value it holds (0.123456 stays so); otherwise it shows the value to its decimals.
    vesk.putNumber = (box, value) => {
        if (box.value === '' || box.valueAsNumber !== value)
            box.value = value.toFixed(Number(box.dataset.decimals ?? 0));
    };

    vesk.ViewBase = class {
        constructor(name, form) {
            this.name = name;
            const {root, controls, texts} = this.layOut(form);
            this.root = root;
            this.c = controls;
            this.texts = texts;
            this.title = () => vesk.plain(vesk.translate(form.context, form.title));
            this.description = vesk.describe(this.c.canvas);
            this.core = null;
            this.index = -1;  // the view's place in the table of views
            this.timer = null;
            this.readouts = null;
            this.addressShown = null;

            const c = this.c;
            const act = (control, action) =>
                c[control]?.addEventListener('click', () => this.act(action));
            act('playPause', vesk.steps.playPause);
            act('previous', vesk.steps.previous);
            act('next', vesk.steps.next);
            act('reset', vesk.steps.reset);
            c.panelToggle?.addEventListener('click', () => this.togglePanel());
            c.angle?.addEventListener('input', () => {
                if (!this.core || Number(c.angle.value) === this.core._ViewStepShown(this.index))
                    return;
                this.core._ViewSeek(this.index, Number(c.angle.value));
                this.showStep();
            });
            c.speed?.addEventListener('change', () => this.setSpeed());
            document.addEventListener('keydown', (e) => this.key(e));
            // A new size of the page is a new size of the picture.
            new ResizeObserver(() => {
                const box = c.canvas.parentElement.getBoundingClientRect();
                if (Math.floor(box.width) !== c.canvas.clientWidth ||
                    Math.floor(box.height) !== c.canvas.clientHeight)
                    this.draw();
            }).observe(c.canvas.parentElement);
        }

        // The controls in the rows and columns of the form's layouts.
        layOut(form) {
            return vesk.buildLaidOut(form, `${this.name}-`);
        }

        attach(core) {
            this.core = core;
            const view = vesk.viewTable(core).views.find((v) => v.name === this.name);
            this.index = vesk.viewTable(core).views.indexOf(view);
            view.params.forEach((p, at) => {
                for (const el of this.root.querySelectorAll(`[data-param="${p.name}"]`)) {
                    if (el.type === 'number') Object.assign(el, {min: p.low, max: p.high});
                    if (kRanged.includes(p.kind))
                        el.dataset.range = core.UTF8ToString(core._ParamRange(this.index, at));
                }
            });
            if (this.c.angle) this.c.angle.max = view.lastStep;
            if (this.c.speed) vesk.putNumber(this.c.speed, core._ViewInterval(this.index));
            // The tooltips show the ranges from the next retranslate(), which the page asks of
            // every view once the core is ready, to hand it the language.
            this.showControls();
        }

        // The view's own controls from the core's state.
        showControls() {}

        // The address's keys and values as the core's parameters name them; a view with older
        // spellings of its own turns them into the core's here, adding to `problems` what it
        // refuses.
        addressPairs(pairs, problems) {
            return pairs;
        }

        // What the address asks of this view (its keys and values, and step=), read by the core.
        show(address) {
            const problems = [];
            const pairs = this.addressPairs(address.pairs, problems);
            for (const [key, value] of pairs)
                vesk.callWithStrings(this.core, 'AddressGive', [key, value], {lengths: true});
            const read = JSON.parse(this.core.UTF8ToString(this.core._ViewFromAddress(this.index)));
            // Each refusal once: not again when the same address is followed again.
            const asked = JSON.stringify(pairs);
            if (asked !== this.addressShown)
                for (const problem of [...problems, ...read.problems]) console.warn(problem);
            this.addressShown = asked;
            this.killTimer();
            this.showControls();
            this.showStep();
        }

        // A view out of sight does not animate; it shows the same step when it comes back.
        hide() {
            if (!this.core) return;
            this.core._ViewStep(this.index, vesk.steps.pause);
            this.killTimer();
            this.showPlaying(false);
        }

        // The words in the class's language; the frame follows when it is drawn next.
        retranslate() {
            this.texts.retranslate();
            if (this.core) this.showPlaying(this.playing());
        }

        playing() {
            return this.core._ViewPlaying(this.index) === 1;
        }

        act(action) {
            if (!this.core) return;
            this.core._ViewStep(this.index, action);
            this.showStep();
        }

        showPlaying(playing) {
            if (this.c.playPause)
                this.c.playPause.textContent = vesk.plain(
                    playing ? qsTranslate('ViewWindow', '暂停(&P)') :
                              qsTranslate('ViewWindow', '播放(&P)'));
        }

        // The play button, the timer and the slider from the stepper; then the frame.
        showStep() {
            const playing = this.playing();
            this.showPlaying(playing);
            if (!playing)
                this.killTimer();
            else if (this.timer === null)
                this.timer = setInterval(
                    () => this.act(vesk.steps.tick), this.core._ViewInterval(this.index));
            if (this.c.angle) this.c.angle.value = String(this.core._ViewStepShown(this.index));
            this.draw();
        }

        killTimer() {
            clearInterval(this.timer);
            this.timer = null;
        }

        // The interval typed, clamped by the core (in a double, so that no figure wraps through 32
        // bits); a new interval starts the timer afresh, as QTimer's does.
        setSpeed() {
            if (!this.core) return;
            const ms = this.c.speed.valueAsNumber;
            if (Number.isFinite(ms)) this.core._ViewSetInterval(this.index, ms);
            vesk.putNumber(this.c.speed, this.core._ViewInterval(this.index));
            if (this.timer !== null) {
                this.killTimer();
                this.showStep();
            }
        }

        // The panel folded away, the picture across the page; or back again.
        togglePanel() {
            const panel = this.c.panelScroll;
            if (!panel) return;
            panel.hidden = !panel.hidden;
            if (this.c.panelToggle) this.c.panelToggle.textContent = panel.hidden ? '«' : '»';
            this.draw();
        }

        // The action of a step key: Space plays and pauses; with an angle slider, the arrows step.
        keyAction(key) {
            if (key === ' ' && this.c.playPause) return vesk.steps.playPause;
            if (key === 'ArrowLeft' && this.c.angle) return vesk.steps.previous;
            if (key === 'ArrowRight' && this.c.angle) return vesk.steps.next;
            return undefined;
        }

        // The keys work wherever the focus is in the view, except in a number box being typed into;
        // Space on a check box ticks it.
        key(e) {
            if (this.root.hidden || !this.core || e.defaultPrevented || e.altKey || e.ctrlKey ||
                e.metaKey)
                return;
            const target = e.target;
            if (target !== document.body && !this.root.contains(target)) return;
            if (target.matches('input[type="number"]')) return;
            if (e.key === 'F9' && this.c.panelScroll) {
                e.preventDefault();
                this.togglePanel();
                return;
            }
            if (e.key === ' ' && target.matches('input[type="checkbox"]')) return;
            const action = this.keyAction(e.key);
            if (action === undefined) return;
            e.preventDefault();
            this.act(action);
        }

        // What an embedded page keeps of the view: the frame and the step controls.
        embedKept() {
            const c = this.c;
            return [c.canvas, this.description, c.playPause, c.previous, c.next, c.reset, c.angle,
                c.speed];
        }

        // Embedded, everything but what embedKept() names is left out: each such control with its
        // box and its label, and the group boxes around it with their titles.
        embed(on) {
            for (const el of this.root.querySelectorAll('.embed-out'))
                el.classList.remove('embed-out');
            const placed = this.root.classList.contains('placed');
            if (this.fullWidth === undefined) this.fullWidth = this.root.style.width;
            if (placed) this.root.style.width = this.fullWidth;
            if (!on) return;
            const kept = new Set();
            const keep = (el) => {
                for (let e = el; e && e !== this.root; e = e.parentElement) kept.add(e);
            };
            for (const el of this.embedKept().filter(Boolean)) {
                const box =
                    el.closest('.QSpinBox, .QDoubleSpinBox, label.QCheckBox, .canvas-box') ?? el;
                keep(box);
                for (const inside of box.querySelectorAll('*')) kept.add(inside);
                if (el.id) keep(this.root.querySelector(`label[for="${el.id}"]`));
            }
            for (const legend of this.root.querySelectorAll('fieldset > legend'))
                if (kept.has(legend.parentElement)) kept.add(legend);
            for (const el of this.root.querySelectorAll('*'))
                if (!kept.has(el) && (el.parentElement === this.root || kept.has(el.parentElement)))
                    el.classList.add('embed-out');
            // Controls at their places in the form: the window ends after the last one kept.
            if (placed) {
                const right = Math.max(...[...this.root.children]
                                           .filter((el) => kept.has(el) && el.style.left)
                                           .map((el) => parseFloat(el.style.left) +
                                                    parseFloat(el.style.width)));
                this.root.style.width = `${right + parseFloat(this.c.canvas.style.left)}px`;
            }
        }

        // The size to draw at: the room the page gives the canvas, at the screen's pixel ratio.
        fit() {
            const canvas = this.c.canvas;
            const box = canvas.parentElement.getBoundingClientRect();
            const width = Math.floor(box.width);
            const height = Math.floor(box.height);
            if (width <= 0 || height <= 0) return null;
            canvas.style.width = `${width}px`;
            canvas.style.height = `${height}px`;
            return vesk.fitCanvas(width, height, window.devicePixelRatio || 1);
        }

        // The frame of the step shown, its readouts and its description.
        draw() {
            if (!this.core || this.root.hidden) return;
            const fit = this.fit();
            if (fit === null) return;
            vesk.startFrame();
            const complete = this.core._DrawViewFrame(this.index, fit.width, fit.height, fit.ratio);
            vesk.putFrame(this.core, this.c.canvas, complete === 1);
            this.readouts = JSON.parse(this.core.UTF8ToString(this.core._ViewFrameResult()));
            this.showReadouts(this.readouts.readouts);
            // Heard when the step is chosen, not with every frame of the animation.
            this.description.setAttribute('aria-live', this.timer === null ? 'polite' : 'off');
            this.description.textContent = this.readouts.description;
        }

        // The frame's readouts, [{key, value, label, shown}], into boxes of the view's own.
        showReadouts(readouts) {}
    };
})();

// The synchronous machine on the page: the field current and the power of the steady state, or
// E's tip dragged in the phasor diagram; the load, the inertia, the damper cage and the speed at
// which the field comes on for a start-up from rest; all set in the core's SynchronousSession as
// the window's are. Where a drag leaves the machine is the core's; the page only hands it the
// pointer's places. While it plays a second timer runs the start-up's clock in real time (or ten
// times slower); the rest is every view's (view_base.js). The address may hold a state to show, as
// vesk-render draws it: #view=synchronous&field-current=3&power=5, or
// &time=6&field-on=1300&load=10.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    // The clock's period, and the most a late tick may move it on.
    const kClockInterval = 40;
    const kLongestTick = 0.25;
    // How near E's tip a press grabs it, in pixels.
    const kGrab = 16;

    class SynchronousView extends vesk.ViewBase {
        constructor(name, form) {
            super(name, form);
            this.clock = null;
            this.lastTick = 0;
            this.size = null;  // the canvas's size in pixels when it was last drawn
            this.dragging = false;
            const c = this.c;
            const changed = () => {
                this.showControls();
                this.draw();
            };
            const setter = (name, call) => c[name].addEventListener('change', () => {
                if (!this.core) return;
                const value = c[name].valueAsNumber;
                if (Number.isFinite(value)) this.core[call](value);
                changed();
            });
            setter('fieldCurrent', '_SynchronousSetFieldCurrent');
            setter('power', '_SynchronousSetPower');
            setter('load', '_SynchronousSetLoad');
            setter('inertia', '_SynchronousSetInertia');
            setter('fieldOn', '_SynchronousSetFieldOn');
            const ticked = (name, call) => c[name].addEventListener('change', () => {
                if (!this.core) return;
                this.core[call](c[name].checked ? 1 : 0);
                changed();
            });
            ticked('damper', '_SynchronousSetDamper');
            ticked('oCurves', '_SynchronousSetOCurves');
            const run = (name, action) => c[name].addEventListener('click', () => {
                if (!this.core) return;
                action(this.core);
                this.showControls();
                this.showStep();
            });
            run('start', (core) => core._SynchronousStart());
            // Back to the steady state at the power in its box.
            run('steady', (core) => core._SynchronousSetPower(c.power.valueAsNumber));
            this.dragTip(c.canvas);
        }

        // A press near E's tip grabs it and a move drags it; a hand over the tip says so.
        dragTip(canvas) {
            const near = (e) => {
                if (!this.core || !this.size) return false;
                const d = this.core._SynchronousTipDistance(
                    this.size.width, this.size.height, e.offsetX, e.offsetY);
                return d >= 0 && d <= kGrab;
            };
            canvas.addEventListener('pointerdown', (e) => {
                if (e.button !== 0 || !near(e)) return;
                this.dragging = true;
                canvas.setPointerCapture(e.pointerId);
                canvas.style.cursor = 'grabbing';
                e.preventDefault();
            });
            canvas.addEventListener('pointermove', (e) => {
                if (!this.dragging) {
                    canvas.style.cursor = near(e) ? 'grab' : '';
                    return;
                }
                this.drag(e);
            });
            const release = (e) => {
                if (!this.dragging) return;
                this.drag(e);
                this.dragging = false;
                canvas.style.cursor = 'grab';
            };
            canvas.addEventListener('pointerup', release);
            canvas.addEventListener('pointercancel', release);
        }

        drag(e) {
            this.core._SynchronousDrag(this.size.width, this.size.height, e.offsetX, e.offsetY);
            this.showControls();
            this.draw();
        }

        fit() {
            const fit = super.fit();
            if (fit !== null) this.size = {width: fit.width, height: fit.height};
            return fit;
        }

        showControls() {
            const s = JSON.parse(this.core.UTF8ToString(this.core._SynchronousControls()));
            const c = this.c;
            for (const name of ['fieldCurrent', 'power', 'load', 'inertia', 'fieldOn'])
                vesk.putNumber(c[name], s[name]);
            c.damper.checked = s.damper;
            c.oCurves.checked = s.oCurves;
        }

        showStep() {
            super.showStep();
            if (this.clock === null && this.playing()) {
                this.lastTick = performance.now();
                this.clock = setInterval(() => this.tickClock(), kClockInterval);
            }
        }

        tickClock() {
            const now = performance.now();
            const seconds = Math.min((now - this.lastTick) / 1000, kLongestTick);
            this.lastTick = now;
            this.core._SynchronousAdvance(seconds, this.c.slow.checked ? 1 : 0);
            this.draw();
        }

        killTimer() {
            super.killTimer();
            clearInterval(this.clock);
            this.clock = null;
        }
    }

    vesk.addView('synchronous', SynchronousView);
})();

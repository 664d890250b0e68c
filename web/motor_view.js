// The motor on the page: its supply controls (supply_controls.js), the load and the inertia, Start
// and the pushes, set in the core's MotorSession as the window's are. While it plays a second timer
// runs the start-up's clock in real time (or ten times slower); the drawing's steps and the rest
// are every view's (view_base.js). The address may hold a state to show, as vesk-render draws it:
// #view=motor&preset=single-phase&load=5&time=1.5&initial-speed=150 or &speed=1440, with &inertia=
// and &step=.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    // The clock's period, and the most a late tick may move it on.
    const kClockInterval = 40;
    const kLongestTick = 0.25;

    class MotorView extends vesk.ViewBase {
        constructor(name, form) {
            super(name, form);
            this.clock = null;
            this.lastTick = 0;
            const c = this.c;
            this.supply = new vesk.SupplyControls(this, 'Motor');
            const setter = (name, call) => c[name].addEventListener('change', () => {
                if (!this.core) return;
                const value = c[name].valueAsNumber;
                if (Number.isFinite(value)) this.core[call](value);
                this.showControls();
                this.draw();
            });
            setter('load', '_MotorSetLoad');
            setter('inertia', '_MotorSetInertia');
            // The transient: the switch, its angle and the zoom go to the core together.
            for (const name of ['dynamic', 'switchAngle', 'zoom']) {
                c[name]?.addEventListener('change', () => {
                    if (!this.core) return;
                    const angle = c.switchAngle.valueAsNumber;
                    this.core._MotorSetDynamic(c.dynamic.checked ? 1 : 0,
                                               Number.isFinite(angle) ? angle : 0,
                                               c.zoom.checked ? 1 : 0);
                    this.showControls();
                    this.draw();
                });
            }
            const drive = () => {
                if (!this.core) return;
                const v = ['frequency', 'boost', 'rotorResistance'].map((n) => c[n].valueAsNumber);
                if (v.every(Number.isFinite)) this.core._MotorSetDrive(...v);
                this.showControls();
                this.draw();
            };
            for (const name of ['frequency', 'boost', 'rotorResistance'])
                c[name].addEventListener('change', drive);
            c.page.addEventListener('change', () => {
                if (!this.core) return;
                this.core._MotorSetPage(c.page.selectedIndex);
                this.draw();
            });
            const run = (name, action) => c[name].addEventListener('click', () => {
                if (!this.core) return;
                action(this.core);
                this.showStep();
            });
            run('start', (core) => core._MotorStart());
            run('pushForward', (core) => core._MotorPush(1));
            run('pushBackward', (core) => core._MotorPush(-1));
        }

        showControls() {
            const s = this.supply.state();
            this.supply.show(s);
            vesk.putNumber(this.c.load, s.load);
            vesk.putNumber(this.c.inertia, s.inertia);
            if (this.c.dynamic) {
                this.c.dynamic.checked = s.dynamic === 1;
                vesk.putNumber(this.c.switchAngle, s.switchAngle);
                this.c.zoom.checked = s.zoom === 1;
                this.c.switchAngle.disabled = this.c.zoom.disabled = !this.c.dynamic.checked;
            }
        }

        // Play and the slow motion; the start-up's buttons stay on the full page.
        embedKept() {
            return [...super.embedKept(), this.c.slow];
            vesk.putNumber(this.c.frequency, s.frequency);
            vesk.putNumber(this.c.boost, s.boost);
            vesk.putNumber(this.c.rotorResistance, s.rotorResistance);
            this.c.page.selectedIndex = s.page;
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
            this.core._MotorAdvance(seconds, this.c.slow.checked ? 1 : 0);
            this.draw();
        }

        killTimer() {
            super.killTimer();
            clearInterval(this.clock);
            this.clock = null;
        }
    }

    vesk.addView('motor', MotorView);
})();

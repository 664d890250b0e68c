// The single-phase motor on the page: the kind, the capacitors, the auxiliary winding's connection
// and the switch, the load and the inertia, and Start, set in the core's CapacitorMotorSession as
// the window's are; a control for what the kind has not is disabled, as the core says. While it
// plays a second timer runs the start-up's clock in real time (or ten times slower); the field's
// steps and the rest are every view's (view_base.js). The address may hold a state to show, as
// vesk-render draws it: #view=capacitor-motor&kind=split-phase&speed=0&step=9, or &time=0.5
// with &load=, &inertia=, &start-capacitor=, &run-capacitor=, &reverse-aux=1 and &switch=open.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    // The clock's period, and the most a late tick may move it on.
    const kClockInterval = 40;
    const kLongestTick = 0.25;

    class CapacitorMotorView extends vesk.ViewBase {
        constructor(name, form) {
            super(name, form);
            this.clock = null;
            this.lastTick = 0;
            const c = this.c;
            const changed = () => {
                this.showControls();
                this.draw();
            };
            const readConfig = () => {
                if (!this.core) return;
                this.core._CapacitorMotorSetConfig(
                    Number(c.kind.value), c.startCapacitor.valueAsNumber,
                    c.runCapacitor.valueAsNumber, c.reverseAux.checked ? 1 : 0,
                    Number(c.switchSetting.value));
                changed();
            };
            const machine =
                ['kind', 'startCapacitor', 'runCapacitor', 'reverseAux', 'switchSetting'];
            for (const name of machine) c[name].addEventListener('change', readConfig);
            const setter = (name, call) => c[name].addEventListener('change', () => {
                if (!this.core) return;
                const value = c[name].valueAsNumber;
                if (Number.isFinite(value)) this.core[call](value);
                changed();
            });
            setter('load', '_CapacitorMotorSetLoad');
            setter('inertia', '_CapacitorMotorSetInertia');
            c.start.addEventListener('click', () => {
                if (!this.core) return;
                this.core._CapacitorMotorStart();
                this.showStep();
            });
        }

        showControls() {
            const s = JSON.parse(this.core.UTF8ToString(this.core._CapacitorMotorControls()));
            const c = this.c;
            c.kind.value = String(s.kind);
            // A box the kind has not keeps its value for a kind that has it.
            if (s.hasStartCapacitor || c.startCapacitor.value === '')
                vesk.putNumber(c.startCapacitor, s.startCapacitor);
            if (s.hasRunCapacitor || c.runCapacitor.value === '')
                vesk.putNumber(c.runCapacitor, s.runCapacitor);
            c.startCapacitor.disabled = !s.hasStartCapacitor;
            c.runCapacitor.disabled = !s.hasRunCapacitor;
            c.reverseAux.checked = s.reverseAux;
            c.reverseAux.disabled = !s.hasAuxiliary;
            c.switchSetting.value = String(s.switchSetting);
            c.switchSetting.disabled = !s.hasSwitch;
            vesk.putNumber(c.load, s.load);
            vesk.putNumber(c.inertia, s.inertia);
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
            this.core._CapacitorMotorAdvance(seconds, this.c.slow.checked ? 1 : 0);
            this.draw();
        }

        killTimer() {
            super.killTimer();
            clearInterval(this.clock);
            this.clock = null;
        }
    }

    vesk.addView('capacitor-motor', CapacitorMotorView);
})();

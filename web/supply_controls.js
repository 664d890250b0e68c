// The supply's controls as the explorer and the motor share them: the preset, the peak and offset
// of each phase, the sequence, an open phase, the neutral and a single phase. They set the view's
// supply in the core (`_PREFIXSetSupply`, `_PREFIXChoosePreset`) and show what the core keeps
// (`_PREFIXControls`); what a single phase leaves out cannot be set.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    const kPhases = ['U', 'V', 'W'];
    const kSinglePhaseAside =
        ['amplitudeV', 'amplitudeW', 'offsetV', 'offsetW', 'sequence', 'openPhase', 'neutral'];

    vesk.SupplyControls = class {
        constructor(view, prefix) {
            this.view = view;
            this.prefix = prefix;
            const c = view.c;
            c.preset.addEventListener('change', () => this.choosePreset(Number(c.preset.value)));
            // What is typed counts on Enter or when the box is left, never half-typed.
            for (const x of kPhases)
                for (const box of [c[`amplitude${x}`], c[`offset${x}`]])
                    box.addEventListener('change', () => this.read());
            for (const name of ['sequence', 'openPhase', 'neutral', 'singlePhase'])
                c[name].addEventListener('change', () => this.read());
        }

        // The view's controls as the core keeps them: the supply and what the view adds to it.
        state() {
            const core = this.view.core;
            return JSON.parse(core.UTF8ToString(core[`_${this.prefix}Controls`]()));
        }

        choosePreset(index) {
            const {core, c} = this.view;
            // 自定义, the last entry, is no supply of its own.
            if (!core || index >= c.preset.options.length - 1) return;
            core[`_${this.prefix}ChoosePreset`](index);
            this.view.showControls();
            this.view.draw();
        }

        // The supply from the controls, after one of them changed. A box left empty or unreadable
        // goes back to what it showed before; the core brings the rest into range.
        read() {
            const {core, c} = this.view;
            if (!core) return;
            const s = this.state();
            const value = (box, before) =>
                (Number.isFinite(box.valueAsNumber) ? box.valueAsNumber : before);
            core[`_${this.prefix}SetSupply`](
                ...kPhases.map((x, i) => value(c[`amplitude${x}`], s.amplitude[i])),
                ...kPhases.map((x, i) => value(c[`offset${x}`], s.offset[i])),
                Number(c.sequence.value), Number(c.openPhase.value) - 1, c.neutral.checked ? 1 : 0,
                c.singlePhase.checked ? 1 : 0);
            this.view.showControls();
            this.view.draw();
        }

        // The controls from `s`, the state the core gave.
        show(s) {
            const c = this.view.c;
            kPhases.forEach((x, i) => {
                vesk.putNumber(c[`amplitude${x}`], s.amplitude[i]);
                vesk.putNumber(c[`offset${x}`], s.offset[i]);
            });
            c.sequence.value = s.negative ? '1' : '0';
            c.singlePhase.checked = s.singlePhase;
            if (!s.singlePhase) c.openPhase.value = String(s.openPhase + 1);
            c.neutral.checked = s.neutral;
            c.preset.value = String(s.preset);
            for (const name of kSinglePhaseAside) c[name].disabled = s.singlePhase;
        }
    };
})();

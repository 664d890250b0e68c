// The windings view on the page: its winding and supply controls. Which slot counts and pitches a
// winding may have, and what a change of poles, slots or layers does to the pitch, are the core's;
// the boxes offer what the core hands back. The rest is every view's (view_base.js).
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});

    class WindingView extends vesk.ViewBase {
        constructor(name, form) {
            super(name, form);
            const c = this.c;
            c.preset.addEventListener('change', () => {
                const index = Number(c.preset.value);
                // 自定义, the last entry, is no winding of its own.
                if (!this.core || index >= c.preset.options.length - 1) return;
                this.core._WindingChoosePreset(index);
                this.changed();
            });
            for (const name of ['poles', 'slotCount', 'layers', 'pitch'])
                c[name].addEventListener('change', () => {
                    if (!this.core) return;
                    this.core._WindingSetWinding(
                        2 * (Number(c.poles.value) + 1), Number(c.slotCount.value),
                        Number(c.layers.value) + 1, Number(c.pitch.value));
                    this.changed();
                });
            const readSupply = () => {
                const f = c.frequency.valueAsNumber;
                if (!this.core || !Number.isFinite(f)) return;
                this.core._WindingSetSupply(
                    Number(c.sequence.value), f, c.fluxLines.checked ? 1 : 0);
                this.draw();
            };
            for (const name of ['sequence', 'fluxLines'])
                c[name].addEventListener('change', readSupply);
            c.frequency.addEventListener('input', readSupply);
            c.frequency.addEventListener('change', readSupply);
        }

        changed() {
            this.showControls();
            this.draw();
        }

        showControls() {
            const s = JSON.parse(this.core.UTF8ToString(this.core._WindingControls()));
            const c = this.c;
            const fill = (select, values, text, chosen) => {
                select.replaceChildren(...values.map(
                    (value) => Object.assign(
                        document.createElement('option'),
                        {value: String(value), textContent: text(value)})));
                select.value = String(chosen);
            };
            c.poles.value = String(s.poles / 2 - 1);
            fill(c.slotCount, s.slotCounts, String, s.slots);
            c.layers.value = String(s.layers - 1);
            fill(c.pitch, s.pitches, (y) => `${y}/${s.tau}`, s.pitch);
            c.pitch.disabled = s.layers === 1;
            c.sequence.value = s.negative ? '1' : '0';
            if (c.frequency !== document.activeElement) c.frequency.value = String(s.frequency);
            c.fluxLines.checked = s.fluxLines;
            c.preset.value = String(s.preset);
        }
    }

    vesk.addView('winding', WindingView);
})();

// The explorer on the page: its supply controls (supply_controls.js), F+ and F- apart, and the
// derivation shown on request; the rest is every view's (view_base.js). The address may also say
// connection=star or star-neutral, its older spelling of neutral=0 or 1.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    const kConnections = {star: '0', 'star-neutral': '1'};

    class ExplorerView extends vesk.ViewBase {
        constructor(name, form) {
            super(name, form);
            const c = this.c;
            this.supply = new vesk.SupplyControls(this, 'Explorer');
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
        }

        showControls() {
            const s = this.supply.state();
            this.supply.show(s);
            this.c.componentsApart.checked = s.apart;
        }

        addressPairs(pairs, problems) {
            return pairs.flatMap(([key, value]) => {
                if (key !== 'connection') return [[key, value]];
                if (Object.hasOwn(kConnections, value)) return [['neutral', kConnections[value]]];
                // In the core's words for a refusal, the value shown on one line.
                const shown = JSON.stringify(value.slice(0, 80)).slice(1, -1);
                problems.push(`connection '${shown}' is not one of star or star-neutral`);
                return [];
            });
        }
    }

    vesk.addView('explorer', ExplorerView);
})();

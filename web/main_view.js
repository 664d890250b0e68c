// The main window on the page: its controls at the places of its form, its buttons Start and Stop
// beside the shared Next, Previous and Reset, and its check box. The step rules are the core's
// (MainStepper); each frame's readouts go to its four boxes. Its keys are its buttons'.
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
    // The box of each readout, by its key.
    const kBoxes = {angle: 'phaseAngle', u: 'ampU', v: 'ampV', w: 'ampW'};

    class MainView extends vesk.ViewBase {
        constructor(name, form) {
            super(name, form);
            const c = this.c;
            const act = (control, action) =>
                c[control].addEventListener('click', () => this.act(action));
            act('start', vesk.steps.start);
            act('stop', vesk.steps.pause);
            act('prev', vesk.steps.previous);
            c.showResultant.checked = true;
            c.showResultant.addEventListener('change', () => {
                if (!this.core) return;
                this.core._MainSetResultant(c.showResultant.checked ? 1 : 0);
                this.draw();
            });
        }

        layOut(form) {
            return vesk.buildPlaced(form, kIds);
        }

        showControls() {
            this.c.showResultant.checked = this.core._MainResultant() === 1;
        }

        // Start begins a whole period after its click.
        act(action) {
            if (action === vesk.steps.start) this.killTimer();
            super.act(action);
        }

        // Start and Stop, the three step buttons and the group boxes that frame them.
        embedKept() {
            const c = this.c;
            return [...super.embedKept(), c.start, c.stop, c.prev, c.groupAuto, c.groupStep];
        }

        keyAction() {
            return undefined;
        }

        // The frame keeps the window's geometry, at the screen's pixel ratio.
        fit() {
            return {width: 0, height: 0, ratio: window.devicePixelRatio || 1};
        }

        showReadouts(readouts) {
            for (const r of readouts)
                if (Object.hasOwn(kBoxes, r.key)) this.c[kBoxes[r.key]].value = r.shown;
        }
    }

    vesk.addView('main', MainView);
})();

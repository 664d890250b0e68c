// The page: each window laid out from its form (main_form.js, generated from the .ui), its frames
// drawn by the core in WebAssembly (vesk.js) and put on the canvas, its buttons stepping as the
// window's do. The address picks the view, the step and the resultant:
// #view=main&step=9&resultant=0.
'use strict';

(() => {
    // The scene's font, as on the desktop: Chinese serif faces, whichever the machine has.
    const kSceneFonts = '"SimSun", "宋体", "AR PL UMing CN", "Noto Serif CJK SC", serif';

    // The main window's controls by object name, and the ids by which links and tests find them.
    const kMainIds = {
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

    // One element per control of the form, in form order, which makes the tab order the window's.
    function buildForm(form, ids) {
        const root = document.createElement('div');
        root.className = 'window';
        root.style.width = `${form.width}px`;
        root.style.height = `${form.height}px`;
        const controls = {};
        for (const c of form.controls) {
            let box;
            let el;
            switch (c.cls) {
                case 'CanvasWidget':
                    box = el = document.createElement('canvas');
                    el.width = c.rect[2];
                    el.height = c.rect[3];
                    break;
                case 'QPushButton':
                    box = el = document.createElement('button');
                    el.type = 'button';
                    el.textContent = c.text ?? '';
                    break;
                case 'QLineEdit':
                    box = el = document.createElement('input');
                    el.type = 'text';
                    el.readOnly = c.readOnly === true;
                    el.value = c.text ?? '';
                    break;
                case 'QCheckBox':
                    box = document.createElement('label');
                    el = document.createElement('input');
                    el.type = 'checkbox';
                    box.append(el, c.text ?? '');
                    break;
                case 'QGroupBox':
                    box = el = document.createElement('div');
                    el.append(
                        Object.assign(document.createElement('span'), {textContent: c.text ?? ''}));
                    break;
                default:
                    box = el = document.createElement('div');
                    el.textContent = c.text ?? '';
                    if (c.alignRight) el.classList.add('right');
            }
            box.classList.add(c.cls);
            const [x, y, w, h] = c.rect;
            Object.assign(
                box.style, {left: `${x}px`, top: `${y}px`, width: `${w}px`, height: `${h}px`});
            if (ids[c.name]) el.id = ids[c.name];
            controls[c.name] = el;
            root.append(box);
        }
        return {root, controls};
    }

    // What the address asks for; anything unknown or malformed is passed over (step 0, resultant
    // shown).
    function readAddress(hash, views, maxStep) {
        const params = new URLSearchParams(hash.replace(/^#/, ''));
        const address = {view: 'main', step: 0, resultant: true};
        const view = params.get('view');
        if (view !== null && Object.hasOwn(views, view)) address.view = view;
        const step = params.get('step');
        if (step !== null && /^[0-9]{1,3}$/.test(step) && Number(step) <= maxStep)
            address.step = Number(step);
        const resultant = params.get('resultant');
        if (resultant === '0' || resultant === '1') address.resultant = resultant === '1';
        return address;
    }

    // The texts of the frame being drawn, handed over by the core; written after its pixels.
    let pendingTexts = [];

    function writeText(ctx, t) {
        ctx.font = `${t.pixels}px ${kSceneFonts}`;
        const metrics = ctx.measureText(t.text);
        // Anchored at the top-left like the desktop's text: the baseline is one ascent down.
        const ascent = metrics.fontBoundingBoxAscent ?? t.pixels;
        const descent = metrics.fontBoundingBoxDescent ?? 0;
        if (t.opaque) {
            ctx.fillStyle = '#fff';
            ctx.fillRect(t.x, t.y, metrics.width, ascent + descent);
        }
        ctx.fillStyle =
            `rgb(${t.colour & 255}, ${(t.colour >> 8) & 255}, ${(t.colour >> 16) & 255})`;
        ctx.fillText(t.text, t.x, t.y + ascent);
    }

    // Draws the frame of `step` into `canvas` and returns its four readouts.
    function drawFrame(core, canvas, step, showResultant) {
        pendingTexts = [];
        const complete =
            core._DrawPageFrame(step, showResultant ? 1 : 0, window.devicePixelRatio || 1) === 1;
        const readouts = [0, 1, 2, 3].map((i) => core.UTF8ToString(core._FrameReadout(i)));
        const ctx = canvas.getContext('2d');
        if (!complete) {
            // An abandoned frame is missing until the next one is drawn.
            ctx.clearRect(0, 0, canvas.width, canvas.height);
            return readouts;
        }
        const w = core._FrameWidth();
        const h = core._FrameHeight();
        if (canvas.width !== w || canvas.height !== h) {
            canvas.width = w;
            canvas.height = h;
        }
        const bytes = new Uint8ClampedArray(core.HEAPU8.buffer, core._FramePixels(), w * h * 4);
        ctx.putImageData(new ImageData(bytes, w, h), 0, 0);
        const scale = core._FrameScale();
        ctx.setTransform(scale, 0, 0, scale, 0, 0);
        for (const t of pendingTexts) writeText(ctx, t);
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        return readouts;
    }

    // The main window's step controller: the buttons, the check box and the animation timer move
    // the step and have its frame drawn at once. The timer is the only record of whether the
    // animation runs.
    class MainView {
        static kTickMs = 200;  // the window's ANIM_TIMER_PERIOD

        constructor(form) {
            const {root, controls} = buildForm(form, kMainIds);
            this.root = root;
            this.c = controls;
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
            this.step = address.step;
            this.c.showResultant.checked = address.resultant;
            this.draw();
        }

        draw() {
            if (!this.core) return;
            const r = drawFrame(this.core, this.c.canvas, this.step, this.c.showResultant.checked);
            [this.c.phaseAngle.value, this.c.ampU.value, this.c.ampV.value, this.c.ampW.value] = r;
        }

        killTimer() {
            clearInterval(this.timer);
            this.timer = null;
        }

        start() {
            this.step = 0;
            this.draw();
            this.killTimer();
            this.timer = setInterval(() => this.tick(), MainView.kTickMs);
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
    }

    // Instead of an empty canvas: the one sentence that says what the page needs.
    function showNeeds() {
        document.getElementById('tabs').hidden = true;
        document.getElementById('views').hidden = true;
        const noscript = document.getElementById('needs');
        if (!document.querySelector('p.needs'))
            noscript.insertAdjacentHTML('afterend', noscript.textContent);
    }

    function main() {
        const forms = window.veskForms || {};
        if (typeof WebAssembly !== 'object' || typeof VeskModule !== 'function' || !forms.main) {
            showNeeds();
            return;
        }
        // Compiled while the page is laid out.
        const onText = (x, y, text, pixels, colour, opaque) =>
            pendingTexts.push({x, y, text, pixels, colour, opaque});
        const coreReady = VeskModule({onText});
        // The explorer's tab joins here once it has a form of its own.
        const views = {main: new MainView(forms.main)};
        const titles = {main: forms.main.title};
        const selectView = (name) => {
            for (const [other, view] of Object.entries(views)) {
                view.root.hidden = other !== name;
                view.tab.setAttribute('aria-selected', String(other === name));
                if (other !== name) view.killTimer();
            }
            document.title = titles[name];
            return views[name];
        };
        for (const [name, view] of Object.entries(views)) {
            view.tab = Object.assign(
                document.createElement('button'),
                {type: 'button', id: `tab-${name}`, textContent: titles[name]});
            view.tab.setAttribute('role', 'tab');
            view.tab.addEventListener('click', () => selectView(name));
            view.root.setAttribute('role', 'tabpanel');
            view.root.setAttribute('aria-labelledby', view.tab.id);
            document.getElementById('tabs').append(view.tab);
            document.getElementById('views').append(view.root);
        }

        coreReady.then((core) => {
            for (const view of Object.values(views)) view.attach(core);
            const follow = () => {
                const address = readAddress(location.hash, views, core._PageMaxStep());
                selectView(address.view).show(address);
            };
            follow();
            performance.mark('vesk-first-frame');
            window.addEventListener('hashchange', follow);
            // Moved to a screen of another resolution, or zoomed: the shown frame is drawn again.
            const watchResolution = () => {
                const query = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
                query.addEventListener('change', () => {
                    for (const view of Object.values(views))
                        if (!view.root.hidden) view.draw();
                    watchResolution();
                }, {once: true});
            };
            watchResolution();
        }, showNeeds);
    }

    main();
})();

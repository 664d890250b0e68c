// The page's windows built from their forms (main_form.js and explorer_form.js, generated from the
// .ui files): one element per control in form order, which makes the tab order the window's, with
// the names and descriptions the forms give screen readers. Every text is looked up in the class's
// language (translations.js, generated from the desktop's catalogue) and looked up again when the
// language changes, as the desktop's retranslateUi does.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});

    // The class's language: Chinese, the texts as written, or a catalogue's.
    vesk.language = {code: 'zh', catalogue: null};

    // `source` in the class's language, or `source` itself where the catalogue has nothing.
    vesk.translate = (context, source) => {
        const texts = vesk.language.catalogue?.[context];
        return texts && Object.hasOwn(texts, source) ? texts[source] : source;
    };

    // A text as the page shows it, without the desktop's shortcut marks: 播放(&P) is 播放, &Play is
    // Play, && is &.
    vesk.plain = (text) => text.replace(/\(&[^&]\)/g, '').replace(/&(.)/g, '$1');

    // Qt's arg(): %1, %2, ... replaced by the arguments in turn.
    vesk.format = (text, ...args) =>
        text.replace(/%([1-9])/g, (whole, n) => (n <= args.length ? String(args[n - 1]) : whole));

    // The texts of one window, which follow the class's language.
    class Texts {
        constructor(context) {
            this.context = context;
            this.bindings = [];
        }

        // The control's property `key` as shown: translated unless the form says not to.
        of(control, key) {
            const text = control[key] ?? '';
            return vesk.plain(
                control.notr?.includes(key) ? text : vesk.translate(this.context, text));
        }

        // Runs `show` now and again with each change of language.
        bind(show) {
            this.bindings.push(show);
            show();
        }

        retranslate() {
            for (const show of this.bindings) show();
        }
    }

    const make = (tag, props = {}) => Object.assign(document.createElement(tag), props);

    // The element of one control: `el` takes the input, `box` is what is placed.
    function control(c, texts, build) {
        let box;
        let el;
        const bindText = (target, key = 'text') =>
            texts.bind(() => (target.textContent = texts.of(c, key)));
        switch (c.cls) {
            case 'CanvasWidget':
                el = make('canvas', {width: c.rect?.[2] ?? 0, height: c.rect?.[3] ?? 0});
                el.setAttribute('role', 'img');
                box = c.rect ? el : make('div', {className: 'canvas-box'});
                if (box !== el) box.append(el);
                break;
            case 'QPushButton':
                box = el = make('button', {type: 'button'});
                bindText(el);
                break;
            case 'QLineEdit':
                box = el = make('input', {type: 'text', readOnly: c.readOnly === true});
                el.value = c.text ?? '';
                break;
            case 'QCheckBox': {
                el = make('input', {type: 'checkbox'});
                const span = make('span');
                box = make('label');
                box.append(el, span);
                bindText(span);
                break;
            }
            case 'QGroupBox': {
                const title = make(c.layout ? 'legend' : 'span');
                box = el = make(c.layout ? 'fieldset' : 'div');
                el.append(title);
                bindText(title);
                break;
            }
            case 'QComboBox':
                box = el = make('select');
                c.items?.forEach((item, i) => {
                    const option = make('option', {value: String(i)});
                    texts.bind(() => (option.textContent = texts.of({text: item}, 'text')));
                    el.append(option);
                });
                break;
            case 'QSpinBox':
            case 'QDoubleSpinBox': {
                el = make('input', {type: 'number', step: c.singleStep ?? 1});
                // A parameter's box takes its range from the table of views (view_base.js).
                if (c.param === undefined)
                    Object.assign(el, {min: c.minimum ?? 0, max: c.maximum ?? 99});
                el.dataset.decimals = c.cls === 'QSpinBox' ? 0 : c.decimals ?? 2;
                const suffix = make('span', {className: 'suffix'});
                suffix.setAttribute('aria-hidden', 'true');
                bindText(suffix, 'suffix');
                box = make('span');
                box.append(el, suffix);
                break;
            }
            case 'QSlider':
                box = el =
                    make('input', {type: 'range', min: c.minimum ?? 0, max: c.maximum ?? 99});
                el.value = c.value ?? el.min;
                break;
            case 'QLabel':
                box = el = make(c.buddy ? 'label' : 'div');
                if (c.alignRight) el.classList.add('right');
                if (c.wordWrap) el.classList.add('wrap');
                bindText(el);
                break;
            default:
                box = el = make('div');
                if (c.text !== undefined) bindText(el);
        }
        box.classList.add(c.cls);
        if (c.layout) box.append(build(c.layout));
        for (const child of c.children ?? []) box.append(build({widget: child}));
        if (c.accessibleName !== undefined)
            texts.bind(() => el.setAttribute('aria-label', texts.of(c, 'accessibleName')));
        else if (c.cls === 'CanvasWidget' && c.toolTip !== undefined)
            texts.bind(() => el.setAttribute('aria-label', texts.of(c, 'toolTip')));
        if (c.param !== undefined) el.dataset.param = c.param;
        // The tooltip, and the parameter's range after it once the table has given it, as the
        // window adds it.
        const range = () => (el.dataset.range ? ` (${el.dataset.range})` : '');
        const tip = () => texts.of(c, 'toolTip') + range();
        if (c.toolTip !== undefined) texts.bind(() => (box.title = tip()));
        const describe = (text) => texts.bind(() => el.setAttribute('aria-description', text()));
        if (c.accessibleDescription !== undefined && c.cls !== 'CanvasWidget')
            describe(() => texts.of(c, 'accessibleDescription'));
        else if (c.toolTip !== undefined && c.cls !== 'CanvasWidget')
            describe(tip);
        return {box, el};
    }

    // A window whose controls sit at the places of its form.
    vesk.buildPlaced = (form, ids) => {
        const texts = new Texts(form.context);
        const root = make('div', {className: 'window placed'});
        root.style.width = `${form.width}px`;
        root.style.height = `${form.height}px`;
        const controls = {};
        for (const c of form.controls) {
            const {box, el} = control(c, texts);
            const [x, y, w, h] = c.rect;
            Object.assign(
                box.style, {left: `${x}px`, top: `${y}px`, width: `${w}px`, height: `${h}px`});
            if (ids[c.name]) el.id = ids[c.name];
            controls[c.name] = el;
            root.append(box);
        }
        return {root, controls, texts};
    };

    // A window laid out by the layouts of its form: boxes as flex rows and columns, grids as grids.
    // Every control gets the id `prefix` + its object name in kebab case.
    vesk.buildLaidOut = (form, prefix) => {
        const texts = new Texts(form.context);
        const controls = {};
        const idOf = (name) => prefix + name.replace(/[A-Z]/g, (c) => `-${c.toLowerCase()}`);
        const labelled = new Set();
        const build = (item) => {
            if (item.spacer) return make('div', {className: 'spacer'});
            if (item.sublayout) return build(item.sublayout);
            if (item.widget) {
                const c = item.widget;
                const {box, el} = control(c, texts, build);
                el.id = idOf(c.name);
                if (c.buddy) {
                    el.htmlFor = idOf(c.buddy);
                    labelled.add(c.buddy);
                }
                if (c.stretch) box.style.flexGrow = c.stretch;
                if (c.minimumSize) {
                    box.style.minWidth = `${c.minimumSize[0]}px`;
                    box.style.minHeight = `${c.minimumSize[1]}px`;
                }
                if (c.maximumSize?.[0] < 16777215) {
                    box.style.maxWidth = `${c.maximumSize[0]}px`;
                    box.style.flexBasis = `${c.maximumSize[0]}px`;
                }
                controls[c.name] = el;
                return box;
            }
            const layout = make('div', {className: item.layout});
            if (item.spacing !== undefined) layout.style.gap = `${item.spacing}px`;
            if (item.margins) layout.style.padding = item.margins.map((m) => `${m}px`).join(' ');
            const columns =
                Math.max(1, ...item.items.map((i) => (i.column ?? 0) + (i.colspan ?? 1)));
            if (item.layout === 'QGridLayout')
                layout.style.gridTemplateColumns = `auto repeat(${columns - 1}, minmax(0, 1fr))`;
            for (const cell of item.items) {
                const child = build(cell);
                if (cell.row !== undefined) {
                    child.style.gridRow = `${cell.row + 1} / span ${cell.rowspan ?? 1}`;
                    child.style.gridColumn = `${cell.column + 1} / span ${cell.colspan ?? 1}`;
                }
                layout.append(child);
            }
            nameGridInputs(item, controls, labelled, idOf);
            return layout;
        };
        const root = make('div', {className: 'window laid-out'});
        root.append(build(form.layout));
        return {root, controls, texts};
    };

    // A box in a grid that no label names is named by its row's label and its column's heading,
    // as a table cell is: the amplitude of U is "U相 幅值".
    function nameGridInputs(grid, controls, labelled, idOf) {
        if (grid.layout !== 'QGridLayout') return;
        const labelAt = (test) => grid.items.filter((i) => i.widget?.cls === 'QLabel' && test(i))
                                      .sort((a, b) => a.row - b.row)[0];
        for (const cell of grid.items) {
            const c = cell.widget;
            if (!c || c.cls === 'QLabel' || c.text !== undefined || labelled.has(c.name)) continue;
            const names = [
                labelAt((i) => i.row === cell.row && i.column === 0),
                labelAt((i) => i.column === cell.column && i.row < cell.row)
            ].filter(Boolean);
            if (names.length)
                controls[c.name].setAttribute(
                    'aria-labelledby', names.map((i) => idOf(i.widget.name)).join(' '));
        }
    }
})();

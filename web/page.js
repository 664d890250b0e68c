// The page: a tab for each view (vesk.addView), each laid out from its form and drawn by the core
// in WebAssembly (vesk.js); the class's language and palette, switched on the page and remembered
// by the browser. The address picks the view, the frame, the language and the palette, and wins
// over what was remembered; the view's keys and values go to the core, which reads them as the
// table of views describes the view's parameters:
// #view=main&step=9&resultant=0, #view=explorer&preset=open-u&step=3&connection=star-neutral,
// #lang=en, #palette=safe, #lesson; #embed, with any of them, shows the frame and its step controls
// only, for a frame in another page.
'use strict';

(() => {
    const vesk = window.vesk;
    const qsTranslate = (context, source) => vesk.translate(context, source);

    // What the browser remembers between visits, where it lets the page.
    const stored = {
        get: (key) => {
            try {
                return localStorage.getItem(`vesk.${key}`);
            } catch (refused) {
                return null;
            }
        },
        set: (key, value) => {
            try {
                localStorage.setItem(`vesk.${key}`, value);
            } catch (refused) {
                // Storage refused (private mode, a policy): the choice lasts until the page closes.
            }
        },
    };

    // No view, language or palette is longer; a longer one is passed over like any unknown one.
    const kLongestAddressValue = 64;
    // The address's keys for the page itself; the rest are the view's.
    const kPageKeys = ['view', 'lang', 'palette', 'lesson', 'embed'];

    // What the address asks for: the view (an unknown one is the first), the language and the
    // palette, and the view's own keys and values in their order, for the core to judge.
    function readAddress(hash, views) {
        const params = new URLSearchParams(hash.replace(/^#/, ''));
        const get = (key) => {
            const value = params.get(key);
            return value !== null && value.length <= kLongestAddressValue ? value : null;
        };
        const view = get('view');
        return {
            view: view !== null && Object.hasOwn(views, view) ? view : Object.keys(views)[0],
            lang: get('lang'),
            palette: get('palette'),
            embed: params.has('embed'),
            pairs: [...params].filter(([key]) => !kPageKeys.includes(key)),
        };
    }

    // Calls the core's `name` with `strings` as C strings on the WebAssembly heap, not its small
    // stack, where ccall puts them; with `lengths`, each followed by its length in bytes, so that
    // a NUL inside it is kept. Null when the heap has no room for them.
    vesk.callWithStrings = (core, name, strings, {lengths = false} = {}) => {
        const pointers = [];
        const args = [];
        try {
            for (const text of strings) {
                const size = core.lengthBytesUTF8(text) + 1;
                const pointer = core._malloc(size);
                if (pointer === 0) return null;
                pointers.push(pointer);
                core.stringToUTF8(text, pointer, size);
                args.push(pointer);
                if (lengths) args.push(size - 1);
            }
            return core[`_${name}`](...args);
        } finally {
            for (const pointer of pointers) core._free(pointer);
        }
    };

    // Writes a choice into the address when the address holds one, so that it stays the choice.
    function keepInAddress(key, value) {
        const params = new URLSearchParams(location.hash.replace(/^#/, ''));
        if (!params.has(key)) return;
        params.set(key, value);
        history.replaceState(null, '', `#${params}`);
    }

    // The class's choices beside the tabs, with the desktop's words for them.
    function buildSettings(languages) {
        const bar = document.getElementById('settings');
        const choice = (id, options) => {
            const label = Object.assign(document.createElement('label'), {htmlFor: id});
            const select = Object.assign(document.createElement('select'), {id});
            for (const value of Object.keys(options))
                select.append(Object.assign(document.createElement('option'), {value}));
            bar.append(label, select);
            return {label, select, options};
        };
        // Each language is named in itself, as in the desktop's menu.
        const names = {zh: '中文', en: 'English'};
        const language =
            choice('language', Object.fromEntries(languages.map((l) => [l, () => names[l] ?? l])));
        const palette = choice('palette', {
            standard: () => qsTranslate('CFieldDemoDialog', '标准'),
            safe: () => qsTranslate('CFieldDemoDialog', '色盲友好'),
        });
        const retranslate = () => {
            language.label.textContent = vesk.plain(qsTranslate('CFieldDemoDialog', '语言(&L)'));
            palette.label.textContent = vesk.plain(qsTranslate('CFieldDemoDialog', '配色(&P)'));
            for (const {select, options} of [language, palette])
                for (const option of select.options) option.textContent = options[option.value]();
        };
        retranslate();
        return {language: language.select, palette: palette.select, retranslate};
    }

    // Served over http(s), the page keeps its files for a visit without the network; opened from
    // disk it has them anyway.
    function keepForOffline() {
        if (!window.isSecureContext || !/^https?:$/.test(location.protocol) ||
            !('serviceWorker' in navigator))
            return;
        navigator.serviceWorker.register('sw.js').catch(() => {});
    }

    // Instead of an empty canvas: the one sentence that says what the page needs.
    function showNeeds() {
        document.getElementById('bar').hidden = true;
        document.getElementById('views').hidden = true;
        const noscript = document.getElementById('needs');
        if (!document.querySelector('p.needs'))
            noscript.insertAdjacentHTML('afterend', noscript.textContent);
    }

    function main() {
        const forms = window.veskForms || {};
        const catalogues = window.veskTranslations || {};
        const classes = (vesk?.viewClasses ?? []).filter(({name}) => forms[name]);
        if (typeof WebAssembly !== 'object' || typeof VeskModule !== 'function' || !classes.length) {
            showNeeds();
            return;
        }
        // Compiled while the page is laid out.
        const coreReady = VeskModule({onText: vesk.onText});
        let core = null;
        const views = {};
        for (const {name, View} of classes) views[name] = new View(name, forms[name]);
        let shown = classes[0].name;
        const selectView = (name) => {
            shown = name;
            for (const [other, view] of Object.entries(views)) {
                view.root.hidden = other !== name;
                view.tab.setAttribute('aria-selected', String(other === name));
                if (other !== name) view.hide();
            }
            document.title = views[name].title();
            return views[name];
        };
        for (const [name, view] of Object.entries(views)) {
            view.tab = Object.assign(
                document.createElement('button'), {type: 'button', id: `tab-${name}`});
            view.tab.setAttribute('role', 'tab');
            view.tab.setAttribute('aria-controls', `view-${name}`);
            view.tab.addEventListener('click', () => selectView(name).draw());
            view.root.id = `view-${name}`;
            view.root.setAttribute('role', 'tabpanel');
            view.root.setAttribute('aria-labelledby', view.tab.id);
            document.getElementById('tabs').append(view.tab);
            document.getElementById('views').append(view.root);
        }

        const languages = ['zh', ...Object.keys(catalogues).filter((l) => l !== 'zh')];
        const palettes = ['standard', 'safe'];
        const settings = buildSettings(languages);
        // The address that opens the page as it is shown: the view's, then the class's choices
        // where they are not the first.
        const addressShown = () => {
            const view = views[shown];
            let hash = core ? core.UTF8ToString(core._ViewAddress(view.index)) : `view=${shown}`;
            if (vesk.language.code !== languages[0]) hash += `&lang=${vesk.language.code}`;
            if (settings.palette.value !== palettes[0]) hash += `&palette=${settings.palette.value}`;
            return `${location.href.replace(/#.*$/, '')}#${hash}`;
        };
        // A file of the view shown, named by the view and its step.
        const fileName = (extension) => {
            const step = core ? core._ViewStepShown(views[shown].index) : 0;
            return `vesk-${shown}-${step}.${extension}`;
        };
        const takeHome = new vesk.TakeHome(
            document.getElementById('bar'),
            () => ({canvas: views[shown].c.canvas, name: fileName('png')}), addressShown,
            () => ({
                text: core ? core.UTF8ToString(core._ViewCsv(views[shown].index)) : '',
                name: fileName('csv'),
            }));
        document.getElementById('bar').append(document.getElementById('settings'));
        const embed = (on) => {
            document.documentElement.classList.toggle('embed', on);
            for (const view of Object.values(views)) view.embed(on);
        };
        const setLanguage = (code) => {
            vesk.language = {code, catalogue: code === 'zh' ? null : catalogues[code]};
            document.documentElement.lang = code === 'zh' ? 'zh-CN' : code;
            settings.language.value = code;
            settings.retranslate();
            takeHome.retranslate();
            for (const view of Object.values(views)) view.tab.textContent = view.title();
            document.title = views[shown].title();
            if (core) {
                // The core draws the picture's labels from the same catalogue.
                core._ClearPageTexts();
                for (const [context, texts] of Object.entries(vesk.language.catalogue ?? {}))
                    for (const [source, text] of Object.entries(texts))
                        vesk.callWithStrings(core, 'AddPageText', [context, source, text]);
            }
            for (const view of Object.values(views)) view.retranslate();
        };
        const setPalette = (name) => {
            settings.palette.value = name;
            if (core) vesk.callWithStrings(core, 'SetPagePalette', [name]);
        };
        // The address's choice, else the remembered one, else the first.
        const choose = (asked, key, allowed) => [asked, stored.get(key), allowed[0]].find(
            (v) => allowed.includes(v));
        settings.language.addEventListener('change', () => {
            stored.set('language', settings.language.value);
            keepInAddress('lang', settings.language.value);
            setLanguage(settings.language.value);
            views[shown].draw();
        });
        settings.palette.addEventListener('change', () => {
            stored.set('palette', settings.palette.value);
            keepInAddress('palette', settings.palette.value);
            setPalette(settings.palette.value);
            views[shown].draw();
        });
        // The words are in the class's language before the first frame.
        const first = readAddress(location.hash, views);
        setLanguage(choose(first.lang, 'language', languages));
        embed(first.embed);
        selectView(first.view);

        coreReady.then((ready) => {
            core = ready;
            for (const view of Object.values(views)) view.attach(core);
            const follow = (hasCatalogue) => {
                const address = readAddress(location.hash, views);
                const language = choose(address.lang, 'language', languages);
                if (language !== vesk.language.code || !hasCatalogue) setLanguage(language);
                setPalette(choose(address.palette, 'palette', palettes));
                embed(address.embed);
                selectView(address.view).show(address);
            };
            // The core has yet to hear of the language; every view retranslates, now with the
            // ranges of its controls.
            follow(false);
            const presentation = new vesk.Presentation(core, () => views[shown]);
            const lessonAsked = () => new URLSearchParams(location.hash.slice(1)).has('lesson');
            if (lessonAsked()) presentation.lesson();
            // An address without #lesson asks for a view: the presentation ends.
            window.addEventListener('hashchange', () => {
                if (lessonAsked())
                    presentation.lesson();
                else if (presentation.presenting)
                    presentation.leave();
            });
            performance.mark('vesk-first-frame');
            document.getElementById('views').setAttribute('aria-busy', 'false');
            window.addEventListener('hashchange', () => follow(true));
            // Moved to a screen of another resolution, or zoomed: the shown frame is drawn again.
            const watchResolution = () => {
                const query = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
                query.addEventListener('change', () => {
                    views[shown].draw();
                    watchResolution();
                }, {once: true});
            };
            watchResolution();
            keepForOffline();
        }, showNeeds);
    }

    main();
})();

// What a student takes home from the page: the frame shown saved as a PNG file, copied as an image,
// its curves' numbers as a CSV file, and the address that opens the page as it is now copied as a link. What became of a copy is said
// in a note under the bar, over the page, for a few seconds; where the browser refuses the
// clipboard, the link is offered there in a box instead, until the box is left.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    const qsTranslate = (context, source) => vesk.translate(context, source);

    // How long the note says what became of a copy.
    const kNoteMs = 6000;

    const download = (blob, name) => {
        const link = Object.assign(
            document.createElement('a'), {href: URL.createObjectURL(blob), download: name});
        link.click();
        // The download has its bytes once the click has been handled.
        setTimeout(() => URL.revokeObjectURL(link.href), 0);
    };

    const pngOf = (canvas) => new Promise((done, fail) => canvas.toBlob(
        (blob) => (blob ? done(blob) : fail(new Error('no picture'))), 'image/png'));

    vesk.TakeHome = class {
        // `frame()` gives the canvas shown and a name for its file, `address()` the address of
        // the page as shown, `data()` the view's curves as CSV text ('' for none) and its file's
        // name.
        constructor(bar, frame, address, data) {
            this.frame = frame;
            this.address = address;
            this.data = data;
            this.root = Object.assign(document.createElement('div'), {id: 'take-home'});
            const button = (id, text, tip, act) => {
                const b = Object.assign(document.createElement('button'), {type: 'button', id});
                b.addEventListener('click', () => act());
                this.root.append(b);
                return {b, text, tip};
            };
            this.buttons = [
                button(
                    'save-picture', () => qsTranslate('Page', '保存图片'),
                    () => qsTranslate('Page', '把画面存为 PNG 文件'), () => this.save()),
                button(
                    'copy-picture', () => qsTranslate('Page', '复制图片'),
                    () => qsTranslate('Page', '把画面作为图像复制到剪贴板'),
                    () => this.copyPicture()),
                button(
                    'copy-link', () => qsTranslate('Page', '复制链接'),
                    () => qsTranslate('Page', '复制重现此画面的网址'), () => this.copyLink()),
                button(
                    'save-data', () => qsTranslate('Page', '下载数据'),
                    () => qsTranslate('Page', '把此视图的曲线存为 CSV 文件'), () => this.saveData()),
            ];
            this.status = Object.assign(document.createElement('span'), {id: 'take-home-status'});
            this.status.setAttribute('role', 'status');
            this.offered = Object.assign(
                document.createElement('input'), {id: 'take-home-link', type: 'text', readOnly: true});
            this.offered.hidden = true;
            this.offered.addEventListener('focusout', () => this.close());
            this.message = () => '';
            this.timer = null;
            // Over the page, so that the picture keeps its size.
            this.note = Object.assign(document.createElement('div'), {id: 'take-home-note'});
            this.note.append(this.status, this.offered);
            this.root.append(this.note);
            bar.append(this.root);
            this.retranslate();
        }

        retranslate() {
            for (const {b, text, tip} of this.buttons) {
                b.textContent = text();
                b.title = tip();
                b.setAttribute('aria-description', tip());
            }
            this.offered.setAttribute('aria-label', qsTranslate('Page', '复制链接'));
            this.status.textContent = this.message();
        }

        // The note says `message()`; with `link`, it offers the link until the box is left.
        say(message, link) {
            clearTimeout(this.timer);
            this.message = message;
            this.status.textContent = message();
            this.note.classList.add('shown');
            this.offered.hidden = link === undefined;
            if (link === undefined) {
                this.timer = setTimeout(() => this.close(), kNoteMs);
                return;
            }
            this.offered.value = link;
            this.offered.focus();
            this.offered.select();
        }

        close() {
            clearTimeout(this.timer);
            this.message = () => '';
            this.status.textContent = '';
            this.offered.hidden = true;
            this.note.classList.remove('shown');
        }

        save() {
            const {canvas, name} = this.frame();
            pngOf(canvas).then((blob) => download(blob, name), () => {});
        }

        saveData() {
            const {text, name} = this.data();
            if (text === '') {
                this.say(() => qsTranslate('Page', '此视图没有曲线数据。'));
                return;
            }
            download(new Blob([text], {type: 'text/csv'}), name);
        }

        // (Promises rather than async functions: the catalogue's tools read no async.)
        copyPicture() {
            // The item is handed the promise of its bytes, so that the click still counts when
            // they are ready.
            new Promise((done) => done(new ClipboardItem({'image/png': pngOf(this.frame().canvas)})))
                .then((item) => navigator.clipboard.write([item]))
                .then(
                    () => this.say(() => qsTranslate('Page', '已复制图片。')),
                    () => this.say(
                        () => qsTranslate('Page', '浏览器不允许复制图片，请改用“保存图片”。')));
        }

        copyLink() {
            const address = this.address();
            new Promise((done) => done(navigator.clipboard.writeText(address)))
                .then(
                    () => this.say(() => qsTranslate('Page', '已复制链接。')),
                    () => this.say(
                        () => qsTranslate('Page', '浏览器不允许复制，请从此框复制链接：'), address));
        }
    };
})();

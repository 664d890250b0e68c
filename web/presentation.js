// Presentation mode on the page: the picture full screen (the Fullscreen API), one caption line at
// the bottom, and a presentation clicker's keys. F5 or F11 presents the view shown; #lesson in the
// address runs the built-in lesson; R reveals what a stop that asks has hidden. The core's LessonStepper walks the stops and steps and draws
// each frame; the page forwards the keys, runs the timer and shows what comes back.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});
    const kTickMs = 200;
    // The core's LessonKey actions.
    const kNext = 0, kPrevious = 1, kHome = 2, kPlayPause = 3, kTick = 4, kBlack = 5, kWhite = 6,
          kReveal = 7;
    const kKeys = {
        ArrowRight: kNext, PageDown: kNext, ' ': kNext, ArrowLeft: kPrevious, PageUp: kPrevious,
        Home: kHome, p: kPlayPause, P: kPlayPause, b: kBlack, B: kBlack, '.': kBlack, w: kWhite,
        W: kWhite, r: kReveal, R: kReveal
    };
    const kLeave = ['Escape', 'F5', 'F11'];

    vesk.Presentation = class {
        // `shownView` gives the page's view on show.
        constructor(core, shownView) {
            this.core = core;
            this.shownView = shownView;
            this.timer = null;
            this.root = Object.assign(document.createElement('div'), {id: 'presentation'});
            this.root.hidden = true;
            this.root.setAttribute('role', 'dialog');
            this.root.setAttribute('aria-label', 'vesk');
            Object.assign(this.root.style, {
                position: 'fixed', inset: '0', zIndex: '10', background: '#000',
                flexDirection: 'column', alignItems: 'center', margin: '0', cursor: 'none'
            });
            this.canvas = Object.assign(document.createElement('canvas'), {id: 'presentation-canvas'});
            Object.assign(this.canvas.style, {margin: 'auto', display: 'block'});
            this.caption = Object.assign(document.createElement('p'), {id: 'presentation-caption'});
            this.caption.setAttribute('aria-live', 'polite');
            Object.assign(this.caption.style, {
                color: '#fff', margin: '0', padding: '0 0.5em', width: '100%', boxSizing: 'border-box',
                whiteSpace: 'nowrap', overflow: 'hidden', textOverflow: 'ellipsis',
                fontFamily: '"SimSun", "宋体", "AR PL UMing CN", "Noto Serif CJK SC", serif'
            });
            this.root.append(this.canvas, this.caption);
            document.body.append(this.root);
            // First in line, so that no view's own keys hear the clicker.
            window.addEventListener('keydown', (e) => this.key(e), true);
            document.addEventListener('fullscreenchange', () => {
                if (!document.fullscreenElement && this.full) this.leave();
            });
            window.addEventListener('resize', () => this.draw());
        }

        get presenting() {
            return !this.root.hidden;
        }

        lesson() {
            this.core._LessonStartBuiltIn();
            this.open();
        }

        // The view shown, at its step, with its settings; its own animation stops.
        presentView() {
            const view = this.shownView();
            this.core._LessonStartView(view.index);
            view.hide();
            this.open();
        }

        open() {
            this.root.hidden = false;
            this.root.style.display = 'flex';
            this.full = false;
            // A browser grants full screen only after a key or a click; the page fills the window
            // either way.
            this.root.requestFullscreen?.().then(() => {
                this.full = true;
            }, () => {});
            this.show();
        }

        leave() {
            clearInterval(this.timer);
            this.timer = null;
            this.root.hidden = true;
            this.root.style.display = 'none';
            if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
            this.full = false;
        }

        key(e) {
            if (!this.presenting) {
                if ((e.key === 'F5' || e.key === 'F11') && !e.altKey && !e.ctrlKey) {
                    e.preventDefault();
                    this.presentView();
                }
                return;
            }
            e.preventDefault();
            e.stopPropagation();
            if (kLeave.includes(e.key)) return this.leave();
            if (!Object.hasOwn(kKeys, e.key)) return;
            this.core._LessonKey(kKeys[e.key]);
            this.show();
        }

        // The timer from the stepper, then the frame.
        show() {
            const playing = this.core._LessonPlaying() === 1;
            if (!playing) {
                clearInterval(this.timer);
                this.timer = null;
            } else if (this.timer === null) {
                this.timer = setInterval(() => {
                    this.core._LessonKey(kTick);
                    this.draw();
                }, kTickMs);
            }
            this.draw();
        }

        draw() {
            if (!this.presenting) return;
            const core = this.core;
            const blank = core._LessonBlank();
            this.root.dataset.stop = String(core._LessonIndex() + 1);
            this.root.dataset.step = String(core._LessonStep());
            this.root.dataset.playing = String(core._LessonPlaying() === 1);
            this.root.dataset.blank = ['none', 'black', 'white'][blank];
            this.root.style.background = blank === 2 ? '#fff' : '#000';
            this.canvas.style.visibility = this.caption.style.visibility =
                blank === 0 ? 'visible' : 'hidden';
            const band = Math.max(40, Math.floor(window.innerHeight / 18));
            this.caption.style.height = this.caption.style.lineHeight = `${band}px`;
            this.caption.style.fontSize = `${Math.floor(band / 2)}px`;
            const ratio = window.devicePixelRatio || 1;
            vesk.startFrame();
            const complete =
                core._DrawLessonFrame(window.innerWidth, window.innerHeight - band, ratio);
            vesk.putFrame(core, this.canvas, complete === 1);
            this.canvas.style.width = `${this.canvas.width / ratio}px`;
            this.canvas.style.height = `${this.canvas.height / ratio}px`;
            // Read out when a key moves it, not five times a second while it plays.
            this.caption.setAttribute('aria-live', this.timer === null ? 'polite' : 'off');
            this.caption.textContent = core.UTF8ToString(core._LessonCaption());
            // One line, as on the desktop: a long caption in smaller letters, down to half the size.
            for (let size = Math.floor(band / 2);
                 size > band / 4 && this.caption.scrollWidth > this.caption.clientWidth; --size)
                this.caption.style.fontSize = `${size - 1}px`;
        }
    };
})();
